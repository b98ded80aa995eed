#pragma once

#include "settingsrecord.h"

#include <QObject>

// The settings in force while ZEB runs: the record read from ZEBcfg.dat at start-up, changed by the
// settings window and the desktop's media panel, and the record written at exit. Each field tells its
// changes; setting a field to the value it has tells nothing.
class SettingsModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const SettingsRecord& record() const { return m_record; }
    // Takes every field of the record, telling those that change.
    void load(const SettingsRecord& record);

    const QString& currentListFile() const { return m_record.currentListFile; }
    bool continuo() const { return m_record.continuo; }
    bool random() const { return m_record.random; }
    // What a double-click on a media file does: 0 adds it to the playlist, 1 plays it.
    int clicco() const { return m_record.clicco; }
    const TwipsPosition& viewer() const { return m_record.viewer; }
    const TwipsPosition& main() const { return m_record.main; }
    bool scala() const { return m_record.scala; }
    const std::vector<Format>& formats() const { return m_record.formats; }
    // The browser's pattern for these formats.
    QString mediaPattern() const;

    void setCurrentListFile(const QString& path);
    void setContinuo(bool on);
    void setRandom(bool on);
    void setClicco(int clicco);
    void setViewer(const TwipsPosition& position);
    void setMain(const TwipsPosition& position);
    void setScala(bool on);
    void setFormats(const std::vector<Format>& formats);

Q_SIGNALS:
    void currentListFileChanged();
    void continuoChanged();
    void randomChanged();
    void cliccoChanged();
    void viewerChanged();
    void mainChanged();
    void scalaChanged();
    // A format was added, removed, ticked or unticked.
    void formatsChanged();

private:
    template <typename Value>
    void change(Value SettingsRecord::*field, const Value& value, void (SettingsModel::*changed)());

    SettingsRecord m_record;
};
