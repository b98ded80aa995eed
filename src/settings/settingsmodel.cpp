#include "settingsmodel.h"

#include "formats.h"

template <typename Value>
void SettingsModel::change(Value SettingsRecord::*field, const Value& value,
                           void (SettingsModel::*changed)()) {
    if (m_record.*field == value) return;
    m_record.*field = value;
    Q_EMIT(this->*changed)();
}

void SettingsModel::load(const SettingsRecord& record) {
    setCurrentListFile(record.currentListFile);
    setContinuo(record.continuo);
    setRandom(record.random);
    setClicco(record.clicco);
    setViewer(record.viewer);
    setMain(record.main);
    setScala(record.scala);
    setFormats(record.formats);
}

QString SettingsModel::mediaPattern() const {
    return ::mediaPattern(m_record.formats);
}

void SettingsModel::setCurrentListFile(const QString& path) {
    change(&SettingsRecord::currentListFile, path, &SettingsModel::currentListFileChanged);
}

void SettingsModel::setContinuo(bool on) {
    change(&SettingsRecord::continuo, on, &SettingsModel::continuoChanged);
}

void SettingsModel::setRandom(bool on) {
    change(&SettingsRecord::random, on, &SettingsModel::randomChanged);
}

// Anything but 1 adds, as the window's first option does.
void SettingsModel::setClicco(int clicco) {
    change(&SettingsRecord::clicco, clicco == 1 ? 1 : 0, &SettingsModel::cliccoChanged);
}

void SettingsModel::setViewer(const TwipsPosition& position) {
    change(&SettingsRecord::viewer, position, &SettingsModel::viewerChanged);
}

void SettingsModel::setMain(const TwipsPosition& position) {
    change(&SettingsRecord::main, position, &SettingsModel::mainChanged);
}

void SettingsModel::setScala(bool on) {
    change(&SettingsRecord::scala, on, &SettingsModel::scalaChanged);
}

void SettingsModel::setFormats(const std::vector<Format>& formats) {
    change(&SettingsRecord::formats, formats, &SettingsModel::formatsChanged);
}
