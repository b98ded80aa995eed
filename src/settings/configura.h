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

// The settings window "ZEB Setup". Its controls are the live settings: every change is in force at once,
// nothing is applied or discarded, and the file is written only at exit.
class Configura : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Configura(Dialogs& dialogs);

    // Fills the controls from a record read at start-up.
    void load(const SettingsRecord& record);
    // Copies the controls into the record to be saved.
    void store(SettingsRecord& record) const;

    std::vector<Format> formats() const;
    bool continuo() const;
    bool random() const;
    // As a tick of its box: the desktop's media panel sets them too.
    void setContinuo(bool on);
    void setRandom(bool on);
    // What a double-click on a media file does: 0 adds it to the playlist, 1 plays it.
    int clicco() const;
    // The media file pattern computed from the formats when they were loaded or last edited.
    QString mediaPattern() const { return m_Text1; }

Q_SIGNALS:
    // Continuo or Random has been ticked or unticked.
    void playOptionsChanged();

private:
    void buildFormatsFrame();
    void buildOptionsFrame();
    void addFormat();
    void removeFormat();
    void appendFormat(const Format& format);

    Dialogs& m_dialogs;
    QString m_Text1;

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
