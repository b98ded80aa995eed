#include "configura.h"

#include "controls.h"
#include "dialogs.h"
#include "formats.h"
#include "looks.h"
#include "picture.h"
#include "picturebutton.h"
#include "settingsmodel.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

const QString kAskFormat = QStringLiteral("Digitare un'estensione di file da 3 caratteri (es. mp3)...");
const QString kWrongLength =
    QStringLiteral("E' necessario inserire un'estensione di 3 caratteri. Azione annullata.");
const QString kAlreadyPresent = QStringLiteral("Questo formato è già attivo!");

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, const QRect& geometry) {
    auto* box = place(new QGroupBox(title, parent), name, geometry);
    looks::paint(box, looks::kYellow, looks::kNavy);
    return box;
}

template <typename Option>
Option* option(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* control = place(new Option(text, parent), name, geometry);
    looks::paintOption(control, looks::kGreen, looks::kNavy);
    return control;
}

}  // namespace

// No close box: OK (or Esc) is the way out.
Configura::Configura(Dialogs& dialogs, SettingsModel& settings)
    : SecondaryWindow(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dialogs(dialogs),
      m_settings(settings) {
    setObjectName(QStringLiteral("Configura"));
    setWindowTitle(QStringLiteral("ZEB Setup"));
    setFixedSize(twipsRect(0, 0, 6300, 3075).size());
    looks::paint(this, looks::kGreen, looks::kNavy);
    // While it is open the main window takes no input at all: no click, no key, no close request.
    setWindowModality(Qt::ApplicationModal);

    buildFormatsFrame();
    Image1 = place(new Picture(QStringLiteral(":/pictures/notes.svg"), this), QStringLiteral("Image1"),
                   twipsRect(2190, 0, 510, 3135));
    buildOptionsFrame();
    Command3 = place(new PictureButton(QStringLiteral(":/pictures/cfg_ok.svg"), QStringLiteral("OK"), this),
                     QStringLiteral("Command3"), twipsRect(2760, 1800, 3475, 1215));
    connect(Command3, &QPushButton::clicked, this, &Configura::leave);
    showSettings();
}

void Configura::buildFormatsFrame() {
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral(" Formati riconosciuti "),
                   twipsRect(40, 20, 2085, 3015));
    List1 = place(new QListWidget(Frame1), QStringLiteral("List1"), twipsRect(120, 240, 1815, 1860));
    List1->setAccessibleName(QStringLiteral("Formati riconosciuti"));
    looks::paint(List1, looks::kGreen, looks::kBlack);
    Command1 =
        place(new PictureButton(QStringLiteral(":/pictures/cfg_add.svg"), QStringLiteral("Aggiungi"), Frame1),
              QStringLiteral("Command1"), twipsRect(120, 2160, 1815, 375));
    Command2 = place(
        new PictureButton(QStringLiteral(":/pictures/cfg_remove.svg"), QStringLiteral("Elimina"), Frame1),
        QStringLiteral("Command2"), twipsRect(120, 2520, 1815, 375));
    connect(Command1, &QPushButton::clicked, this, &Configura::addFormat);
    connect(Command2, &QPushButton::clicked, this, &Configura::removeFormat);
    connect(List1, &QListWidget::itemChanged, this, &Configura::editFormats);
}

