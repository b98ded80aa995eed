#include "openedpaths.h"
#include "qtprinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(OpenedPaths, FilesFoldersListFilesAndPathsThatLeadNowhere) {
    QTemporaryDir root;
    const QDir folder(root.path());
    folder.mkpath(QStringLiteral("Album/Sotto"));
    for (const char* name : {"Album/b.mp3", "Album/A.MP3", "Album/c.ogg", "Album/.d.mp3", "Album/Sotto/e.mp3",
                             "Film.avi", "LISTA.ZBL"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto at = [&](const char* name) { return folder.filePath(QString::fromUtf8(name)); };

    const OpenedPaths opened = sortOutPaths(
        {at("Film.avi"), at("nowhere.mp3"), at("Album"), at("LISTA.ZBL"), at("Film.avi"), at("Vuota")},
        WildcardPattern(QStringLiteral("*.mp3")));

    std::vector<std::tuple<QString, QString, bool>> files;
    for (const OpenedPaths::File& file : opened.files)
        files.emplace_back(file.track.displayName, file.track.path, file.inFolder);
    // The folder gives what the browser lists in it, in its order: hidden files and subfolders left out.
    EXPECT_EQ(files, (std::vector<std::tuple<QString, QString, bool>>{
                         {QStringLiteral("Film"), at("Film.avi"), false},
                         {QStringLiteral("A"), at("Album/A.MP3"), true},
                         {QStringLiteral("b"), at("Album/b.mp3"), true},
                         {QStringLiteral("Film"), at("Film.avi"), false}}));
    EXPECT_EQ(opened.listFiles, QStringList{at("LISTA.ZBL")});
    EXPECT_EQ(opened.missing, (QStringList{at("nowhere.mp3"), at("Vuota")}));
}
