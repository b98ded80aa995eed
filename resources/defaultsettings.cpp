// Writes the system-wide settings file that an installed ZEB's new users start from: the settings of an
// empty file, with the common formats ticked. lac, pus, ebm and iff stand for flac, opus, webm and
// aiff, whose last three letters they are.
#include "settingscodec.h"

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    SettingsRecord record;
    for (const char* extension :
         {"mp3", "wav", "ogg", "wma", "m4a", "aac", "lac", "pus", "mka", "iff", "aif", "avi", "mp4", "mkv",
          "mov", "mpg", "peg", "ebm", "wmv", "m4v"})
        record.formats.push_back({QString::fromLatin1(extension), true});
    QFile file(QFile::decodeName(argv[1]));
    return file.open(QIODevice::WriteOnly) && file.write(encodeSettings(record, {})) > 0 ? 0 : 1;
}
