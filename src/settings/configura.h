#pragma once

#include "settingsrecord.h"

#include "secondarywindow.h"

#include <array>

class Dialogs;
class PictureButton;
class Picture;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class SettingsModel;

// The settings window "ZEB Setup": it shows the live settings and edits them. Every change is in force at
// once, nothing is applied or discarded, and the file is written only at exit.
class Configura : public SecondaryWindow {
    Q_OBJECT
public:
    Configura(Dialogs& dialogs, SettingsModel& settings);

private:
    void buildFormatsFrame();
    void buildOptionsFrame();
    void showSettings();
    void showFormats();
    void appendEntry(const Format& format);
    void editFormats();
    void addFormat();
    void removeFormat();
    std::vector<Format> shownFormats() const;

    Dialogs& m_dialogs;
    SettingsModel& m_settings;

    QGroupBox* Frame1;
    QListWidget* List1;
    PictureButton* Command1;
    PictureButton* Command2;
    QGroupBox* Frame2;
    QCheckBox* Continuo;
    QCheckBox* Random;
    QLabel* Label1;
    std::array<QRadioButton*, 2> Clicco;
    PictureButton* Command3;
    Picture* Image1;
};
