#pragma once

#include "app_seams.h"

#include <QList>
#include <QQuickWidget>
#include <QStringList>
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

    void setHid(Hid_Thread *hid) { m_hid = hid; }
    Hid_Thread *hid() const { return m_hid; }
    QSettings *apConfig() const;
    const QList<QSettings *> &profiles() const { return m_profiles; }
    Dialogs *dialogs() const { return m_seams.dialogs; }
    SoundPlayer *soundPlayer(int index) const { return m_players.value(index); }

public slots:
    // Start calls: queued invocations of the root QML functions "initUI" and "run".
    void initUI();
    void runUI();

    // Sound feedback.
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();

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

    AppSeams m_seams;
    Hid_Thread *m_hid = nullptr;
    bool m_audioEnabled = true;
    QList<SoundPlayer *> m_players;
    AppConfig *m_appConfig = nullptr;
    QList<QSettings *> m_profiles;
    int m_currentProfile = 0;
    QStringList m_messages;
};
