#pragma once

#include "CDragDropListCtrl.h"
#include "LoaderBlocks.h"
#include "SatelliteTree.h"
#include "TransferSession.h"
#include "ViewPlace.h"

#include <QtCore/QString>
#include <QtGui/QIcon>
#include <QtWidgets/QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class AppState;
class cnComm;
class ImageDocument;
class PassWord;
class PlaceKeeper;
class ProgEditDlg;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QStatusBar;
class QPushButton;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class ProgramFlagsDlg;
class SatEditDlg;
class TpEditDlg;
class TransferEventQueue;

// The main window: the transfer row on top, the satellite tree with the
// TV/Radio tabs on the left, the record list on the right, the counters and
// the transfer progress below. Every change of the image ends in
// ReloadViews, which decodes the image and rebuilds counters, tree and list.
class CTavrelDlg : public QDialog, private TransferSession::Listener {
    Q_OBJECT

public:
    // The window works on the shared state and drives the receiver through a
    // transfer session on the port it is given, traced to traceFile if named.
    CTavrelDlg(AppState& state, cnComm& comm, const std::string& traceFile = {}, QWidget* parent = nullptr);
    ~CTavrelDlg() override;

    // Decodes the image and rebuilds the views; false (with a warning) when
    // the image is not recognised, in which case the views stay as they were.
    bool ReloadViews(int listType);
    // Every change of the image runs through here as one step of the
    // document's history: `change` writes the image and returns false when it
    // changed nothing (a refused move), in which case the views are left
    // alone. `description` names the step for the user ("delete 3
    // programs"). The views are rebuilt around the user's place
    // (CTavrelDlgEdit.cpp).
    bool ApplyImageChange(const QString& description, const std::function<bool()>& change, int listType);
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

    int m_nProgressMax = 0;
    // The last percentage the percentage text shows.
    int m_nLastPercent = 0;

    // The receiver link; null once the window has shut it down.
    TransferSession* Session() const { return m_pSession.get(); }

    // Ends a transfer, cancelled or finished: controls idle, port closed.
    void CancelTransfer();
    void OnTransferProgress(uint32_t total, uint32_t done);

public slots:
    void OnFileOpen();
    void OnFileSave();
    void OnAbout();
    void OnExit();
    void OnTreeSelChanged(QTreeWidgetItem* current);
    void OnServiceTabChanged(int index);

    // Record commands (CTavrelDlgRecords.cpp).
    void OnListDblClk(int row);
    void OnListRClick(int row, const QPoint& globalPos);
    void OnDeleteRecords();
    void OnMoveRecords();
    void OnAdvance();

    // Channel lists as CSV, and another image compared (CTavrelDlgExchange.cpp).
    void OnExportCsv();
    void OnImportCsv();
    void OnCompareWith();
    // Undo, redo, the filter and the commands on many programs (CTavrelDlgEdit.cpp).
    void OnEditUndo();
    void OnEditRedo();
    void OnEditFind();
    void OnFilterChanged(const QString& text);
    void OnListCommand(int command);

    // Receiver link (CTavrelDlgLink.cpp).
    void OnOpenCloseCom();
    void OnPortChange(int index);
    void OnXtalChange(int index);
    void OnDump();
    void OnUpgrade();
    void OnCancelTransfer();

    // Whether the receiver holds the image (CTavrelDlgVerify.cpp), and
    // which device each port opens (CTavrelDlgPorts.cpp).
    void OnVerify();
    void OnPorts();
    // The loader blocks in use (CTavrelDlgLoaders.cpp).
    void OnLoaderBlocks();

    // The list check, the kept dumps, the recent files and moving rows by
    // keyboard or to a position (CTavrelDlgListTools.cpp).
    void OnCheckList();
    void OnKeptDumps();
    void OpenRecentFile(const QString& path);
    void OnMoveToPosition();
    // Moves the selected rows so that the first stands at `position` (from
    // 1) among the rows shown: one undo step, the rows staying selected and in view.
    void MoveSelectedRows(int position);

