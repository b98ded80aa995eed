#include "installation.h"
#include "mediacontrols.h"
#include "mprisservice.h"
#include "picture.h"
#include "playermodule.h"
#include "qtdialogs.h"
#include "seleziona.h"
#include "settingsfile.h"
#include "translation.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeb"));
    QApplication::setWindowIcon(QIcon(renderPicture(QStringLiteral(":/pictures/zeb.svg"), QSize(64, 64), 1)));
    installItalianTranslation();
    QtDialogs dialogs;
    const QString programFolder = QCoreApplication::applicationDirPath();
    // Loaded on the first play, not here: loading libmpv would slow every start.
    PlayerModule playerModule(playerModulePath(programFolder));
    Seleziona seleziona(dialogs, programFolder, settingsFilePath(programFolder), playerModule,
                        defaultPlayerOptions());
    seleziona.load();
    MediaControls mediaControls(seleziona.playback(), seleziona);
    MprisService mpris(mediaControls);
    // On the bus once the first window is up: the window never waits for the bus.
    QTimer::singleShot(0, &mpris, &MprisService::start);
    return application.exec();
}
