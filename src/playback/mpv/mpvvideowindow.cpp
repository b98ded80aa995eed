#include "mpvvideowindow.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <mpv/render_gl.h>

namespace {

void* procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

}  // namespace

MpvVideoWindow::MpvVideoWindow(mpv_handle* mpv) : QOpenGLWindow(NoPartialUpdate), m_mpv(mpv) {
    setFlags(Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    // libmpv draws the picture with neither: a window of it in full screen would hold them for nothing.
    QSurfaceFormat picture = format();
    picture.setDepthBufferSize(0);
    picture.setStencilBufferSize(0);
    setFormat(picture);
}

// A widget shows its native children before itself. On Wayland (QtWayland 6.4) a child window shown while
// its top-level is not yet configured never gets exposed, nor even a surface of its own when the top-level
// is shown again: nothing would be drawn. The top-level's exposure tells when showing it again works.
bool MpvVideoWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show && parent()) parent()->installEventFilter(this);
    return QOpenGLWindow::event(event);
}

bool MpvVideoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Expose) {
        QMetaObject::invokeMethod(this, &MpvVideoWindow::showAgainIfMissed, Qt::QueuedConnection);
    }
    return QOpenGLWindow::eventFilter(watched, event);
}

void MpvVideoWindow::showAgainIfMissed() {
    if (!isVisible() || isExposed() || !parent() || !parent()->isExposed()) return;
    hide();
    show();
}

MpvVideoWindow::~MpvVideoWindow() {
    if (!m_context) return;
    makeCurrent();
    mpv_render_context_free(m_context);
    doneCurrent();
}

void MpvVideoWindow::initializeGL() {
    mpv_opengl_init_params gl{&procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&m_context, m_mpv, params) < 0) {
        m_context = nullptr;
        Q_EMIT unusable();
        return;
    }
    // Called on a thread of libmpv: only queue a frame for the user-interface thread.
    mpv_render_context_set_update_callback(
        m_context,
        [](void* window) {
            QMetaObject::invokeMethod(static_cast<MpvVideoWindow*>(window),
                                      qOverload<>(&QPaintDeviceWindow::update), Qt::QueuedConnection);
        },
        this);
    Q_EMIT ready();
}

void MpvVideoWindow::paintGL() {
    if (!m_context) {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatio();
    mpv_opengl_fbo fbo{int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_context, params);
}
