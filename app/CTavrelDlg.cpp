#include "CTavrelDlg.h"

#include "CAboutDlg.h"
#include "DialogBuilder.h"
#include "DocumentSignals.h"
#include "ExchangeCommands.h"
#include "FileReasonText.h"
#include "ImageDocument.h"
#include "LanguageMenu.h"
#include "ListTools.h"
#include "MainResources.h"
#include "PassWord.h"
#include "PlaceKeeper.h"
#include "RecentFiles.h"
#include "RecordCommands.h"
#include "RecordList.h"
#include "ReferenceCommands.h"
#include "UserPrompts.h"
#include "VersionText.h"

#include <QtCore/QFile>
#include <QtGui/QAction>
#include <QtGui/QCloseEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

CTavrelDlg::CTavrelDlg(ImageDocument& document, PortDevices& ports, const std::string& traceFile, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_hIcon(QString::fromLatin1(ICON_APP))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildControls();
    m_Signals = std::make_unique<DocumentSignals>(m_document);
    connect(m_Signals.get(), &DocumentSignals::imageAboutToChange, this, &CTavrelDlg::OnImageAboutToChange);
    connect(m_Signals.get(), &DocumentSignals::imageChanged, this, &CTavrelDlg::OnImageChanged);
    connect(m_Signals.get(), &DocumentSignals::modifiedChanged, this, &CTavrelDlg::UpdateTitle);
    connect(m_Signals.get(), &DocumentSignals::historyChanged, this, &CTavrelDlg::UpdateEditActions);
    m_Transfer = std::make_unique<TransferControl>(
        static_cast<TransferControl::Host&>(*this), *this, *m_page, *m_menuBar, *m_StatusBar, ports, m_document, traceFile);
    m_Records = std::make_unique<RecordCommands>(static_cast<RecordCommands::Host&>(*this), *m_List, *this);
    m_Exchange = std::make_unique<ExchangeCommands>(static_cast<ExchangeCommands::Host&>(*this), *this);
    m_Tools = std::make_unique<ListTools>(static_cast<ListTools::Host&>(*this), *this, *m_menuBar);
    m_References = std::make_unique<ReferenceCommands>(
        static_cast<ReferenceCommands::Host&>(*this), *this, *m_List, *m_Signals);
    ConnectCommands();
    InitEditing();
    InitDialog();
    m_PassWordDlg = std::make_unique<PassWord>(this);
}

CTavrelDlg::~CTavrelDlg()
{
    // Nothing shown is left to follow the document.
    m_Signals.reset();
}

void CTavrelDlg::BuildControls()
{
    const DialogTemplate& dialog = MainDialogTemplate();
    setWindowTitle(QString::fromLatin1(dialog.caption));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_menuBar = BuildMenuBar(MainMenuTemplate(), this);
    layout->setMenuBar(m_menuBar);
    // The menus carry no access keys; F10 opens the first, the arrow keys reach the rest.
    auto* openMenus = new QAction(this);
    openMenus->setShortcut(Qt::Key_F10);
    addAction(openMenus);
    connect(openMenus, &QAction::triggered, m_menuBar, [this] { m_menuBar->setActiveAction(m_menuBar->actions().value(0)); });
    m_page = new QWidget(this);
    layout->addWidget(m_page);
    m_StatusBar = new QStatusBar(this);
    m_StatusBar->setSizeGripEnabled(false);
    layout->addWidget(m_StatusBar);

    DialogBuilder builder(m_page, [](const ControlTemplate& control, QWidget* parent) -> QWidget* {
        if (control.id == IDC_RECORD_LIST)
            return new CDragDropListCtrl(parent);
        return nullptr;
    });
    builder.Build(dialog);

    m_List = FindControl<CDragDropListCtrl>(m_page, IDC_RECORD_LIST);
    m_Tree = FindControl<QTreeWidget>(m_page, IDC_SAT_TREE);
    m_Tab = FindControl<QTabBar>(m_page, IDC_SERVICE_TAB);
    m_Places = std::make_unique<PlaceKeeper>(*m_Tree, *m_List, m_document.Database(), m_view);
}

