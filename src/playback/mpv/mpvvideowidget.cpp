#include "mpvvideowidget.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <mpv/render_gl.h>

namespace {

void* procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

}  // namespace

MpvVideoWidget::MpvVideoWidget(mpv_handle* mpv, QWidget* parent) : QOpenGLWidget(parent), m_mpv(mpv) {}

MpvVideoWidget::~MpvVideoWidget() {
    makeCurrent();
    if (m_context) mpv_render_context_free(m_context);
    doneCurrent();
}

void MpvVideoWidget::initializeGL() {
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
    // Called on a thread of libmpv: only queue a repaint for the user-interface thread.
    mpv_render_context_set_update_callback(
        m_context,
        [](void* widget) {
            QMetaObject::invokeMethod(static_cast<MpvVideoWidget*>(widget), qOverload<>(&QWidget::update),
                                      Qt::QueuedConnection);
        },
        this);
    Q_EMIT ready();
}

void MpvVideoWidget::paintGL() {
    QOpenGLFunctions* gl = context()->functions();
    gl->glClearColor(0, 0, 0, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
    if (!m_context) return;
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_context, params);
}
