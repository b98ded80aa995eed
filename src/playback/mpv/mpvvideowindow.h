#pragma once

#include <QOpenGLWindow>

struct mpv_handle;
struct mpv_render_context;

// The picture of libmpv, drawn through its render API straight into a native window of its own, which
// the viewer holds in a window container: a frame costs one draw of the picture, not a composition of
// the whole viewer window. Black while nothing is drawn (no file, or a file without pictures). It takes
// neither the pointer nor the keyboard: clicks and keys go to the player around it.
class MpvVideoWindow final : public QOpenGLWindow {
    Q_OBJECT
public:
    explicit MpvVideoWindow(mpv_handle* mpv);
    ~MpvVideoWindow() override;

    // libmpv ends a video file with an error when it is loaded before the render context exists.
    bool isReady() const { return m_context != nullptr; }

Q_SIGNALS:
    void ready();
    // libmpv cannot draw with the OpenGL at hand: nothing will ever be drawn.
    void unusable();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void initializeGL() override;
    void paintGL() override;

private:
    void showAgainIfMissed();

    mpv_handle* m_mpv;
    mpv_render_context* m_context = nullptr;
};
