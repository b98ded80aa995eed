// The buttons' operations act on the selected entry and leave selected the entry the rules give; with
// nothing selected they change nothing.
#include "listfilesession.h"
#include "playlisteditor.h"
#include "playlistmodel.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

Track track(QChar name) {
    return {QString(name), QStringLiteral("/musica/%1.mp3").arg(name)};
}

QString names(const PlaylistModel& playlist) {
    QString shown;
    for (const Track& entry : playlist.tracks()) shown += entry.displayName;
    return shown;
}

}  // namespace

TEST(PlaylistEditor, EachOperationSelectsTheEntryTheRulesGive) {
    const struct {
        const char* what;
        int selected;
        std::function<void(PlaylistEditor&)> act;
        QString after;
        int selectedAfter;
    } cases[] = {
        {"remove the middle: the one above", 1, &PlaylistEditor::removeSelected, QStringLiteral("AC"), 0},
        {"remove the first: the one moved up", 0, &PlaylistEditor::removeSelected, QStringLiteral("BC"), 0},
        {"remove with none selected", -1, &PlaylistEditor::removeSelected, QStringLiteral("ABC"), -1},
        {"up", 2, &PlaylistEditor::moveSelectedUp, QStringLiteral("ACB"), 1},
        {"up from the top", 0, &PlaylistEditor::moveSelectedUp, QStringLiteral("ABC"), 0},
        {"down", 0, &PlaylistEditor::moveSelectedDown, QStringLiteral("BAC"), 1},
        {"down from the bottom", 2, &PlaylistEditor::moveSelectedDown, QStringLiteral("ABC"), 2},
        {"dragged to the end", 0, [](PlaylistEditor& e) { e.move(0, 3); }, QStringLiteral("BCA"), 2},
        {"dragged before the first", 2, [](PlaylistEditor& e) { e.move(2, 0); }, QStringLiteral("CAB"), 0},
        {"a file added again goes to the end", 1, [](PlaylistEditor& e) { e.add({track(u'A')}); },
         QStringLiteral("BCA"), -1},
        {"a new list", 1, &PlaylistEditor::beginNewList, QString(), -1},
    };
    for (const auto& c : cases) {
        PlaylistModel playlist;
        ListFileSession listFiles(playlist);
        PlaylistEditor editor(playlist, listFiles);
        playlist.add({track(u'A'), track(u'B'), track(u'C')});
        if (c.selected >= 0) editor.selection().select(playlist.index(c.selected), QItemSelectionModel::Select);
        std::vector<int> told;
        QObject::connect(&editor, &PlaylistEditor::entrySelected, [&told](int row) { told.push_back(row); });
        c.act(editor);
        EXPECT_EQ(names(playlist), c.after) << c.what;
        EXPECT_EQ(editor.selected(), c.selectedAfter) << c.what;
        if (c.selectedAfter >= 0 && c.selectedAfter != c.selected) {
            ASSERT_FALSE(told.empty()) << c.what;
            EXPECT_EQ(told.back(), c.selectedAfter) << c.what;
        }
    }
}

TEST(PlaylistEditor, AnAddPastTheLimitAddsWhatFitsAndSaysSo) {
    PlaylistModel playlist;
    ListFileSession listFiles(playlist);
    PlaylistEditor editor(playlist, listFiles);
    std::vector<Track> many;
    for (int i = 0; i < kMaxEntries + 2; ++i) {
        many.push_back({QString::number(i), QStringLiteral("/m/%1.mp3").arg(i)});
    }
    std::vector<std::pair<qsizetype, qsizetype>> told;
    QObject::connect(&editor, &PlaylistEditor::notAllAdded,
                     [&told](qsizetype offered, qsizetype added) { told.emplace_back(offered, added); });
    editor.add({many.begin(), many.begin() + 2});
    EXPECT_TRUE(told.empty());
    editor.add(many);
    ASSERT_EQ(told.size(), 1u);
    // The two already there are repeats, which leave their old place: the list ends with the first that fit.
    EXPECT_EQ(told[0], std::make_pair(qsizetype(many.size()), qsizetype(kMaxEntries)));
    EXPECT_EQ(playlist.tracks().front().path, QStringLiteral("/m/0.mp3"));
    EXPECT_EQ(playlist.rowCount(), kMaxEntries);
}
