#include "paths.h"

QStringList folderChain(const QString& root, const QString& folder) {
    if (!isWithin(folder, root)) return {folder};
    QStringList chain = {root};
    const QStringList below =
        QStringView(folder).mid(root.size()).toString().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& name : below) chain.append(joinPath(chain.last(), name));
    return chain;
}
