#include "fileuri.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

bool isUri(const QString& text) {
    static const QRegularExpression address(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*://|file:/)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return address.match(text).hasMatch();
}

std::optional<QString> localPathOfUri(const QString& uri) {
    const QUrl url(uri);
    const QString host = url.host();
    if (!url.isValid() || url.scheme().compare(QStringLiteral("file"), Qt::CaseInsensitive) != 0 ||
        !(host.isEmpty() || host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0))
        return std::nullopt;
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(QLatin1Char('/'))) return std::nullopt;
    return QDir::cleanPath(path);
}
