#include "mpvplugin.h"

#include "mpvbackend.h"
#include "platformpictures.h"

#include <QOpenGLContext>

// The first OpenGL context of a run loads the driver, which takes tens of milliseconds with a software
// renderer: that is done here, off the user-interface thread, rather than on the first play.
MpvPlugin::MpvPlugin() {
    if (platformDrawsPictures() && QOpenGLContext::supportsThreadedOpenGL()) m_openGLWorks = openGLWorks();
}

// Without OpenGL the picture could never be drawn, and a video would wait for it for ever: then files
// play without one.
std::unique_ptr<PlayerBackend> MpvPlugin::create(PlayerBackend::Listener& listener, QWidget* parent,
                                                 const PlayerBackend::Options& wanted, QString* error) {
    PlayerBackend::Options options = wanted;
    options.drawVideo = options.drawVideo && openGLWorks();
    return MpvBackend::create(listener, parent, options, error);
}

bool MpvPlugin::openGLWorks() {
    if (!m_openGLWorks) m_openGLWorks = QOpenGLContext().create();
    return *m_openGLWorks;
}
