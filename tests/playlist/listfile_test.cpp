#include "listfile.h"
#include "entrylimit.h"
#include "filesizelimit.h"
#include "qtprinting.h"
#include "testmount.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>

namespace {

const std::vector<Track> kAlbaTramonto = {
    {QStringLiteral("Alba"), QStringLiteral("C:\\Musica\\Alba.mp3")},
    {QStringLiteral("Tramonto"), QStringLiteral("C:\\Musica\\Tramonto.wma")}};

std::vector<Track> tracks(std::initializer_list<std::pair<const char*, const char*>> entries) {
    std::vector<Track> result;
    for (const auto& [name, path] : entries)
        result.push_back({QString::fromUtf8(name), QString::fromUtf8(path)});
    return result;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(ListFile, TheTwoTrackExampleIsSeventySixBytesAndReadsBack) {
    const QByteArray expected =
        "Lista ZEB\r\n 2 \r\nAlba\r\nTramonto\r\nC:\\Musica\\Alba.mp3\r\nC:\\Musica\\Tramonto.wma\r\n";
    const QByteArray written = encodeListFile(kAlbaTramonto);
    EXPECT_EQ(written.size(), 76);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(decodeListFile(written), kAlbaTramonto);
    EXPECT_EQ(encodeListFile({}), QByteArray("Lista ZEB\r\n 0 \r\n"));
}

TEST(ListFile, ReaderAcceptsWhatTheFormatAllows) {
    const std::vector<Track> one = tracks({{"Alba", "/m/Alba.mp3"}});
    struct Case {
        const char* what;
        QByteArray bytes;
        std::vector<Track> tracks;
    };
    const Case cases[] = {
        {"header in capitals", "LISTA ZEB\r\n 1 \r\nAlba\r\n/m/Alba.mp3\r\n", one},
        {"header in small letters", "lista zeb\r\n 1 \r\nAlba\r\n/m/Alba.mp3\r\n", one},
        {"count without blanks", "Lista ZEB\r\n1\r\nAlba\r\n/m/Alba.mp3\r\n", one},
        {"lone carriage returns", "Lista ZEB\r 1 \rAlba\r/m/Alba.mp3\r", one},
        {"no terminator on the last line", "Lista ZEB\r\n 1 \r\nAlba\r\n/m/Alba.mp3", one},
        {"lines after the last path", "Lista ZEB\r\n 1 \r\nAlba\r\n/m/Alba.mp3\r\nresto\r\n\r\n", one},
        {"count of zero", "Lista ZEB\r\n 0 \r\n", {}},
        {"count below zero", "Lista ZEB\r\n -2 \r\nAlba\r\n", {}},
        {"a lone line feed stays in the value", "Lista ZEB\r\n 1 \r\nAl\nba\r\n/m/Alba.mp3\r\n",
         tracks({{"Al\nba", "/m/Alba.mp3"}})},
        {"Windows-1252", "Lista ZEB\r\n 1 \r\nCaff\xe8\r\nC:\\Musica\\Caff\xe8.mp3\r\n",
         tracks({{"Caffè", "C:\\Musica\\Caffè.mp3"}})},
        {"UTF-8", "Lista ZEB\r\n 1 \r\nCaff\xc3\xa8\r\n/m/Caff\xc3\xa8.mp3\r\n",
         tracks({{"Caffè", "/m/Caffè.mp3"}})},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeListFile(c.bytes), c.tracks) << c.what;
}

TEST(ListFile, ReaderRefusesWhatIsNotAListFile) {
    const QByteArray cases[] = {
        "",
        "\r\n 0 \r\n",
        "Lista ZEB \r\n 0 \r\n",
        "Lista\r\n 0 \r\n",
        "Lista ZEB\r\n",
        "Lista ZEB\r\ntre\r\n",
        "Lista ZEB\r\n\r\n",
        "Lista ZEB\r\n 2x \r\n",
        "Lista ZEB\r\n " + QByteArray::number(kMaxEntries + 1) + " \r\n",
        "Lista ZEB\n 0 \n",
        "Lista ZEB\r\n 2 \r\nAlba\r\nTramonto\r\n/m/Alba.mp3\r\n",
        "Lista ZEB\r\n 2 \r\nAlba\r\n",
    };
    for (const QByteArray& bytes : cases) EXPECT_FALSE(decodeListFile(bytes)) << bytes.toStdString();
    EXPECT_FALSE(readListFile(QStringLiteral("/non/esiste.zbl")));
}

TEST(ListFile, ACountAbove32767IsNoListFileEvenWithTheLinesItNeeds) {
    const auto fileOf = [](int count) {
        QByteArray bytes = "Lista ZEB\r\n " + QByteArray::number(count) + " \r\n";
        for (int line = 0; line < 2 * count; ++line) bytes += "x\r\n";
        return bytes;
    };
    // The bound as a number: it belongs to the format of list files, so it may not change.
    EXPECT_EQ(decodeListFile(fileOf(32767))->size(), size_t(kMaxEntries));
    EXPECT_FALSE(decodeListFile(fileOf(kMaxEntries + 1)));
}

// A list file named by mistake may be anything: each case ends at once, without reading what it holds.
TEST(ListFile, ReadingTakesNoMoreThanAListFileCanHold) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("tubo.zbl"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto sparseFile = [&](const char* name, qint64 size) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Lista ZEB\r\n 0 \r\n");
        EXPECT_TRUE(file.resize(size));
        return file.fileName();
    };
    const qint64 longest = 64 + 2 * qint64(kMaxEntries) * (4096 + 2);
    for (const QString& path :
         {fifo, QStringLiteral("/dev/zero"), folder.path(), sparseFile("film.zbl", qint64(3) << 30),
          sparseFile("troppo.zbl", longest + 1)}) {
        EXPECT_FALSE(readListFile(path)) << path.toStdString();
    }
}

// Whatever a playlist holds (a line break only as a lone line feed), its file reads back the same.
TEST(ListFile, EveryPlaylistReadsBackAsItWasWritten) {
    std::mt19937 random(7);
    const QString characters = QStringLiteral("aZ 09.-_\\/\tèÈ€ß\n日本") + QChar(0xD83C) + QChar(0xDFB5);
    for (int round = 0; round < 200; ++round) {
        std::vector<Track> list(random() % 6);
        for (Track& track : list) {
            for (int i = int(random() % 12); i > 0; --i)
                track.displayName += characters[int(random() % characters.size())];
            track.path = QStringLiteral("/m/") + track.displayName + QStringLiteral(".mp3");
        }
        // A surrogate pair cut in two is no text at all.
        for (Track& track : list) track.displayName = QString::fromUtf8(track.displayName.toUtf8());
        for (Track& track : list) track.path = QString::fromUtf8(track.path.toUtf8());
        ASSERT_EQ(decodeListFile(encodeListFile(list)), list) << "round " << round;
    }
}

// A folder that takes no new file, as a share can be: the list file there is written in place.
TEST(ListFile, AWritableListFileInAFolderThatTakesNoNewFileIsSavedInPlace) {
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount share;
    ASSERT_TRUE(writeListFile(share.backing(QStringLiteral("Rock.zbl")), {}));
    share.setRules(R"([{"path": "/", "op": "create", "errno": "EACCES"}])");
    EXPECT_TRUE(writeListFile(share.path(QStringLiteral("Rock.zbl")), kAlbaTramonto));
    EXPECT_EQ(contentOf(share.backing(QStringLiteral("Rock.zbl"))), encodeListFile(kAlbaTramonto));
    EXPECT_FALSE(writeListFile(share.path(QStringLiteral("Jazz.zbl")), kAlbaTramonto));
}

TEST(ListFile, AFailedWriteLeavesTheOldFileByteForByte) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Rock.zbl"));
    ASSERT_TRUE(writeListFile(path, kAlbaTramonto));
    const QByteArray before = contentOf(path);

    {
        const FileSizeLimit diskFull(1024);
        EXPECT_FALSE(writeListFile(path, std::vector<Track>(500, kAlbaTramonto[0])));
    }
    EXPECT_EQ(contentOf(path), before);
    EXPECT_FALSE(writeListFile(folder.filePath(QStringLiteral("manca/Rock.zbl")), kAlbaTramonto));

    // A longer old file leaves nothing of itself behind.
    ASSERT_TRUE(writeListFile(path, {}));
    EXPECT_EQ(contentOf(path), encodeListFile({}));
}
