#include "settingssession.h"
#include "listeningstate.h"
#include "settingsfile.h"
#include "waituntil.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

std::optional<SettingsSession::Outcome> saveAndWait(SettingsSession& session, const QString& list,
                                                    const ListeningState& listening = {}) {
    std::optional<SettingsSession::Outcome> outcome;
    QObject::connect(&session, &SettingsSession::saved, &session,
                     [&outcome](SettingsSession::Outcome saved) { outcome = saved; });
    SettingsRecord record;
    record.currentListFile = list;
    session.save(record, listening);
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

    EXPECT_EQ(saveAndWait(second, QStringLiteral("/second.zbl"), {10, true}),
              SettingsSession::Outcome::HeldByAnother);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(second.readListening(), ListeningState());
    EXPECT_EQ(saveAndWait(*first, QStringLiteral("/first.zbl"), {30, true}),
              SettingsSession::Outcome::Written);
    EXPECT_EQ(LeggiConfig(path).currentListFile, QStringLiteral("/first.zbl"));
    EXPECT_EQ(SettingsSession(path).readListening(), (ListeningState{30, true}));

    first.reset();
    EXPECT_EQ(saveAndWait(second, QStringLiteral("/second.zbl"), {10, false}),
              SettingsSession::Outcome::HeldByAnother);
    EXPECT_EQ(LeggiConfig(path).currentListFile, QStringLiteral("/first.zbl"));
    EXPECT_EQ(second.readListening(), (ListeningState{30, true}));
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

// The state file is the program's own: whatever is wrong in it gives the start values, line by line.
TEST(ListeningState, WhatCannotBeReadGivesTheStartValues) {
    QTemporaryDir folder;
    const QString path = listeningStatePath(QDir(folder.path()).filePath(QStringLiteral("ZEBcfg.dat")));
    EXPECT_EQ(readListeningState(path), ListeningState());
    const struct {
        const char* text;
        ListeningState read;
    } cases[] = {
        {"volume=30\nmuto=1\n", {30, true}},
        {"muto=1\r\nvolume=0", {0, true}},
        {"volume=101\nmuto=2\n", {}},
        {"volume=-1\nmuto=\n", {}},
        {"\xff\xfe", {}},
        {"volume = 55", {55, false}},
    };
    for (const auto& row : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.text);
        file.close();
        EXPECT_EQ(readListeningState(path), row.read) << row.text;
    }
    ASSERT_TRUE(writeListeningState(path, {7, true}));
    EXPECT_EQ(readListeningState(path), (ListeningState{7, true}));
}
