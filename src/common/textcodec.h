#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Texts in ZEB's files are 8-bit. Files written here are UTF-8; files from the Windows program are in
// Windows-1252. Bytes that are valid UTF-8 read as UTF-8, anything else as Windows-1252.
QString decodeText(QByteArrayView bytes);
QByteArray encodeText(const QString& text);
