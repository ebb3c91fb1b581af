#pragma once

#include "app_seams.h"

#include <QList>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>

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

    void setHid(Hid_Thread *hid) { m_hid = hid; }
    Hid_Thread *hid() const { return m_hid; }
    QSettings *apConfig() const { return m_apConfig; }
    const QList<QSettings *> &profiles() const { return m_profiles; }
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

private:
    void invokeRoot(const char *function);

    AppSeams m_seams;
    Hid_Thread *m_hid = nullptr;
    bool m_audioEnabled = true;
    QList<SoundPlayer *> m_players;
    QSettings *m_apConfig = nullptr;
    QList<QSettings *> m_profiles;
    int m_currentProfile = 0;
    QStringList m_messages;
};
