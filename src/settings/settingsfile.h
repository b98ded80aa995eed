#pragma once

#include "settingsrecord.h"

// ZEBcfg.dat lives in the program's own folder when that folder is writable, otherwise, and always for
// an installed program, in the user's configuration folder for ZEB. Reading and writing both go by
// this one rule.
QString settingsFilePath(const QString& programFolder);

// Where the browser starts: the program's folder for a ZEB that keeps its settings beside itself, as the
// Windows program did; for one installed, or in a folder it cannot write, the user's music folder.
QString browserStartFolder(const QString& programFolder, const QString& settingsPath);

// Reads the settings file. A file that is missing is created empty, as the Windows program does, except
// in the user's configuration folder, where it starts as a copy of the system-wide ZEBcfg.dat found
// through XDG_CONFIG_DIRS (/etc/xdg/zeb), when there is one. A file that cannot be read gives the record
// of an empty file.
SettingsRecord LeggiConfig(const QString& path);

// Writes the record over the file's old bytes and replaces the file atomically, so that it is never
// left half-written. False when the file could not be written; the old file then stays as it was.
bool SalvaConfig(const QString& path, const SettingsRecord& record);