void CTavrelDlg::ConnectCommands()
{
    const auto onAction = [this](int id, void (CTavrelDlg::*handler)()) {
        if (QAction* action = MenuAction(id))
            connect(action, &QAction::triggered, this, handler);
    };
    onAction(ID_FILE_OPEN, &CTavrelDlg::OnFileOpen);
    onAction(ID_FILE_SAVE, &CTavrelDlg::OnFileSave);
    onAction(ID_FILE_EXIT, &CTavrelDlg::OnExit);
    onAction(ID_TOOLS_ADVANCE, &CTavrelDlg::OnAdvance);
    onAction(ID_HELP_ABOUT, &CTavrelDlg::OnAbout);
    connect(MenuAction(ID_FILE_EXPORT_CSV), &QAction::triggered, m_Exchange.get(), &ExchangeCommands::OnExportCsv);
    connect(MenuAction(ID_FILE_IMPORT_CSV), &QAction::triggered, m_Exchange.get(), &ExchangeCommands::OnImportCsv);
    connect(MenuAction(ID_FILE_COMPARE), &QAction::triggered, m_Exchange.get(), &ExchangeCommands::OnCompareWith);
    connect(MenuAction(ID_FILE_APPLY_REFERENCE), &QAction::triggered, m_References.get(),
        &ReferenceCommands::OnApplyReferenceList);
    connect(MenuAction(ID_VIEW_REFERENCE_LIST), &QAction::triggered, m_References.get(),
        &ReferenceCommands::OnViewReferenceList);
    MenuAction(ID_FILE_OPEN)->setShortcut(QKeySequence::Open);
    MenuAction(ID_FILE_SAVE)->setShortcut(QKeySequence::Save);
    MenuAction(ID_HELP_LANGUAGE)->setMenu(new LanguageMenu(this));

    const auto onButton = [this](int id, void (CTavrelDlg::*handler)()) {
        if (auto* button = FindControl<QPushButton>(m_page, id))
            connect(button, &QPushButton::clicked, this, handler);
    };
    onButton(IDC_OPEN, &CTavrelDlg::OnFileOpen);
    onButton(IDC_SAVE, &CTavrelDlg::OnFileSave);
    onButton(IDC_EXIT, &CTavrelDlg::OnExit);
    connect(m_Tree, &QTreeWidget::currentItemChanged, this, &CTavrelDlg::OnTreeSelChanged);
}

void CTavrelDlg::InitDialog()
{
    setWindowIcon(m_hIcon);
    m_strTitle = windowTitle() + QLatin1Char(' ') + BuildVersionText();
    setWindowTitle(m_strTitle);

    m_document.Unload();

    m_Tab->addTab(tr("TV"));
    m_Tab->addTab(tr("Radio"));
    m_Tab->setCurrentIndex(0);
    m_view.serviceTab = 0;
    connect(m_Tab, &QTabBar::currentChanged, this, &CTavrelDlg::OnServiceTabChanged);

    // The window is up before the port is tried, so a port message has the
    // window behind it rather than standing alone on the desktop.
    show();
    m_Transfer->Start();
}

QWidget* CTavrelDlg::Control(int id) const
{
    return FindControl(m_page, id);
}

QAction* CTavrelDlg::MenuAction(int commandId) const
{
    return FindMenuAction(m_menuBar, commandId);
}

void CTavrelDlg::RefreshCounters()
{
    const ChannelDatabase& db = m_document.Database();
    const std::pair<int, QString> counters[] = {
        { IDC_SAT_COUNT, tr("Sat: %1").arg(db.m_nSatCount) },
        { IDC_TP_COUNT, tr("TP: %1").arg(db.m_nTpCount) },
        { IDC_TV_COUNT, tr("TV: %1").arg(db.m_nTvCount) },
        { IDC_RADIO_COUNT, tr("Radio: %1").arg(db.m_nRadioCount) },
    };
    for (const auto& [id, text] : counters) {
        if (auto* label = FindControl<QLabel>(m_page, id))
            label->setText(text);
    }
}

void CTavrelDlg::FillTree()
{
    // Clearing the tree moves its current item; that is no user's choice.
    const QSignalBlocker quiet(m_Tree);
    m_nTreeNodes = FillSatelliteTree(*m_Tree, m_document.Database(), m_TreeNodes);
    m_Tree->setCurrentItem(nullptr);
}

void CTavrelDlg::FillList(int listType)
{
    FillRecordList(*m_List, m_document, m_view, listType, this);
}

bool CTavrelDlg::IsIdle() const
{
    return m_Transfer->IsIdle();
}

void CTavrelDlg::CompareWithFile(const QString& path)
{
    m_Exchange->CompareWithFile(path);
}

void CTavrelDlg::ApplyReference(const QString& path)
{
    m_References->PreviewFile(path);
}

void CTavrelDlg::MoveRecordsAfter(const std::vector<uint32_t>& records, int dropRow)
{
    m_Records->MoveRecordsAfter(records, dropRow);
}

const DumpArchive* CTavrelDlg::Archive() const
{
    const TransferSession* session = m_Transfer->Session();
    return session ? &session->Archive() : nullptr;
}

bool CTavrelDlg::ConfirmUpgradeOfCheckedList()
{
    return m_Tools->ConfirmUpgradeOfCheckedList();
}

