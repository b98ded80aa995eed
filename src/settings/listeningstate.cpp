#include "listeningstate.h"

#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString listeningStatePath(const QString& settingsPath) {
    return QFileInfo(settingsPath).dir().filePath(QStringLiteral(".ZEBstato"));
}

ListeningState readListeningState(const QString& path) {
    ListeningState state;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return state;
    for (const QByteArray& line : file.read(4096).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        bool number = false;
        const int value = line.mid(equals + 1).trimmed().toInt(&number);
        if (equals < 0 || !number) continue;
        const QByteArray name = line.left(equals).trimmed();
        if (name == "volume" && value >= 0 && value <= 100) state.volume = value;
        if (name == "muto" && (value == 0 || value == 1)) state.muted = value == 1;
    }
    return state;
}

bool writeListeningState(const QString& path, const ListeningState& state) {
    return saveWholeFile(path, QByteArrayLiteral("volume=") + QByteArray::number(state.volume) +
                                   QByteArrayLiteral("\nmuto=") + QByteArray::number(int(state.muted)) +
                                   '\n');
}
