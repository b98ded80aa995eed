#include "mounttable.h"

#include <QFile>

namespace {

// Blanks, tabs, new lines and backslashes of a mount point stand as "\" and three octal digits.
QByteArray unescaped(QByteArrayView field) {
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool octal = false;
        const int code = i + 3 < field.size() && field[i] == '\\'
                             ? field.sliced(i + 1, 3).toByteArray().toInt(&octal, 8)
                             : 0;
        if (octal) {
            bytes.append(char(code));
            i += 3;
        } else {
            bytes.append(field[i]);
        }
    }
    return bytes;
}

}  // namespace

// A line: id, parent id, device, root, mount point, options, optional fields, "-", type, source, options.
std::vector<Mount> parseMountInfo(QByteArrayView text) {
    std::vector<Mount> mounts;
    for (const QByteArray& line : text.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf(QByteArrayLiteral("-"));
        if (fields.size() < 5 || separator < 6 || separator + 1 >= fields.size()) continue;
        mounts.push_back({QFile::decodeName(unescaped(fields[4])), fields[separator + 1]});
    }
    return mounts;
}

std::vector<Mount> mountsOfThisProcess() {
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly)) return {};
    return parseMountInfo(table.readAll());
}
