#include "chooserpanel.h"

#include "controls.h"
#include "looks.h"
#include "picturebutton.h"
#include "twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

ChooserPanel::ChooserPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1"));
    setGeometry(twipsRect(0, -90, 7575, 6220));
    looks::paint(this, looks::kYellow, looks::kTeal);

    Drive2 = placeListBox(new QComboBox(this), QStringLiteral("Drive2"), twipsRect(120, 265, 2895, 315),
                          looks::kYellow);
    Dir2 = placeListBox(new QListWidget(this), QStringLiteral("Dir2"), twipsRect(120, 585, 2895, 5040),
                        looks::kYellow);
    File2 = placeListBox(new QListWidget(this), QStringLiteral("File2"), twipsRect(3000, 270, 4470, 4965),
                         looks::kYellow);
    Text1 = placeListBox(new QLineEdit(this), QStringLiteral("Text1"), twipsRect(3020, 5270, 4455, 295),
                         looks::kGreen);
    Command11 = place(new PictureButton(QStringLiteral(":/pictures/confirm.svg"),
                                        QStringLiteral("Conferma il file selezionato"), this),
                      QStringLiteral("Command11"), twipsRect(130, 5600, 3675, 450));
    Command12 = place(new PictureButton(QStringLiteral(":/pictures/cancel.svg"),
                                        QStringLiteral("Annulla l'operazione"), this),
                      QStringLiteral("Command12"), twipsRect(3790, 5600, 3675, 450));
    hide();
}
