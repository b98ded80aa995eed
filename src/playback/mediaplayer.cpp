#include "mediaplayer.h"

#include "listeningstate.h"
#include "looks.h"
#include "picture.h"
#include "playermodule.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Left and Right seek by 5 seconds, with Shift by 60; the seek bar's Page Up and Down by 30. The bar
// counts tenths of a second.
constexpr double kSeekShort = 5;
constexpr double kSeekLong = 60;
constexpr int kSeekSteps = 10;
constexpr int kSeekArrowStep = int(kSeekShort) * kSeekSteps;
constexpr int kSeekPageStep = 30 * kSeekSteps;
constexpr int kVolumeStep = 5;
const QString kPictureName = QStringLiteral("Immagine");

QIcon icon(const QString& picture) {
    return QIcon(renderPicture(QStringLiteral(":/pictures/%1.svg").arg(picture), QSize(16, 16), 2));
}

// An action of the player whose keys work wherever the keyboard is in the viewer window; the context
// menu shows them beside it.
QAction* keyedAction(const QString& text, const QList<QKeySequence>& keys, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
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
    buildActions();

    m_screen = new QWidget(this);
    m_screen->setAccessibleName(kPictureName);
    m_screen->setAutoFillBackground(true);
    QPalette black = m_screen->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_screen->setPalette(black);

    buildSeekBar();
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setAccessibleName(QStringLiteral("Volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(ListeningState().volume);
    connect(m_volume, &QSlider::valueChanged, this, [this](int volume) {
        if (m_backend) m_backend->setVolume(volume);
        Q_EMIT changed();
    });
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    // A long name is cut at the player's edge rather than widening the player.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* buttons = new QHBoxLayout;
    m_playPauseButton = controlButton(m_playPause, this);
    buttons->addWidget(m_playPauseButton);
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

void MediaPlayer::buildActions() {
    m_playPause = keyedAction(QStringLiteral("Riproduci / Pausa"), {Qt::Key_Space}, this);
    m_playPause->setObjectName(QStringLiteral("playPause"));
    m_stop = new QAction(icon(QStringLiteral("player_stop")), QStringLiteral("Ferma"), this);
    auto* back = keyedAction(QStringLiteral("Indietro di 5 s"), {Qt::Key_Left}, this);
    auto* forward = keyedAction(QStringLiteral("Avanti di 5 s"), {Qt::Key_Right}, this);
    auto* longBack = keyedAction(QStringLiteral("Indietro di 60 s"), {Qt::SHIFT | Qt::Key_Left}, this);
    auto* longForward = keyedAction(QStringLiteral("Avanti di 60 s"), {Qt::SHIFT | Qt::Key_Right}, this);
    auto* louder = keyedAction(QStringLiteral("Alza il volume"), {Qt::Key_Up}, this);
    auto* softer = keyedAction(QStringLiteral("Abbassa il volume"), {Qt::Key_Down}, this);
    m_mute = keyedAction(QStringLiteral("Muto"), {Qt::Key_M}, this);
    m_mute->setIcon(icon(QStringLiteral("player_volume")));
    m_mute->setCheckable(true);
    connect(m_playPause, &QAction::triggered, this, &MediaPlayer::togglePause);
    connect(m_stop, &QAction::triggered, this, &MediaPlayer::stop);
    connect(back, &QAction::triggered, this, [this] { seekBy(-kSeekShort); });
    connect(forward, &QAction::triggered, this, [this] { seekBy(kSeekShort); });
    connect(longBack, &QAction::triggered, this, [this] { seekBy(-kSeekLong); });
    connect(longForward, &QAction::triggered, this, [this] { seekBy(kSeekLong); });
    connect(louder, &QAction::triggered, this, [this] { changeVolume(kVolumeStep); });
    connect(softer, &QAction::triggered, this, [this] { changeVolume(-kVolumeStep); });
    connect(m_mute, &QAction::toggled, this, [this](bool muted) {
        if (m_backend) m_backend->setMuted(muted);
    });
    addActions({m_playPause, m_stop, separator(), back, forward, longBack, longForward, separator(), louder,
                softer, m_mute, separator()});
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction* MediaPlayer::separator() {
    auto* line = new QAction(this);
    line->setSeparator(true);
    return line;
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
    m_screen->setAccessibleName(kPictureName);
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

void MediaPlayer::queue(const QString& path) {
    m_state.queue(path);
}

bool MediaPlayer::dequeue() {
    return m_state.dequeue();
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

bool MediaPlayer::isMuted() const {
    return m_mute->isChecked();
}

void MediaPlayer::setMuted(bool muted) {
    m_mute->setChecked(muted);
}

void MediaPlayer::seekBy(double seconds) {
    seek(m_state.position() + seconds);
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

void MediaPlayer::queuedStarted() {
    m_state.queuedStarted();
    showStatus();
    Q_EMIT nextStarted();
}

// A double-click on the picture; the controls take their own.
void MediaPlayer::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_screen->geometry().contains(event->position().toPoint())) {
        Q_EMIT pictureDoubleClicked();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
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

void MediaPlayer::pictureChanged(bool hasPicture) {
    m_state.pictureChanged(hasPicture);
    Q_EMIT changed();
}

void MediaPlayer::tagsChanged(const QMap<QString, QString>& tags) {
    m_state.tagsChanged(tags);
    showStatus();
}

// The play/pause button shows, and names to screen readers, what a press does now.
void MediaPlayer::showStatus() {
    const bool pressPauses = m_state.pressPauses();
    const QString press = pressPauses ? QStringLiteral("Pausa") : QStringLiteral("Riproduci");
    if (m_playPauseButton->accessibleName() != press) {
        m_playPause->setIcon(pressPauses ? m_pauseIcon : m_playIcon);
        m_playPauseButton->setAccessibleName(press);
    }
    m_status->setText(m_state.statusText());
    Q_EMIT changed();
}
