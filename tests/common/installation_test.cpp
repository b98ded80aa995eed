#include "installation.h"
#include "musicfolder.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

// An installed program keeps its settings in the user's configuration folder, even when it may write
// to its own folder (as root may).
TEST(Installation, AnInstalledProgramFindsItsModuleAndKeepsItsSettingsWithTheUser) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    touch(prefix.filePath(QStringLiteral("lib/zeb/modulo.so")));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_TRUE(isInstalled(bin));
    EXPECT_EQ(playerModuleFolder(bin), prefix.filePath(QStringLiteral("lib/zeb")));
    EXPECT_EQ(settingsFilePath(bin), QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                                         .filePath(QStringLiteral("ZEBcfg.dat")));
    EXPECT_EQ(browserStartFolder(bin, settingsFilePath(bin)), musicFolder()) << "not the folder of programs";

    // A copy with its module beside it runs from its own folder.
    touch(prefix.filePath(QStringLiteral("bin/modulo.so")));
    EXPECT_FALSE(isInstalled(bin));
    EXPECT_EQ(playerModuleFolder(bin), bin);
    EXPECT_EQ(settingsFilePath(bin), prefix.filePath(QStringLiteral("bin/ZEBcfg.dat")));
    EXPECT_EQ(browserStartFolder(bin, settingsFilePath(bin)), bin);
}
