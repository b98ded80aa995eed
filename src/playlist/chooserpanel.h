#pragma once

#include "drives.h"
#include "hinttargets.h"

#include <QFrame>

class BusyPointer;
class Dialogs;
class FolderList;
class ListFileSession;
class MediaBrowser;
class PictureButton;
class QComboBox;
class QLineEdit;
class QListView;

// The panel drawn over the browser and the playlist to choose a list file to load, or a file to save the
// playlist in; list files can be deleted from it too. It keeps its drive and folder from one opening to
// the next. While it is open, the keyboard stays within it.
class ChooserPanel : public QFrame {
    Q_OBJECT
public:
    enum class Azione { Leggi, Salva };

    ChooserPanel(Dialogs& dialogs, Drives drives, ListFileSession& listFiles, QWidget* parent);

    // A save proposes "NuovaLista.zbl" while there is no current list file; a load starts from no name.
    void open(Azione azione);
    // True while a folder is being read, or a list file loaded, saved or deleted from here.
    bool isWaitingOnFiles() const;
    // Takes the drives there are now, as the browser's drive list does.
    void followDrives(const std::vector<Drives::Drive>& now);
    // Where the main window shows its hints on the panel.
    HintTargets hintTargets();

Q_SIGNALS:
    // The panel has been hidden: its list file was loaded or saved, or the user cancelled.
    void closed();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void startInWorkingFolder();
    void confirm();
    void closePanel();
    void deleteSelectedFile();
    void listFileDeleted();
    void operationFinished();
    // While a list file is loaded, saved or deleted, nothing but cancel can be used.
    void setWaiting(bool waiting);
    QString selectedFile() const;

    Dialogs& m_dialogs;
    ListFileSession& m_listFiles;
    Azione m_azione = Azione::Leggi;
    MediaBrowser* m_browser;
    // Over the panel while a list file is loaded, saved or deleted from here.
    BusyPointer* m_busy;
    bool m_waiting = false;
    bool m_closeWhenDone = false;

    QComboBox* Drive2;
    FolderList* Dir2;
    QListView* File2;
    QLineEdit* Text1;
    PictureButton* Command11;
    PictureButton* Command12;
};
