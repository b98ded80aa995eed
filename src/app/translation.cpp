#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installItalianTranslation() {
    static QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}