    // Escape: the dialog's cancel, guarded like Exit.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void customEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ConnectCommands();
    void InitDialog();
    void InitLink();
    // Stops a running transfer and the worker, then closes the port.
    void ShutDownLink();
    cnComm& Comm() const { return m_Comm; }
    ImageDocument& Doc() const;
    // No transfer runs: the image may change and the port may be chosen.
    bool TransferIdle() const { return !m_pSession || m_pSession->IsIdle(); }
    void ShowPortState(bool open);
    void ShowPortError(const QString& text);
    void ShowLamp(bool open);
    void SetMenuGrayed(std::initializer_list<int> grayed);
    void StartTransfer();
    void SetStatusText(const QString& text);
    void ClearViews();
    void ShowKeptDump();
    void ConnectLinkTools();
    void UpdateLinkMenuItems();
    bool HasImageToVerify() const;
    // Shows why the blocks must not go to the selected port, if they must not.
    bool LoadersRefused(LoaderUse use);
    void OnDumpDone();
    void FinishVerify();
    void OnUpgradeDone();

    // The transfer session's events, on the window's thread.
    void OnStage(TransferSession::Stage stage) override;
    void OnProgress(uint32_t total, uint32_t done) override;
    void OnRateChangeFailed() override;
    void OnFinished(TransferSession::Kind kind, TransferSession::Result result) override;
    // The port went away: a transfer it cut short ends with a message, and
    // the port shows closed.
    void OnLinkLost(int error, bool duringTransfer) override;

    void RestoreLinkChoices();
    void RememberLinkChoices();
    void UpdatePortTips();
    void ShowFileError(const QString& path, const QString& reason);
    // Writes the image to a file the user chooses; true once it is saved.
    bool SaveImage();
    // Asks whether to save a modified image before it is replaced or the
    // program ends; false when the user cancels (or the save failed).
    bool ConfirmDiscardChanges();
    void UpdateTitle();
    void Finish(int result);

    void InitEditing();
    bool CanChangeImage() const;
    void UpdateEditActions();
    // One step back (undo) or forward (redo), when the image is where the
    // step expects it.
    void StepHistory(bool back);
    ViewPlace CapturePlace() const;
    void ReloadAt(const ViewPlace& place, int listType);
    // Called by ReloadViews once the tree is rebuilt: selects the node of
    // the place being restored and returns the list type it shows.
    int FollowPlace(int listType);
    void PrepareListMenu(QMenu& menu) const;
    void SetProgramFlags(bool lockFirst);
    void SortPrograms(bool byName);
    // Reorders the records of a list: entry k of order is the row whose
    // record is to stand at row k. Tells the user when the order is refused.
    bool ApplyRowOrder(int listType, const std::vector<uint16_t>& order);
    void ConnectListTools();
    void RemoveFindings(unsigned kinds);
    // Selects a record of a directory table in the tree and the list.
    void ShowRecord(int table, int position);
    void RevealSelection();
    // True when the image has no error the list check finds, or the user
    // chooses to upgrade anyway.
    bool ConfirmUpgradeOfCheckedList();
    void CompareWithFile(const QString& path);
    void RememberRecentFile(const QString& path);
    void FillRecentMenu();
    // "1 program", "3 programs": how a step names what it changed.
    static QString CountOf(size_t count, const char* noun);

    AppState& m_state;
    cnComm& m_Comm;
    std::string m_strTraceFile;
    QIcon m_hIcon;
    QWidget* m_page = nullptr;
    QMenuBar* m_menuBar = nullptr;
    CDragDropListCtrl* m_List = nullptr;
    QTreeWidget* m_Tree = nullptr;
    QTabBar* m_Tab = nullptr;
    QComboBox* m_PortCombo = nullptr;
    QComboBox* m_XtalCombo = nullptr;
    QLabel* m_LampOn = nullptr;
    QLabel* m_LampOff = nullptr;
    QProgressBar* m_Progress = nullptr;
    QStatusBar* m_StatusBar = nullptr;
    QString m_strTitle;
    bool m_centred = false;
    // The session's events reach the window through the queue, which goes after it.
    std::unique_ptr<TransferEventQueue> m_pTransferEvents;
    std::unique_ptr<TransferSession> m_pSession;

    // The record editors and the login, one of each for the whole run.
    std::unique_ptr<SatEditDlg> m_SatEditDlg;
    std::unique_ptr<TpEditDlg> m_TpEditDlg;
    std::unique_ptr<ProgEditDlg> m_ProgEditDlg;
    std::unique_ptr<PassWord> m_PassWordDlg;
    std::unique_ptr<ProgramFlagsDlg> m_ProgramFlagsDlg;

    std::unique_ptr<PlaceKeeper> m_Places;
    QLineEdit* m_Filter = nullptr;
    std::optional<ViewPlace> m_pendingPlace;
    QMenu* m_RecentMenu = nullptr;
};
