#include "listfile.h"

#include "entrylimit.h"
#include "regularfile.h"
#include "savefile.h"
#include "textcodec.h"

namespace {

const QString kHeader = QStringLiteral("Lista ZEB");
// The header line is judged from the file's first bytes, before anything else is read.
constexpr qint64 kHeaderBytes = 64;
// The longest a list file can be: a header, a count, and the names and paths of the most tracks it
// holds, of at most 4,096 bytes each, with their line ends.
constexpr qint64 kMaxListFileBytes = kHeaderBytes + 2 * qint64(kMaxEntries) * (4096 + 2);

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

// Whether the bytes begin with the header line. This looks at the first line alone, which cannot tell
// UTF-8 from Windows-1252 the way the whole file does: the decoder has the last word.
bool beginsWithHeader(const QByteArray& start) {
    const qsizetype end = start.indexOf('\r');
    return decodeText(QByteArrayView(start).first(end < 0 ? start.size() : end))
               .compare(kHeader, Qt::CaseInsensitive) == 0;
}

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
    if (!isNumber || count > kMaxEntries) return std::nullopt;

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
    RegularFile file(path);
    if (!file.isOpen() || file.size() > kMaxListFileBytes) return std::nullopt;
    QByteArray bytes = file.read(kHeaderBytes);
    if (!beginsWithHeader(bytes)) return std::nullopt;
    // The file may have grown since its size was taken.
    bytes += file.read(kMaxListFileBytes + 1 - bytes.size());
    if (bytes.size() > kMaxListFileBytes) return std::nullopt;
    return decodeListFile(bytes);
}

bool writeListFile(const QString& path, const std::vector<Track>& tracks) {
    return saveWholeFile(path, encodeListFile(tracks));
}
