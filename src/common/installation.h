#pragma once

#include <QString>

// ZEB runs either from a folder of its own (where it was built, or copied), with its player module
// beside the executable, or installed: <prefix>/bin/zeb with the module in <prefix>/lib/zeb. Which
// module that is, is the player's business: a copy is told by carrying what <prefix>/lib/zeb holds.
bool isInstalled(const QString& programFolder);

// Where the player module is: <prefix>/lib/zeb when installed, the program's folder otherwise.
QString playerModuleFolder(const QString& programFolder);
