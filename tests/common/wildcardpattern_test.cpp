#include "wildcardpattern.h"

#include <gtest/gtest.h>

TEST(WildcardPattern, MatchesNamesAsTheFileListShowsThem) {
    struct Case {
        const char* pattern;
        const char* name;
        bool listed;
    };
    const Case cases[] = {
        {"*.mp3", "Canzone.mp3", true},
        {"*.mp3", "Canzone.MP3", true},
        {"*.MP3", "canzone.mp3", true},
        {"*.mp3", "Canzone.mp3.txt", false},
        {"*.mp3", "Canzone.mp", false},
        {"*.mp3", "mp3", false},
        {"*.mp3", ".mp3", true},
        {"*.gz", "archivio.tar.gz", true},
        {"*.tar", "archivio.tar.gz", false},
        {"*.mp3;*.wav", "Suono.wav", true},
        {"*.mp3;*.wav", "Suono.ogg", false},
        {"*.ogg;*.mp3;*.wav", "Suono.OGG", true},
        {"*.", "LEGGIMI", true},
        {"*.", "leggimi.txt", false},
        {"*.", "file.", false},
        {"*.mp3;*.", "Senza estensione", true},
        {"?.mp3", "a.mp3", true},
        {"?.mp3", "ab.mp3", false},
        {"*.m?3", "Canzone.mP3", true},
        {"*.m?3", "Canzone.m33", true},
        {"*.m?3", "Canzone.mp4", false},
        {"*a*b*.mp3", "xaxxbx.mp3", true},
        {"*a*b*.mp3", "xbxxax.mp3", false},
        {"brano*", "Brano 1.wav", true},
        {"*", "qualunque.nome", true},
        {"*.ÀÉ3", "canzone.àé3", true},
        {"", "Canzone.mp3", false},
        {";;*.mp3;", "Canzone.mp3", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WildcardPattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.name)), c.listed)
            << c.pattern << " / " << c.name;
    }
}
