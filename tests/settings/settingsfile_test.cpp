#include "settingsfile.h"
#include "filesizelimit.h"
#include "settingscodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

SettingsRecord sample() {
    SettingsRecord record;
    record.currentListFile = QStringLiteral("/srv/liste/Jazz.zbl");
    record.random = true;
    record.main = {600, 450};
    record.formats = {{QStringLiteral("mp3"), true}, {QStringLiteral("ogg"), false}};
    return record;
}

}  // namespace

TEST(SettingsFile, MissingFileIsCreatedEmptyAndGivesTheDefaults) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ZEBcfg.dat"));
    EXPECT_EQ(LeggiConfig(path), SettingsRecord{});
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(contentOf(path).isEmpty());
}

TEST(SettingsFile, WrittenRecordReadsBackAndTheOldTailStays) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ZEBcfg.dat"));
    const QByteArray tail(30 * 128, char(0x5A));
    writeFile(path, tail);
    ASSERT_TRUE(SalvaConfig(path, sample()));
    EXPECT_EQ(LeggiConfig(path), sample());
    const QByteArray written = contentOf(path);
    ASSERT_EQ(written.size(), tail.size());
    EXPECT_EQ(written.mid(14 * 128), tail.mid(14 * 128));
}

TEST(SettingsFile, AFullDiskLeavesTheOldFileAsItWas) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ZEBcfg.dat"));
    ASSERT_TRUE(SalvaConfig(path, sample()));
    const QByteArray before = contentOf(path);
    SettingsRecord longer = sample();
    longer.formats.assign(20, {QStringLiteral("mp3"), true});
    {
        const FileSizeLimit diskFull(before.size());
        EXPECT_FALSE(SalvaConfig(path, longer));
    }
    EXPECT_EQ(contentOf(path), before);
}

TEST(SettingsFile, UnreadableOrUnwritablePlaces) {
    QTemporaryDir folder;
    // A folder where the file should be: nothing to read, nothing written.
    const QString folderInTheWay = folder.filePath(QStringLiteral("ZEBcfg.dat"));
    ASSERT_TRUE(QDir().mkpath(folderInTheWay));
    EXPECT_EQ(LeggiConfig(folderInTheWay), SettingsRecord{});
    EXPECT_FALSE(SalvaConfig(folderInTheWay, sample()));

    // A FIFO reads as an empty file at once, where opening it would wait for a writer for ever.
    const QString fifo = folder.filePath(QStringLiteral("tubo.dat"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(LeggiConfig(fifo), SettingsRecord{});

    // A regular file where the folder should be.
    const QString fileInTheWay = folder.filePath(QStringLiteral("plain"));
    writeFile(fileInTheWay, "x");
    EXPECT_FALSE(SalvaConfig(fileInTheWay + QStringLiteral("/ZEBcfg.dat"), sample()));
    EXPECT_EQ(contentOf(fileInTheWay), QByteArray("x"));

    // A configuration folder that does not exist yet is made.
    const QString nested = folder.filePath(QStringLiteral("config/zeb/ZEBcfg.dat"));
    EXPECT_TRUE(SalvaConfig(nested, sample()));
    EXPECT_EQ(LeggiConfig(nested), sample());
}

TEST(SettingsFile, LivesInTheProgramFolderWhenItIsWritable) {
    QTemporaryDir folder;
    EXPECT_EQ(settingsFilePath(folder.path()), folder.filePath(QStringLiteral("ZEBcfg.dat")));
    const QString missing = folder.filePath(QStringLiteral("not-there"));
    EXPECT_EQ(settingsFilePath(missing),
              QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                  .filePath(QStringLiteral("ZEBcfg.dat")));
}

namespace {

// XDG_CONFIG_HOME and XDG_CONFIG_DIRS pointed into a folder of the test's, the way a desktop session
// sets them, and set back afterwards.
class XdgFolders {
public:
    explicit XdgFolders(const QTemporaryDir& root)
        : m_home(qgetenv("XDG_CONFIG_HOME")), m_dirs(qgetenv("XDG_CONFIG_DIRS")) {
        QCoreApplication::setApplicationName(QStringLiteral("zeb"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("site")) + u':' +
                                                     root.filePath(QStringLiteral("xdg"))));
    }
    ~XdgFolders() {
        qputenv("XDG_CONFIG_HOME", m_home);
        qputenv("XDG_CONFIG_DIRS", m_dirs);
        QCoreApplication::setApplicationName(QString());
    }

private:
    QByteArray m_home;
    QByteArray m_dirs;
};

SettingsRecord systemDefaults() {
    SettingsRecord record;
    record.formats = {{QStringLiteral("mp3"), true}, {QStringLiteral("mkv"), true}};
    return record;
}

}  // namespace

// Where the settings file is missing decides what a first start gets: the system-wide defaults of the
// second XDG configuration folder (the first has none) only in the user's own configuration folder.
TEST(SettingsFile, AMissingFileOfTheUserStartsFromTheSystemDefaults) {
    struct Case {
        const char* name;
        bool inProgramFolder;
        bool systemDefaults;
        bool userFile;
        SettingsRecord expected;
    };
    const Case cases[] = {
        {"new user", false, true, false, systemDefaults()},
        {"new user, no system defaults", false, false, false, SettingsRecord{}},
        {"user with settings", false, true, true, sample()},
        {"program folder", true, true, false, SettingsRecord{}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        QTemporaryDir root;
        const XdgFolders xdg(root);
        if (test.systemDefaults) {
            ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("xdg/zeb"))));
            writeFile(root.filePath(QStringLiteral("xdg/zeb/ZEBcfg.dat")),
                      encodeSettings(systemDefaults(), {}));
        }
        const QString path = test.inProgramFolder ? root.filePath(QStringLiteral("ZEBcfg.dat"))
                                                  : root.filePath(QStringLiteral("home/zeb/ZEBcfg.dat"));
        if (test.userFile) {
            ASSERT_TRUE(SalvaConfig(path, sample()));
        }

        EXPECT_EQ(LeggiConfig(path), test.expected);
        // The copy is the user's own from now on: what the first read made, a second read finds.
        EXPECT_EQ(decodeSettings(contentOf(path)), test.expected);
    }
}
