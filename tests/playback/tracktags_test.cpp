#include "tracktags.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

// Whatever the case of their names, as each format has its own; other tags are left out.
TEST(TrackTags, TitleArtistAndAlbumAreFoundWhateverTheCaseOfTheirNames) {
    const struct {
        const char* what;
        QMap<QString, QString> metadata;
        TrackTags tags;
    } cases[] = {
        {"no tags", {}, {}},
        {"an MP3's names",
         {{QStringLiteral("title"), QStringLiteral("Alba")},
          {QStringLiteral("artist"), QStringLiteral("Coro")},
          {QStringLiteral("album"), QStringLiteral("Canti")}},
         {QStringLiteral("Alba"), QStringLiteral("Coro"), QStringLiteral("Canti")}},
        {"an Ogg file's names",
         {{QStringLiteral("TITLE"), QStringLiteral("Alba")},
          {QStringLiteral("ARTIST"), QStringLiteral("Coro")}},
         {QStringLiteral("Alba"), QStringLiteral("Coro"), {}}},
        {"names of mixed case, texts with spaces around",
         {{QStringLiteral("Title"), QStringLiteral(" Alba ")},
          {QStringLiteral("Album"), QStringLiteral("Canti\n")}},
         {QStringLiteral("Alba"), {}, QStringLiteral("Canti")}},
        {"other tags only",
         {{QStringLiteral("album_artist"), QStringLiteral("Coro")},
          {QStringLiteral("encoder"), QStringLiteral("x")}},
         {}},
    };
    for (const auto& row : cases) {
        const TrackTags tags = TrackTags::fromMetadata(row.metadata);
        EXPECT_EQ(tags.title, row.tags.title) << row.what;
        EXPECT_EQ(tags.artist, row.tags.artist) << row.what;
        EXPECT_EQ(tags.album, row.tags.album) << row.what;
    }
}
