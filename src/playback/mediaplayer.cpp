#include "mediaplayer.h"

#include "looks.h"
#include "picture.h"
#include "playermodule.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The volume the player starts at: -5.5 dB, as the Windows component's -550.
constexpr int kStartVolume = 81;
// The seek bar counts tenths of a second; its arrow keys move by 5 seconds, Page Up and Down by 30.
constexpr int kSeekSteps = 10;
constexpr int kSeekArrowStep = 5 * kSeekSteps;
constexpr int kSeekPageStep = 30 * kSeekSteps;

QIcon icon(const QString& picture) {
    return QIcon(renderPicture(QStringLiteral(":/pictures/%1.svg").arg(picture), QSize(16, 16), 2));
}

QToolButton* controlButton(QAction* action, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

MediaPlayer::MediaPlayer(PlayerModule& module, PlayerBackend::Options options, QWidget* parent)
    : QWidget(parent),
      m_module(module),
      m_options(std::move(options)),
      m_playIcon(icon(QStringLiteral("player_play"))),
      m_pauseIcon(icon(QStringLiteral("player_pause"))) {
    setObjectName(QStringLiteral("MediaPlayer1"));
    // The component's own look: white text on dark grey controls, under a black picture.
    looks::paint(this, Qt::white, QColor(48, 48, 48));
    buildControls();
    showStatus();
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::buildControls() {
    m_playPause = new QAction(m_playIcon, QStringLiteral("Riproduci / Pausa"), this);
    m_playPause->setObjectName(QStringLiteral("playPause"));
    m_stop = new QAction(icon(QStringLiteral("player_stop")), QStringLiteral("Ferma"), this);
    auto* louder = new QAction(QStringLiteral("Alza il volume"), this);
    auto* softer = new QAction(QStringLiteral("Abbassa il volume"), this);
    m_mute = new QAction(icon(QStringLiteral("player_volume")), QStringLiteral("Muto"), this);
    m_mute->setCheckable(true);
    connect(m_playPause, &QAction::triggered, this, &MediaPlayer::togglePause);
    connect(m_stop, &QAction::triggered, this, &MediaPlayer::stop);
    connect(louder, &QAction::triggered, this, [this] { changeVolume(+5); });
    connect(softer, &QAction::triggered, this, [this] { changeVolume(-5); });
    connect(m_mute, &QAction::toggled, this, [this](bool muted) {
        if (m_backend) m_backend->setMuted(muted);
    });
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addActions({m_playPause, m_stop, separator, louder, softer, m_mute});
    setContextMenuPolicy(Qt::ActionsContextMenu);

    m_screen = new QWidget(this);
    m_screen->setAutoFillBackground(true);
    QPalette black = m_screen->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_screen->setPalette(black);

    buildSeekBar();
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setAccessibleName(QStringLiteral("Volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(kStartVolume);
    connect(m_volume, &QSlider::valueChanged, this, [this](int volume) {
        if (m_backend) m_backend->setVolume(volume);
        Q_EMIT changed();
    });
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(controlButton(m_playPause, this));
    buttons->addWidget(controlButton(m_stop, this));
    buttons->addStretch();
    buttons->addWidget(controlButton(m_mute, this));
    buttons->addWidget(m_volume);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
    m_layout->addWidget(m_screen, 1);
    m_layout->addWidget(m_seekBar);
    m_layout->addLayout(buttons);
    m_layout->addWidget(m_status);
}

// Every move by the user seeks: a drag, a click on the groove, a key, the wheel. The moves that follow
// the player's position are not the user's, and trigger no action.
void MediaPlayer::buildSeekBar() {
    m_seekBar = new QSlider(Qt::Horizontal, this);
    m_seekBar->setObjectName(QStringLiteral("seekBar"));
    m_seekBar->setAccessibleName(QStringLiteral("Posizione"));
    m_seekBar->setSingleStep(kSeekArrowStep);
    m_seekBar->setPageStep(kSeekPageStep);
    connect(m_seekBar, &QSlider::actionTriggered, this,
            [this] { seek(double(m_seekBar->sliderPosition()) / kSeekSteps); });
}

// The module is loaded on first need; without it nothing plays, and the owner hears of it once the
// current call has returned.
bool MediaPlayer::ensureBackend() {
    if (m_backend) return true;
    QString error;
    if (PlayerBackendFactory* factory = m_module.factory(&error)) {
        m_backend = factory->create(*this, this, m_options, &error);
    }
    if (!m_backend) {
        QMetaObject::invokeMethod(
            this, [this, error] { Q_EMIT unavailable(error); }, Qt::QueuedConnection);
        return false;
    }
    delete m_layout->replaceWidget(m_screen, m_backend->videoArea());  // the layout item is ours to delete
    delete m_screen;
    m_screen = m_backend->videoArea();
    m_backend->setVolume(m_volume->value());
    m_backend->setMuted(m_mute->isChecked());
    m_backend->setStretched(m_stretched);
    m_state.setBackend(m_backend.get());
    return true;
}

void MediaPlayer::setFile(const QString& path) {
    ensureBackend();
    m_state.setFile(path);
    showStatus();
}

void MediaPlayer::play() {
    m_state.play();
    showStatus();
}

void MediaPlayer::stop() {
    m_state.stop();
    showStatus();
}

void MediaPlayer::setDisplaySize(DisplaySize size) {
    m_stretched = size == DisplaySize::Stretched;
    if (m_backend) m_backend->setStretched(m_stretched);
}

void MediaPlayer::pause() {
    m_state.pause();
    showStatus();
}

void MediaPlayer::seek(double seconds) {
    if (!m_backend) return;
    const double position = m_state.seek(seconds);
    showStatus();
    Q_EMIT seeked(position);
}

int MediaPlayer::volume() const {
    return m_volume->value();
}

void MediaPlayer::setVolume(int percent) {
    m_volume->setValue(percent);
}

void MediaPlayer::togglePause() {
    m_state.togglePause();
    showStatus();
}

void MediaPlayer::changeVolume(int step) {
    setVolume(volume() + step);
}

void MediaPlayer::playbackRestarted() {
    const bool loaded = m_state.playbackRestarted();
    showStatus();
    if (loaded) Q_EMIT started();
}

void MediaPlayer::fileEnded(TrackEnd end, const QString& error) {
    m_state.fileEnded(end, error);
    showStatus();
    switch (end) {
        case TrackEnd::Played:
            Q_EMIT endOfStream();
            break;
        case TrackEnd::PlayedNothing:
            Q_EMIT playedNothing();
            break;
        case TrackEnd::CouldNotPlay:
            Q_EMIT couldNotPlay(error);
            break;
    }
}

void MediaPlayer::positionChanged(double seconds) {
    m_state.positionChanged(seconds);
    if (!m_seekBar->isSliderDown()) m_seekBar->setValue(int(seconds * kSeekSteps));
    showStatus();
}

void MediaPlayer::durationChanged(double seconds) {
    m_state.durationChanged(seconds);
    m_seekBar->setRange(0, int(seconds * kSeekSteps));
    showStatus();
}

void MediaPlayer::pausedChanged(bool paused) {
    m_state.pausedChanged(paused);
    showStatus();
}

void MediaPlayer::tagsChanged(const QMap<QString, QString>& tags) {
    m_state.tagsChanged(tags);
    showStatus();
}

void MediaPlayer::showStatus() {
    const QIcon& wanted = m_state.pressPauses() ? m_pauseIcon : m_playIcon;
    if (m_playPause->icon().cacheKey() != wanted.cacheKey()) m_playPause->setIcon(wanted);
    m_status->setText(m_state.statusText());
    Q_EMIT changed();
}
