// The live settings tell each change of a field, once, and nothing else: the windows, the sequencer and
// the media panel follow them by these signals.
#include "settingsmodel.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The names of the signals heard, in order.
struct Heard {
    explicit Heard(SettingsModel& settings) {
        const std::pair<const char*, void (SettingsModel::*)()> signals[] = {
            {"list", &SettingsModel::currentListFileChanged}, {"continuo", &SettingsModel::continuoChanged},
            {"random", &SettingsModel::randomChanged},        {"clicco", &SettingsModel::cliccoChanged},
            {"viewer", &SettingsModel::viewerChanged},        {"main", &SettingsModel::mainChanged},
            {"scala", &SettingsModel::scalaChanged},          {"formats", &SettingsModel::formatsChanged}};
        for (const auto& [name, signal] : signals) {
            QObject::connect(&settings, signal, [this, name = name] { names.append(QLatin1String(name)); });
        }
    }
    QStringList names;
};

}  // namespace

TEST(SettingsModel, EachFieldTellsItsOwnChangeOnceAndASameValueNothing) {
    const struct {
        const char* what;
        std::function<void(SettingsModel&)> change;
        const char* heard;
    } cases[] = {
        {"list file", [](SettingsModel& s) { s.setCurrentListFile(QStringLiteral("/l/a.zbl")); }, "list"},
        {"continuo", [](SettingsModel& s) { s.setContinuo(true); }, "continuo"},
        {"random", [](SettingsModel& s) { s.setRandom(true); }, "random"},
        {"clicco", [](SettingsModel& s) { s.setClicco(1); }, "clicco"},
        {"clicco other than 1 adds, as 0 does", [](SettingsModel& s) { s.setClicco(7); }, ""},
        {"viewer", [](SettingsModel& s) { s.setViewer({15, 30}); }, "viewer"},
        {"main", [](SettingsModel& s) { s.setMain({15, 30}); }, "main"},
        {"scala", [](SettingsModel& s) { s.setScala(true); }, "scala"},
        {"a format ticked", [](SettingsModel& s) { s.setFormats({{QStringLiteral("mp3"), true}}); }, "formats"},
        {"the same values", [](SettingsModel& s) { s.load(SettingsRecord{}); }, ""},
        {"a record whose two fields differ",
         [](SettingsModel& s) {
             SettingsRecord record;
             record.random = true;
             record.formats = {{QStringLiteral("ogg"), false}};
             s.load(record);
         },
         "random formats"},
    };
    for (const auto& c : cases) {
        SettingsModel settings;
        Heard heard(settings);
        c.change(settings);
        const QString expected = QLatin1String(c.heard);
        EXPECT_EQ(heard.names.join(u' '), expected) << c.what;
        c.change(settings);
        EXPECT_EQ(heard.names.join(u' '), expected) << c.what << ", set again";
    }
}

TEST(SettingsModel, TheRecordHoldsWhatWasSetAndThePatternFollowsTheFormats) {
    SettingsModel settings;
    settings.setFormats({{QStringLiteral("lac"), false}, {QStringLiteral("mp3"), true}});
    settings.setClicco(3);
    EXPECT_EQ(settings.mediaPattern(), QStringLiteral("*.lac;*.flac;*.mp3"));
    EXPECT_EQ(settings.record().clicco, 0);
    EXPECT_EQ(settings.record().formats, settings.formats());
}