void Configura::buildOptionsFrame() {
    Frame2 =
        frame(this, QStringLiteral("Frame2"), QStringLiteral(" Opzioni "), twipsRect(2750, 20, 3495, 1680));
    Continuo =
        option<QCheckBox>(Frame2, QStringLiteral("Continuo"), QStringLiteral("Esegui le liste in continuo"),
                          twipsRect(120, 240, 2655, 255));
    Continuo->setToolTip(QStringLiteral("Quando arriva alla fine della lista ricomincia da capo"));
    Random = option<QCheckBox>(Frame2, QStringLiteral("Random"),
                               QStringLiteral("Esegui le liste in ordine casuale"),
                               twipsRect(120, 480, 3135, 255));
    Random->setToolTip(QStringLiteral("Esegue la lista in ordine casuale e senza mai finire"));
    connect(Continuo, &QCheckBox::toggled, &m_settings, &SettingsModel::setContinuo);
    connect(Random, &QCheckBox::toggled, &m_settings, &SettingsModel::setRandom);
    Label1 = place(new QLabel(QStringLiteral("Un doppio click sull'elenco dei files:"), Frame2),
                   QStringLiteral("Label1"), twipsRect(120, 840, 3255, 255));
    looks::paintText(Label1, looks::kCyan);
    Clicco[0] = option<QRadioButton>(Frame2, QStringLiteral("Clicco(0)"),
                                     QStringLiteral("Inserisce il file nella lista"),
                                     twipsRect(120, 1080, 3135, 255));
    Clicco[1] = option<QRadioButton>(Frame2, QStringLiteral("Clicco(1)"), QStringLiteral("Esegue il file"),
                                     twipsRect(120, 1320, 3135, 255));
    connect(Clicco[1], &QRadioButton::toggled, &m_settings,
            [this](bool on) { m_settings.setClicco(on ? 1 : 0); });
}

// The desktop's media panel changes Continuo and Random too: the window shows what is in force.
void Configura::showSettings() {
    showFormats();
    const auto showOptions = [this] {
        Continuo->setChecked(m_settings.continuo());
        Random->setChecked(m_settings.random());
        Clicco[m_settings.clicco()]->setChecked(true);
    };
    showOptions();
    for (auto changed :
         {&SettingsModel::continuoChanged, &SettingsModel::randomChanged, &SettingsModel::cliccoChanged}) {
        connect(&m_settings, changed, this, showOptions);
    }
    connect(&m_settings, &SettingsModel::formatsChanged, this, &Configura::showFormats);
}

void Configura::showFormats() {
    if (shownFormats() == m_settings.formats()) return;
    List1->clear();
    for (const Format& format : m_settings.formats()) appendEntry(format);
}

// Quietly: an entry half made is no edit.
void Configura::appendEntry(const Format& format) {
    const QSignalBlocker quiet(List1);
    auto* entry = new QListWidgetItem(format.extension, List1);
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setCheckState(format.active ? Qt::Checked : Qt::Unchecked);
}

std::vector<Format> Configura::shownFormats() const {
    std::vector<Format> result;
    result.reserve(size_t(List1->count()));
    for (int row = 0; row < List1->count(); ++row) {
        const QListWidgetItem* entry = List1->item(row);
        result.push_back({entry->text(), entry->checkState() == Qt::Checked});
    }
    return result;
}

// A tick or an entry added or removed.
void Configura::editFormats() {
    m_settings.setFormats(shownFormats());
}

void Configura::addFormat() {
    const QString answer = m_dialogs.askText(this, kAskFormat, QStringLiteral("ZEB"), QString());
    switch (checkNewFormat(m_settings.formats(), answer)) {
        case NewFormatVerdict::WrongLength:
            m_dialogs.tell(this, kWrongLength, Dialogs::Icon::None);
            return;
        case NewFormatVerdict::AlreadyPresent:
            m_dialogs.tell(this, kAlreadyPresent, Dialogs::Icon::None);
            return;
        case NewFormatVerdict::Accepted:
            break;
    }
    appendEntry({answer, true});
    editFormats();
}

// Only an entry the user picked goes: the list's focus alone falls on its first entry when the window
// opens. Afterwards nothing is picked, so that a second click removes nothing.
void Configura::removeFormat() {
    const QList<QListWidgetItem*> picked = List1->selectedItems();
    if (picked.isEmpty()) return;
    delete picked.first();
    List1->clearSelection();
    List1->setCurrentItem(nullptr);
    editFormats();
}
