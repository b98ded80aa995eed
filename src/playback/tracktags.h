#pragma once

#include <QMap>
#include <QString>

// What a file's tags say of it, as far as the desktop's media controls show it; empty where untagged.
struct TrackTags {
    QString title;
    QString artist;
    QString album;

    // From the tags as the player reads them: the case of the names varies with the format ("title" in an
    // MP3, "TITLE" in an Ogg file).
    static TrackTags fromMetadata(const QMap<QString, QString>& metadata);

    bool operator==(const TrackTags&) const = default;
};
