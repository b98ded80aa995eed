#include "settingssession.h"

#include "background.h"
#include "settingsfile.h"

SettingsRecord SettingsSession::read() const {
    return LeggiConfig(m_path);
}

void SettingsSession::save(const SettingsRecord& record) {
    runInBackground(
        this, [path = m_path, record] { return SalvaConfig(path, record); },
        [this](bool written) { Q_EMIT saved(written); });
}
