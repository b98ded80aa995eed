#pragma once

#include <QOpenGLWidget>

struct mpv_handle;
struct mpv_render_context;

// The picture of libmpv, drawn through its render API into the widget's framebuffer. Black while
// nothing is drawn (no file, or a file without pictures).
class MpvVideoWidget final : public QOpenGLWidget {
    Q_OBJECT
public:
    MpvVideoWidget(mpv_handle* mpv, QWidget* parent);
    ~MpvVideoWidget() override;

    // libmpv ends a video file with an error when it is loaded before the render context exists.
    bool isReady() const { return m_context != nullptr; }

Q_SIGNALS:
    void ready();
    // libmpv cannot draw with the OpenGL at hand: nothing will ever be drawn.
    void unusable();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    mpv_handle* m_mpv;
    mpv_render_context* m_context = nullptr;
};
