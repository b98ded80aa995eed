#pragma once

#include <QString>

// ZEB runs either from a folder of its own (where it was built, or copied), with its player module
// beside the executable, or installed: <prefix>/bin/zeb with the module in <prefix>/lib/zeb.
bool isInstalled(const QString& programFolder);

QString playerModulePath(const QString& programFolder);
