#pragma once

#include <QString>

#include <optional>

// Launchers, file managers and media panels name files by address: "file:///home/u/a%20b.mp3".

// Whether the text is an address ("scheme://…", or "file:/…") rather than a path.
bool isUri(const QString& text);

// The path of a local file's address: a "file:" address of an absolute path, with no host or with
// "localhost", percent-decoded. Nothing for an address of any other scheme or host.
std::optional<QString> localPathOfUri(const QString& uri);