void CTavrelDlg::ClearViews()
{
    {
        const QSignalBlocker quiet(m_Tree);
        m_Tree->clear();
    }
    m_nTreeNodes = 0;
    m_List->DeleteAllItems();
    for (int id : { IDC_SAT_COUNT, IDC_TP_COUNT, IDC_TV_COUNT, IDC_RADIO_COUNT })
        FindControl<QLabel>(m_page, id)->clear();
}

void CTavrelDlg::OnTreeSelChanged(QTreeWidgetItem* current)
{
    if (!current || !m_document.IsLoaded())
        return;
    const auto choice = ChooseListForItem(std::span<const TreeNode>(m_TreeNodes.data(), m_nTreeNodes), current);
    if (!choice)
        return;
    if (choice->satIndex)
        m_view.satellite = *choice->satIndex;
    if (choice->tpIndex)
        m_view.transponder = *choice->tpIndex;
    FillList(choice->listType);
}

void CTavrelDlg::OnServiceTabChanged(int index)
{
    m_view.serviceTab = index;
    if (!m_document.IsLoaded())
        return;
    FillList(m_view.listType);
}

void CTavrelDlg::OnFileOpen()
{
    if (!ConfirmDiscardChanges())
        return;
    const QString path = Prompts().OpenFileName(this, OPEN_IMAGE_FILTER);
    if (path.isEmpty())
        return;
    OpenImage(path);
}

bool CTavrelDlg::OpenImage(const QString& path, const std::string& fileName)
{
    std::string reason;
    const std::string file = fileName.empty() ? QFile::encodeName(path).toStdString() : fileName;
    switch (m_document.Open(file, reason)) {
    case ImageDocument::OpenResult::FileError:
        ShowFileError(this, path, FileReasonText::Of(reason));
        return false;
    case ImageDocument::OpenResult::TooLarge:
    case ImageDocument::OpenResult::NotDecoded:
        ShowWarning(this, tr("The bin file is not right!"));
        return false;
    case ImageDocument::OpenResult::Opened:
        break;
    }
    RecentFiles().Add(QByteArray::fromStdString(file));
    return true;
}

void CTavrelDlg::OnFileSave()
{
    SaveImage();
}

bool CTavrelDlg::SaveImage()
{
    if (!m_document.IsLoaded()) {
        ShowWarning(this, tr("Please open file or dump first!"));
        return false;
    }
    if (m_document.FlashBytes().empty()) {
        // Nothing decodes, so nothing says which bytes belong to the flash.
        ShowWarning(this, tr("The bin file is not right!"));
        return false;
    }
    const QString path = Prompts().SaveFileName(this, SAVE_IMAGE_NAME, SAVE_IMAGE_FILTER);
    if (path.isEmpty())
        return false;
    std::string reason;
    if (!m_document.Save(QFile::encodeName(path).toStdString(), reason)) {
        ShowFileError(this, path, FileReasonText::Of(reason));
        return false;
    }
    RecentFiles().Add(QFile::encodeName(path));
    Prompts().Message(this, tr("Save Success!"), TITLE_SAVE, PromptIcon::Information, PromptButtons::Ok);
    return true;
}

bool CTavrelDlg::IsImageModified() const
{
    return m_document.IsModified();
}

void CTavrelDlg::UpdateTitle()
{
    setWindowTitle(IsImageModified() ? m_strTitle + QStringLiteral(" *") : m_strTitle);
}

bool CTavrelDlg::ConfirmDiscardChanges()
{
    if (!IsImageModified())
        return true;
    switch (Prompts().Message(this, tr("Save changes to the image?"), TITLE_PROGRAM,
        PromptIcon::Question, PromptButtons::SaveDiscardCancel)) {
    case PromptAnswer::Save:
        return SaveImage();
    case PromptAnswer::Discard:
        return true;
    default:
        return false;
    }
}

void CTavrelDlg::OnAdvance()
{
    m_view.advancedMode = m_PassWordDlg->LogIn(m_view.advancedMode);
}

void CTavrelDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CTavrelDlg::OnExit()
{
    if (ConfirmDiscardChanges())
        Finish(QDialog::Accepted);
}

void CTavrelDlg::reject()
{
    if (ConfirmDiscardChanges())
        Finish(QDialog::Rejected);
}

void CTavrelDlg::closeEvent(QCloseEvent* event)
{
    if (!ConfirmDiscardChanges()) {
        event->ignore();
        return;
    }
    Finish(QDialog::Accepted);
    event->accept();
}

void CTavrelDlg::Finish(int result)
{
    m_Transfer->ShutDown();
    done(result);
}

void CTavrelDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}
