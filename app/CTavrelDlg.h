#pragma once

#include "CDragDropListCtrl.h"
#include "ExchangeCommands.h"
#include "ImageDocument.h"
#include "ListTools.h"
#include "RecordCommands.h"
#include "ReferenceCommands.h"
#include "SatelliteTree.h"
#include "TransferControl.h"
#include "ViewPlace.h"
#include "ViewState.h"

#include <QtCore/QString>
#include <QtGui/QIcon>
#include <QtWidgets/QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class DocumentSignals;
class PassWord;
class PortDevices;
class PlaceKeeper;
class QAction;
class QLineEdit;
class QMenuBar;
class QStatusBar;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;

// The main window: the transfer row on top, the satellite tree with the
// TV/Radio tabs on the left, the record list on the right, the counters and
// the transfer progress below. The counters, tree, list, title and Edit
// menu follow the document's signals. The transfer row, the record
// commands, CSV and compare, and the list tools are classes of their own
// that the window creates and wires.
class CTavrelDlg : public QDialog,
                   private TransferControl::Host,
                   private RecordCommands::Host,
                   private ExchangeCommands::Host,
                   private ListTools::Host,
                   private ReferenceCommands::Host {
    Q_OBJECT

public:
    // The window shows and edits `document` and drives the receiver through a
    // transfer session on the port it is given, traced to traceFile if named.
    CTavrelDlg(ImageDocument& document, PortDevices& ports, const std::string& traceFile = {}, QWidget* parent = nullptr);
    ~CTavrelDlg() override;

    QLineEdit* Filter() const { return m_Filter; }

    // Opens an image file and shows it; a refused file changes nothing. The
    // file commands and the command line use it. fileName, when given, is
    // the path as the system spells it: a name that is not valid UTF-8 does
    // not survive the trip through QString.
    bool OpenImage(const QString& path, const std::string& fileName = {}) override;

    // The image's bytes differ from what was last opened, dumped or saved.
    bool IsImageModified() const;

    CDragDropListCtrl* RecordList() const { return m_List; }
    QWidget* Control(int id) const;
    QAction* MenuAction(int commandId) const;
    // What the views show, and whether the login opened the advanced fields.
    const ViewState& View() const override { return m_view; }

    // The transfer row and the receiver link behind it.
    TransferControl& Transfer() const { return *m_Transfer; }
    // What the user does to the records of the list shown.
    RecordCommands& Records() const { return *m_Records; }
    // No transfer runs and an image is loaded: the image may change.
    bool CanChangeImage() const override;
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
    void ShowRecord(int table, int position) override;

    // Escape: the dialog's cancel, guarded like Exit.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // The views around the user's place, which an edit, undo or redo keeps
    // (CTavrelDlgEdit.cpp); a new image is shown from the top.
    void OnImageAboutToChange();
    void OnImageChanged(const ImageDocument::Change& change);
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void RefreshCounters();
    void FillTree();
    void FillList(int listType);
    void ConnectCommands();
    void InitDialog();
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
    ImageDocument& Document() override { return m_document; }
    bool IsIdle() const override;
    void CompareWithFile(const QString& path) override;
    void ApplyReference(const QString& path) override;
    void MoveRecordsAfter(const std::vector<uint32_t>& records, int dropRow) override;
    const DumpArchive* Archive() const override;

    ImageDocument& m_document;
    QIcon m_hIcon;
    QWidget* m_page = nullptr;
    QMenuBar* m_menuBar = nullptr;
    CDragDropListCtrl* m_List = nullptr;
    QTreeWidget* m_Tree = nullptr;
    QTabBar* m_Tab = nullptr;
    QStatusBar* m_StatusBar = nullptr;
    QString m_strTitle;
    ViewState m_view;
    std::array<TreeNode, MAX_TREE_NODES> m_TreeNodes {};
    uint16_t m_nTreeNodes = 0;
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
