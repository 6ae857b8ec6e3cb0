#pragma once

#include "CDragDropListCtrl.h"
#include "ImageDocument.h"
#include "SatelliteTree.h"
#include "TransferControl.h"
#include "ViewPlace.h"

#include <QtCore/QString>
#include <QtGui/QIcon>
#include <QtWidgets/QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class AppState;
class DocumentSignals;
class ExchangeCommands;
class ListTools;
class PassWord;
class PortDevices;
class PlaceKeeper;
class ReferenceCommands;
class QAction;
class QLineEdit;
class QMenuBar;
class QStatusBar;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class RecordCommands;

// The main window: the transfer row on top, the satellite tree with the
// TV/Radio tabs on the left, the record list on the right, the counters and
// the transfer progress below. The counters, tree, list, title and Edit
// menu follow the document's signals. The transfer row, the record
// commands, CSV and compare, and the list tools are classes of their own
// that the window creates and wires.
class CTavrelDlg : public QDialog, private TransferControl::Host {
    Q_OBJECT

public:
    // The window works on the shared state and drives the receiver through a
    // transfer session on the port it is given, traced to traceFile if named.
    CTavrelDlg(AppState& state, PortDevices& ports, const std::string& traceFile = {}, QWidget* parent = nullptr);
    ~CTavrelDlg() override;

    QLineEdit* Filter() const { return m_Filter; }
    void RefreshCounters();
    void FillTree();
    void FillList(int listType);

    // Opens an image file and shows it; a refused file changes nothing. The
    // file commands and the command line use it. fileName, when given, is
    // the path as the system spells it: a name that is not valid UTF-8 does
    // not survive the trip through QString.
    bool OpenImage(const QString& path, const std::string& fileName = {});

    // The image's bytes differ from what was last opened, dumped or saved.
    bool IsImageModified() const;

    CDragDropListCtrl* RecordList() const { return m_List; }
    QTreeWidget* SatTree() const { return m_Tree; }
    QTabBar* ServiceTab() const { return m_Tab; }
    QWidget* Control(int id) const;
    QAction* MenuAction(int commandId) const;
    QStatusBar* StatusBar() const { return m_StatusBar; }
    AppState& State() const { return m_state; }

    uint16_t m_nCurSat = 0;
    uint16_t m_nCurTp = 0;
    std::array<TreeNode, MAX_TREE_NODES> m_TreeNodes {};
    uint16_t m_nTreeNodes = 0;

    QString m_strSatCount;
    QString m_strTpCount;
    QString m_strTvCount;
    QString m_strRadioCount;

    // The transfer row and the receiver link behind it.
    TransferControl& Transfer() const { return *m_Transfer; }
    // What the user does to the records of the list shown.
    RecordCommands& Records() const { return *m_Records; }
    // CSV export and import, and compare.
    ExchangeCommands& Exchange() const { return *m_Exchange; }
    // The list check, the kept dumps and the recent files.
    ListTools& Tools() const { return *m_Tools; }
    // Reference lists applied and shown beside the main window.
    ReferenceCommands& References() const { return *m_References; }
    // The document's changes, for views of the window's own to follow.
    DocumentSignals& Signals() const { return *m_Signals; }
    // The list the record list shows, for an edit of its order.
    ListKey ShownList() const;
    // No transfer runs and an image is loaded: the image may change.
    bool CanChangeImage() const;
    // Asks whether to save a modified image before it is replaced or the
    // program ends; false when the user cancels (or the save failed).
    bool ConfirmDiscardChanges() override;

public slots:
    void OnFileOpen();
    void OnFileSave();
    void OnAbout();
    void OnAdvance();
    void OnExit();
    void OnTreeSelChanged(QTreeWidgetItem* current);
    void OnServiceTabChanged(int index);

    // Undo, redo and the filter (CTavrelDlgEdit.cpp).
    void OnEditUndo();
    void OnEditRedo();
    void OnEditFind();
    void OnFilterChanged(const QString& text);

    // Selects a record of a directory table in the tree and the list.
    void ShowRecord(int table, int position);

    // Escape: the dialog's cancel, guarded like Exit.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // The views around the user's place, which an edit, undo or redo keeps
    // (CTavrelDlgEdit.cpp); a new image is shown from the top.
    void OnImageAboutToChange();
    void OnImageChanged(const ImageDocument::Change& change);
    void customEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ConnectCommands();
    void InitDialog();
    ImageDocument& Doc() const;
    void ClearViews();

    // Writes the image to a file the user chooses; true once it is saved.
    bool SaveImage();
    // The views follow the document's signals.
    void DumpAdopted() override { }
    void UpdateTitle();
    void Finish(int result);

    void InitEditing();
    void UpdateEditActions();
    // One step back (undo) or forward (redo), when the image is where the
    // step expects it.
    void StepHistory(bool back);
    ViewPlace CapturePlace() const;
    // Rebuilds counters, tree and list, at `place` when one is given.
    void ShowImage(const ViewPlace* place, int listType);
    // Once the tree is rebuilt: selects the node of the place being
    // restored and returns the list type it shows.
    int FollowPlace(const ViewPlace& place, int listType);
    bool ConfirmUpgradeOfCheckedList() override;

    AppState& m_state;
    QIcon m_hIcon;
    QWidget* m_page = nullptr;
    QMenuBar* m_menuBar = nullptr;
    CDragDropListCtrl* m_List = nullptr;
    QTreeWidget* m_Tree = nullptr;
    QTabBar* m_Tab = nullptr;
    QStatusBar* m_StatusBar = nullptr;
    QString m_strTitle;
    bool m_centred = false;
    std::unique_ptr<TransferControl> m_Transfer;
    std::unique_ptr<RecordCommands> m_Records;
    std::unique_ptr<ExchangeCommands> m_Exchange;
    std::unique_ptr<ListTools> m_Tools;
    std::unique_ptr<ReferenceCommands> m_References;

    // The login, one for the whole run.
    std::unique_ptr<PassWord> m_PassWordDlg;

    std::unique_ptr<PlaceKeeper> m_Places;
    QLineEdit* m_Filter = nullptr;
    // Where the user stood before the change the document is making.
    std::optional<ViewPlace> m_placeBefore;
    std::unique_ptr<DocumentSignals> m_Signals;
};
