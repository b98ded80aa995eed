#include "musicfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString userDirsPath() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (configHome.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : configHome) +
           QStringLiteral("/user-dirs.dirs");
}

}  // namespace

// The file is a shell script of assignments, written by xdg-user-dirs-update; the last one counts.
QString musicFolderIn(const QByteArray& userDirs, const QString& home) {
    static const QRegularExpression assignment(QStringLiteral("^\\s*XDG_MUSIC_DIR=\"?([^\"]*)\"?\\s*$"));
    QString folder;
    for (const QByteArray& line : userDirs.split('\n')) {
        const QRegularExpressionMatch match = assignment.match(QString::fromUtf8(line));
        if (match.hasMatch()) folder = match.captured(1);
    }
    if (folder.startsWith(QStringLiteral("$HOME"))) folder = home + folder.mid(5);
    return folder.startsWith(QLatin1Char('/')) ? QDir::cleanPath(folder) : QString();
}

QString musicFolder() {
    QFile userDirs(userDirsPath());
    const QString home = QDir::homePath();
    const QString folder =
        userDirs.open(QIODevice::ReadOnly) ? musicFolderIn(userDirs.readAll(), home) : QString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : home;
}
