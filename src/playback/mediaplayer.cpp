#include "mediaplayer.h"

#include "looks.h"
#include "picture.h"
#include "playermodule.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The volume the player starts at: -5.5 dB, as the Windows component's -550.
constexpr int kStartVolume = 81;
// The seek bar counts tenths of a second.
constexpr int kSeekSteps = 10;

QString clock(double seconds) {
    const QTime time = QTime(0, 0).addMSecs(qint64(seconds * 1000));
    return time.toString(seconds >= 3600 ? QStringLiteral("h:mm:ss") : QStringLiteral("m:ss"));
}

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

MediaPlayer::MediaPlayer(PlayerBackend::Options options, QWidget* parent)
    : QWidget(parent), m_options(std::move(options)) {
    setObjectName(QStringLiteral("MediaPlayer1"));
    // The component's own look: white text on dark grey controls, under a black picture.
    looks::paint(this, Qt::white, QColor(48, 48, 48));
    buildControls();
    showStatus();
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::buildControls() {
    m_playPause = new QAction(icon(QStringLiteral("player_play")), QStringLiteral("Riproduci / Pausa"), this);
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

    m_seekBar = new QSlider(Qt::Horizontal, this);
    m_seekBar->setObjectName(QStringLiteral("seekBar"));
    m_seekBar->setAccessibleName(QStringLiteral("Posizione"));
    connect(m_seekBar, &QSlider::sliderReleased, this, [this] {
        if (m_backend) m_backend->seek(double(m_seekBar->value()) / kSeekSteps);
    });
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setAccessibleName(QStringLiteral("Volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(kStartVolume);
    connect(m_volume, &QSlider::valueChanged, this, [this](int volume) {
        if (m_backend) m_backend->setVolume(volume);
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

// The module is loaded on first need; without it nothing plays, and the owner hears of it once the
// current call has returned.
bool MediaPlayer::ensureBackend() {
    if (m_backend) return true;
    QString error;
    if (PlayerBackendFactory* module = playerModule(&error)) {
        m_backend = module->create(*this, this, m_options, &error);
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
    return true;
}

void MediaPlayer::setFile(const QString& path) {
    m_path = path;
    m_position = m_duration = 0;
    m_state = State::Loading;
    if (ensureBackend()) {
        m_backend->load(path);
        m_loaded = true;
    }
    showStatus();
}

void MediaPlayer::play() {
    if (!m_backend || m_path.isEmpty()) return;
    if (!m_loaded) setFile(m_path);
    m_backend->setPaused(false);
}

void MediaPlayer::stop() {
    if (m_backend) m_backend->stop();
    m_loaded = false;
    m_state = State::Stopped;
    m_position = 0;
    showStatus();
}

void MediaPlayer::setDisplaySize(DisplaySize size) {
    m_stretched = size == DisplaySize::Stretched;
    if (m_backend) m_backend->setStretched(m_stretched);
}

void MediaPlayer::togglePause() {
    if (m_state == State::Playing) {
        m_backend->setPaused(true);
    } else {
        play();
    }
}

void MediaPlayer::changeVolume(int step) {
    m_volume->setValue(m_volume->value() + step);
}

void MediaPlayer::playbackStarted() {
    m_state = State::Playing;
    showStatus();
    Q_EMIT started();
}

void MediaPlayer::fileEnded(bool playedToEnd, const QString& error) {
    m_loaded = false;
    m_state = playedToEnd ? State::Stopped : State::Failed;
    m_error = error;
    showStatus();
    if (playedToEnd) {
        Q_EMIT endOfStream();
    } else {
        Q_EMIT couldNotPlay(error);
    }
}

void MediaPlayer::positionChanged(double seconds) {
    m_position = seconds;
    if (!m_seekBar->isSliderDown()) m_seekBar->setValue(int(seconds * kSeekSteps));
    showStatus();
}

void MediaPlayer::durationChanged(double seconds) {
    m_duration = seconds;
    m_seekBar->setRange(0, int(seconds * kSeekSteps));
    showStatus();
}

void MediaPlayer::pausedChanged(bool paused) {
    if (m_state == State::Playing && paused)
        m_state = State::Paused;
    else if (m_state == State::Paused && !paused)
        m_state = State::Playing;
    showStatus();
}

void MediaPlayer::showStatus() {
    m_playPause->setIcon(
        icon(m_state == State::Playing ? QStringLiteral("player_pause") : QStringLiteral("player_play")));
    QString state;
    switch (m_state) {
        case State::Stopped:
            state = QStringLiteral("Fermo");
            break;
        case State::Loading:
            state = QStringLiteral("Caricamento");
            break;
        case State::Playing:
            state = QStringLiteral("In riproduzione");
            break;
        case State::Paused:
            state = QStringLiteral("In pausa");
            break;
        case State::Failed:
            state = QStringLiteral("Errore: %1").arg(m_error);
            break;
    }
    const QString name = QFileInfo(m_path).fileName();
    const QString times = QStringLiteral("%1 / %2").arg(clock(m_position), clock(m_duration));
    m_status->setText(name.isEmpty() ? state : QStringLiteral("%1 — %2 — %3").arg(name, times, state));
}
