#pragma once

#include "app_seams.h"
#include "key_assignment.h"
#include "keyboard_settings.h"
#include "language_check_notice.h"
#include "mouse_settings.h"
#include "pointer_settings.h"
#include "profile_exchange.h"
#include "profile_store.h"

#include <QList>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class AppConfig;
class Hid_Thread;
class QSettings;
class SoundPlayer;

// The QML host view and the bridge QML calls through the context property `ui_View`.
// Every slot forwards to the subsystem object that owns the behaviour.
class myQQuickView : public QQuickWidget {
    Q_OBJECT
public:
    static constexpr int kSoundCount = 5;
    static constexpr int kProfileCount = 10;

    myQQuickView(QWidget *parent, const AppSeams &seams);
    ~myQQuickView() override;

    void setHid(Hid_Thread *hid) {
        m_hid = hid;
        attachSettingsDevice(hid);
    }
    Hid_Thread *hid() const { return m_hid; }
    QSettings *apConfig() const;
    AppConfig *appConfig() const { return m_appConfig; }
    const QList<QSettings *> &profiles() const { return m_profileStore.profiles(); }
    ProfileStore &profileStore() { return m_profileStore; }
    Dialogs *dialogs() const { return m_seams.dialogs; }
    SoundPlayer *soundPlayer(int index) const { return m_players.value(index); }

    // Key and mouse-button capture (bridge_input.cpp): queued calls of the root QML
    // functions "detectKeyboard"(isDown, key code) and "detectMouse"(isDown, button code,
    // x, y), so the capture returns before any QML runs.
    void forwardKeyboardEvent(bool isDown, quint8 keyCode);
    void forwardMouseEvent(bool isDown, quint8 buttonCode, qint32 x, qint32 y);

public slots:
    // Start calls: queued invocations of the root QML functions "initUI" and "run".
    void initUI();
    void runUI();

    // Sound feedback.
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();

    // Macro files, macro encoding and macro keys; languages and strings
    // (bridge_macro.cpp, bridge_i18n.cpp).
    QVariant createMacroIni();
    QStringList getMacroIniNames();
    QStringList loadMacroIni(QVariant name);
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    QVariant deleteMacroIni(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    void loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    QList<uchar> macroIncode(QStringList macros);
    void ui_13H_SetMacroKey(QVariant macroId, QVariant name);
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name);
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);
    QStringList getProductLayoutStrings_R8(QString langCode);
    // ---- Profiles (bridge_settings_profiles.cpp): the ten profile files, the factory
    // profile, and export, import and reset of whole profiles.
    QVariantList loadDefaultProfile(uchar uiPageId);
    void ui_02H_SetCurrentProfile(int profile);
    void saveProfile(int profile);
    void loadProfile(int profile);
    void resetProfile(int profile);

    // ---- Mouse performance and lighting (bridge_settings_mouse.cpp).
    void ui_01H_SetReportRate(uchar rate);
    QVariant ui_81H_GetReportRate();
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);
    QVariant ui_8BH_GetCurrentDPIStage();
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex);
    QVariantList ui_91H_GetDPISet();
    uchar ui_91H_SyncDPI();
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs);
    QVariantList ui_8DH_GetRGBLedEffect();
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24);
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    QVariant getSensorType();
    bool chkIsLogoLedWork();
    bool getMsgAns_FoolProofing();
    QVariantList ui_92H_GetKeyMatrix();
    QVariantList ui_93H_GetMacroKey(uchar macroId);

    // ---- Pointer settings of the system (bridge_settings_pointer.cpp).
    void setAcceleration(bool acceleration);
    bool getAcceleration();
    void setCursorSpeed(uint cursorSpeed);
    uint getCursorSpeed();
    void setVerticalScrollLines(uint lines);
    uint getVerticalScrollLines();
    void setDoubleClickSpeed(uint speed);
    uint getDoubleClickSpeed();

    // ---- Keyboard operations and start-up synchronisation (bridge_settings_keyboard.cpp).
    void syncFW();
    QVariant ui_82H_GetCurrentProfile();
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    QVariantList ui_83H_GetKeyboardoption();
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    QVariantList ui_84H_GetButtonSensitivity();
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction);
    QVariantList ui_88H_GetLEDType();
    void ui_09H_SetKeyboardMode(uchar mode);
    QVariant ui_89H_GetKeyboardMode();
    QVariantList ui_8DH_GetKeyMatrix();
    void ui_0EH_SetKeyOnOff(QVariantList src21);
    QVariantList ui_8EH_GetKeyOnOff();
    QVariantList ui_91H_GetMacroKey(uchar macroId);
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512);
    QVariantList ui_92H_GetUserPicture(uchar index);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    QVariantList ui_94H_GetColor(uchar index);
    QString ui_80H_GetFWVersion();

    // ---- Key assignment (bridge_keyassign.cpp).
    QVariantList getKeydefine(QVariant matrixId);
    void ui_12H_SetKeyMatrix(QVariantList src64);
    void ui_0DH_SetKeyMatrix(QVariantList src512);
    void setScrollPinSwap(bool isSwap);
    bool getScrollPinSwap();

    // Application config and the global settings page (bridge_settings_config.cpp,
    // bridge_globalsetting.cpp).
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    QVariantList loadDeviceApConfig();
    void resetApconfig();
    bool getIsSkinShow();
    QString getCustomFilePath();

private:
    void invokeRoot(const char *function);
    void attachSettingsDevice(Hid_Thread *hid);

    AppSeams m_seams;
    Hid_Thread *m_hid = nullptr;
    bool m_audioEnabled = true;
    QList<SoundPlayer *> m_players;
    AppConfig *m_appConfig = nullptr;
    QStringList m_messages;
    LanguageCheckNotice m_languageNotice;
    // Profiles and the settings operations over them; they share the store.
    ProfileStore m_profileStore;
    ProfileExchange m_profileExchange{m_profileStore, m_seams.dialogs};
    MouseSettings m_mouseSettings{m_profileStore, m_seams.dialogs};
    KeyboardSettings m_keyboardSettings{m_profileStore};
    PointerSettings m_pointerSettings{m_profileStore, m_seams.pointer};
    KeyAssignment m_keyAssignment{m_profileStore};
};
