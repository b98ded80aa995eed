#pragma once

#include "drives.h"

#include <QFrame>

class Dialogs;
class FolderList;
class MediaBrowser;
class PictureButton;
class QComboBox;
class QLineEdit;
class QListView;

// The panel drawn over the browser and the playlist to choose a list file to load, or a file to save the
// playlist in; list files can be deleted from it too. It keeps its drive and folder from one opening to
// the next.
class ChooserPanel : public QFrame {
    Q_OBJECT
public:
    enum class Azione { Leggi, Salva };

    ChooserPanel(Dialogs& dialogs, Drives drives, QWidget* parent);

    // A save proposes "NuovaLista.zbl" while there is no current list file; a load starts from no name.
    void open(Azione azione, bool hasCurrentListFile);
    bool isWaitingOnFiles() const;

Q_SIGNALS:
    // The chosen file: the chooser's folder and the name, with ".zbl" added unless the name ends so.
    void confirmed(ChooserPanel::Azione azione, const QString& path);
    // The panel has been hidden, after a confirmation or a cancel.
    void closed();
    void listFileDeleted(const QString& path);

private:
    void confirm();
    void closePanel();
    void deleteSelectedFile();
    QString selectedFile() const;

    Dialogs& m_dialogs;
    Azione m_azione = Azione::Leggi;
    MediaBrowser* m_browser;

public:
    QComboBox* Drive2;
    FolderList* Dir2;
    QListView* File2;
    QLineEdit* Text1;
    PictureButton* Command11;
    PictureButton* Command12;
};
