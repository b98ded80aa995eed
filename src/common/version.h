#pragma once

#include <QString>

inline const QString kZebVersion = QStringLiteral("1.20");
