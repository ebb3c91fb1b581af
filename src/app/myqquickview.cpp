#include "myqquickview.h"

#include "key_names.h"
#include "app_config.h"
#include "sound_player.h"

#include <QQuickItem>
#include <QSettings>

namespace {
const char *const kSoundFiles[myQQuickView::kSoundCount] = {
    "./modules/media/00.mp3", "./modules/media/01.wav", "./modules/media/02.wav",
    "./modules/media/03.wav", "./modules/media/04.wav"};

QUrl soundUrl(int index) {
    return QUrl::fromLocalFile(QString::fromLatin1(kSoundFiles[index]));
}
} // namespace

myQQuickView::myQQuickView(QWidget *parent, const AppSeams &seams)
    : QQuickWidget(parent), m_seams(seams) {
    setResizeMode(QQuickWidget::SizeViewToRootObject);
    setClearColor(Qt::transparent);
    setAttribute(Qt::WA_AlwaysStackOnTop);
    buildKeyNameTable();

    for (int i = 0; i < kSoundCount; ++i)
        m_players.append(m_seams.soundPlayers(this));
    connect(m_players[0], &SoundPlayer::finished, this, &myQQuickView::playMedia_Background);
    connect(m_players[1], &SoundPlayer::finished, this, &myQQuickView::playMedia_Background);

    m_appConfig = new AppConfig(QStringLiteral("./modules/setting/apConfig.bin"),
                                QStringLiteral("./modules/setting/apConfigD.bin"), this);
}

myQQuickView::~myQQuickView() = default;

QSettings *myQQuickView::apConfig() const {
    return m_appConfig->settings();
}

void myQQuickView::invokeRoot(const char *function) {
    if (QQuickItem *root = rootObject())
        QMetaObject::invokeMethod(root, function, Qt::QueuedConnection);
}

void myQQuickView::initUI() {
    invokeRoot("initUI");
}

void myQQuickView::runUI() {
    invokeRoot("run");
}

void myQQuickView::setEnableAudio(bool isEnable) {
    m_audioEnabled = isEnable;
}

void myQQuickView::playMedia_Index(uchar index) {
    if (!m_audioEnabled || index >= kSoundCount)
        return;
    if (index == 0) {
        playMedia_Background();
        return;
    }
    SoundPlayer *player = m_players[index];
    player->clear();
    player->setSource(soundUrl(index));
    player->play();
}

void myQQuickView::playMedia_Background() {
    m_players[0]->setSource(soundUrl(0));
    m_players[0]->play();
}

void myQQuickView::clearAllMedia() {
    for (SoundPlayer *player : std::as_const(m_players))
        player->clear();
}
