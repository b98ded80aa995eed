#include "accessibility.h"
#include "commandline.h"
#include "mediacontrols.h"
#include "mediaplayer.h"
#include "mprisservice.h"
#include "picture.h"
#include "playbacksession.h"
#include "playermodule.h"
#include "program.h"
#include "qtdialogs.h"
#include "screensaverinhibitor.h"
#include "settingsfile.h"
#include "singleinstance.h"
#include "translation.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

CommandLine readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QFile::decodeName(argv[i]));
    return parseCommandLine(arguments, QDir::currentPath());
}

}  // namespace

int main(int argc, char* argv[]) {
    // Read before Qt starts, so that asking for help needs no display. Qt is given no arguments: every
    // one is ZEB's, a file named like an option of Qt's included.
    const CommandLine command = readCommandLine(argc, argv);
    if (command.exitStatus) {
        std::fputs(command.output.toLocal8Bit().constData(), stdout);
        std::fputs(command.error.toLocal8Bit().constData(), stderr);
        return *command.exitStatus;
    }
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    QApplication::setApplicationName(QStringLiteral("zeb"));
    installAccessibleReadings();
    SingleInstance instance;
    if (instance.start(command.paths, command.enqueue) == SingleInstance::Role::HandedOver) return 0;

    QApplication::setWindowIcon(QIcon(renderPicture(QStringLiteral(":/pictures/zeb.svg"), QSize(64, 64), 1)));
    installItalianTranslation();
    QtDialogs dialogs;
    const QString programFolder = QCoreApplication::applicationDirPath();
    // Loaded on the first play, not here: loading libmpv would slow every start.
    PlayerModule playerModule(playerModulePath(programFolder));
    const QString settingsPath = settingsFilePath(programFolder);
    Program zeb(dialogs, browserStartFolder(programFolder, settingsPath), settingsPath, playerModule,
                defaultPlayerOptions());
    QObject::connect(&instance, &SingleInstance::openRequested, &zeb,
                     [&zeb](const QStringList& arguments, bool enqueue) {
                         zeb.openPaths(pathsOfArguments(arguments, QDir::currentPath()), enqueue);
                         zeb.raiseWindow();
                     });
    QObject::connect(&zeb, &Program::ended, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    zeb.load();
    if (!command.paths.isEmpty()) zeb.openPaths(command.paths, command.enqueue);
    MediaControls mediaControls(zeb.playback(), zeb, zeb.settings());
    QObject::connect(&zeb, &Program::playChoicesChanged, &mediaControls, &MediaControls::changed);
    MprisService mpris(mediaControls);
    ScreenSaverInhibitor screenSaver(QDBusConnection::sessionBus());
    const MediaPlayer& player = zeb.playback().visore().player();
    QObject::connect(&player, &MediaPlayer::changed, &screenSaver,
                     [&screenSaver, &player] { screenSaver.setWanted(player.state().showsMovingPicture()); });
    // On the bus once the first window is up: the window never waits for the bus.
    QTimer::singleShot(0, &mpris, &MprisService::start);
    return application.exec();
}
