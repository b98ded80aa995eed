#include "settingssession.h"
#include "settingsfile.h"
#include "waituntil.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

std::optional<SettingsSession::Outcome> saveAndWait(SettingsSession& session, const QString& list) {
    std::optional<SettingsSession::Outcome> outcome;
    QObject::connect(&session, &SettingsSession::saved, &session,
                     [&outcome](SettingsSession::Outcome saved) { outcome = saved; });
    SettingsRecord record;
    record.currentListFile = list;
    session.save(record);
    waitUntil([&outcome] { return outcome.has_value(); });
    return outcome;
}

}  // namespace

// Two ZEBs started at once: only the first writes the settings, and the second never does, not even once
// the first has gone: it would put back the record it read before the first saved.
TEST(SettingsSession, OnlyTheSessionThatClaimedTheFileWritesIt) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("ZEBcfg.dat"));
    auto first = std::make_unique<SettingsSession>(path);
    SettingsSession second(path);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()) << "the lock file is hidden";

    EXPECT_EQ(saveAndWait(second, QStringLiteral("/second.zbl")), SettingsSession::Outcome::HeldByAnother);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(saveAndWait(*first, QStringLiteral("/first.zbl")), SettingsSession::Outcome::Written);
    EXPECT_EQ(LeggiConfig(path).currentListFile, QStringLiteral("/first.zbl"));

    first.reset();
    EXPECT_EQ(saveAndWait(second, QStringLiteral("/second.zbl")), SettingsSession::Outcome::HeldByAnother);
    EXPECT_EQ(LeggiConfig(path).currentListFile, QStringLiteral("/first.zbl"));
    SettingsSession third(path);
    EXPECT_EQ(saveAndWait(third, QStringLiteral("/third.zbl")), SettingsSession::Outcome::Written);
}

TEST(SettingsSession, TheFolderOfTheSettingsIsMadeForTheLock) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("config/zeb/ZEBcfg.dat"));
    SettingsSession session(path);
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("config/zeb/.ZEBcfg.dat.lock"))));
    EXPECT_EQ(saveAndWait(session, QStringLiteral("/a.zbl")), SettingsSession::Outcome::Written);
}
