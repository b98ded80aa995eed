#include "listfile.h"

#include "savefile.h"
#include "textcodec.h"

#include <QFile>

namespace {

const QString kHeader = QStringLiteral("Lista ZEB");
constexpr int kMaxTracks = 32767;

// The lines of the text, each without its terminator; a last line without one counts too.
class Lines {
public:
    explicit Lines(QStringView text) : m_text(text) {}

    std::optional<QStringView> next() {
        if (m_at >= m_text.size()) return std::nullopt;
        const qsizetype end = m_text.indexOf(QLatin1Char('\r'), m_at);
        const qsizetype stop = end < 0 ? m_text.size() : end;
        const QStringView line = m_text.mid(m_at, stop - m_at);
        m_at = stop + 1;
        if (end >= 0 && m_at < m_text.size() && m_text[m_at] == QLatin1Char('\n')) ++m_at;
        return line;
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

}  // namespace

QByteArray encodeListFile(const std::vector<Track>& tracks) {
    QString text = kHeader + QStringLiteral("\r\n %1 \r\n").arg(tracks.size());
    for (const Track& track : tracks) text += track.displayName + QStringLiteral("\r\n");
    for (const Track& track : tracks) text += track.path + QStringLiteral("\r\n");
    return encodeText(text);
}

std::optional<std::vector<Track>> decodeListFile(QByteArrayView bytes) {
    const QString text = decodeText(bytes);
    Lines lines(text);
    const std::optional<QStringView> header = lines.next();
    if (!header || header->compare(kHeader, Qt::CaseInsensitive) != 0) return std::nullopt;
    const std::optional<QStringView> countLine = lines.next();
    if (!countLine) return std::nullopt;
    bool isNumber = false;
    const int count = countLine->trimmed().toInt(&isNumber);
    if (!isNumber || count > kMaxTracks) return std::nullopt;

    std::vector<Track> tracks(size_t(std::max(count, 0)));
    for (Track& track : tracks) {
        const std::optional<QStringView> name = lines.next();
        if (!name) return std::nullopt;
        track.displayName = name->toString();
    }
    for (Track& track : tracks) {
        const std::optional<QStringView> path = lines.next();
        if (!path) return std::nullopt;
        track.path = path->toString();
    }
    return tracks;
}

std::optional<std::vector<Track>> readListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return decodeListFile(file.readAll());
}

bool writeListFile(const QString& path, const std::vector<Track>& tracks) {
    return saveWholeFile(path, encodeListFile(tracks));
}
