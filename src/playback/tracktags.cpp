#include "tracktags.h"

namespace {

QString tag(const QMap<QString, QString>& metadata, QLatin1StringView name) {
    for (auto entry = metadata.cbegin(); entry != metadata.cend(); ++entry) {
        if (entry.key().compare(name, Qt::CaseInsensitive) == 0) return entry.value().trimmed();
    }
    return {};
}

}  // namespace

TrackTags TrackTags::fromMetadata(const QMap<QString, QString>& metadata) {
    return {tag(metadata, QLatin1StringView("title")), tag(metadata, QLatin1StringView("artist")),
            tag(metadata, QLatin1StringView("album"))};
}
