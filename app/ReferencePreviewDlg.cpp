#include "ReferencePreviewDlg.h"

#include "CReportListCtrl.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "FileReasonText.h"
#include "ImageDocument.h"
#include "ImageFile.h"
#include "ImportProblemText.h"
#include "ReferenceTexts.h"
#include "UserPrompts.h"

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ReferencePreviewDlg::ReferencePreviewDlg(
    const ImageDocument& document, const std::vector<DumpArchive::Kept>& dumps, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_Source(new QComboBox(this))
    , m_File(new QPushButton(tr("File..."), this))
    , m_Note(new QLabel(this))
    , m_Satellite(new QComboBox(this))
    , m_Order(new QCheckBox(tr("Order"), this))
    , m_Names(new QCheckBox(tr("Names"), this))
    , m_Favorites(new QCheckBox(tr("Favourites"), this))
    , m_Locks(new QCheckBox(tr("Locks"), this))
    , m_Delete(new QCheckBox(tr("Delete the programs the reference does not list"), this))
    , m_Counts(new QLabel(this))
    , m_Rows(new CReportListCtrl(this))
    , m_Apply(new QPushButton(tr("Apply"), this))
    , m_Show(new QPushButton(tr("Show beside the list"), this))
{
    setWindowTitle(tr("Apply reference list"));
    m_Source->setPlaceholderText(tr("Choose a kept dump or a file"));
    for (const DumpArchive::Kept& dump : dumps) {
        if (!dump.decodes)
            continue;
        const QString when = QDateTime::fromSecsSinceEpoch(dump.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        m_Source->addItem(tr("Kept dump of %1 (%2 TV, %3 radio)").arg(when).arg(dump.tv).arg(dump.radio),
            QFile::decodeName(dump.path.c_str()));
    }
    m_Source->setCurrentIndex(-1);
    m_Source->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_Note->setWordWrap(true);
    m_Counts->setWordWrap(true);

    const ChannelDatabase& db = document.Database();
    const CodePageText& names = AnsiCodePageText();
    for (uint16_t s = 0; s < db.m_nSatCount; ++s)
        m_Satellite->addItem(QStringLiteral("%1 %2").arg(s + 1).arg(Text(names.ToUtf8(db.m_SatTable[s].name, NAME_BYTES))),
            db.m_SatTable[s].satId);

    m_Rows->InsertColumn(0, tr("No."), 50);
    m_Rows->InsertColumn(1, tr("Name"), 110);
    m_Rows->InsertColumn(2, tr("Service id"), 90);
    m_Rows->InsertColumn(3, tr("Found"), 160);
    m_Rows->horizontalHeader()->setStretchLastSection(true);
    m_Rows->setAccessibleName(tr("Reference rows"));

    auto* source = new QHBoxLayout;
    source->addWidget(m_Source, 1);
    source->addWidget(m_File);
    auto* carry = new QHBoxLayout;
    for (QCheckBox* box : { m_Order, m_Names, m_Favorites, m_Locks })
        carry->addWidget(box);
    carry->addStretch();
    auto* form = new QFormLayout;
    form->addRow(tr("Reference:"), source);
    form->addRow(QString(), m_Note);
    form->addRow(tr("Satellite:"), m_Satellite);
    form->addRow(tr("Carry:"), carry);
    form->addRow(QString(), m_Delete);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(m_Apply, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_Show, QDialogButtonBox::ActionRole);
    m_Apply->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_Counts);
    layout->addWidget(m_Rows, 1);
    layout->addWidget(buttons);

    connect(m_Source, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            Load(m_Source->itemData(index).toString());
    });
    connect(m_File, &QPushButton::clicked, this, [this] {
        const QString path = Prompts().OpenFileName(
            this, tr("Image, CSV or text list (*.bin *.csv *.txt) (*.bin *.csv *.txt);;All files (*)"));
        if (!path.isEmpty())
            ChooseFile(path);
    });
    connect(m_Satellite, &QComboBox::currentIndexChanged, this, &ReferencePreviewDlg::Replan);
    for (QCheckBox* box : { m_Order, m_Names, m_Favorites, m_Locks, m_Delete })
        connect(box, &QCheckBox::toggled, this, &ReferencePreviewDlg::Replan);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_Apply, &QPushButton::clicked, this, [this] {
        m_Chosen = Choice::Apply;
        accept();
    });
    connect(m_Show, &QPushButton::clicked, this, [this] {
        m_Chosen = Choice::Show;
        accept();
    });
    Load(QString());
    resize(640, 520);
}

ReferencePreviewDlg::~ReferencePreviewDlg() = default;

QCheckBox* ReferencePreviewDlg::CarryBox(ReferenceCarry carry) const
{
    switch (carry) {
    case CARRY_ORDER:
        return m_Order;
    case CARRY_NAMES:
        return m_Names;
    case CARRY_FAVORITES:
        return m_Favorites;
    case CARRY_LOCKS:
        break;
    }
    return m_Locks;
}

QString ReferencePreviewDlg::SourceName() const
{
    return QFileInfo(m_Path).fileName();
}

void ReferencePreviewDlg::ChooseFile(const QString& path)
{
    int index = m_Source->findData(path);
    if (index < 0) {
        m_Source->insertItem(0, QFileInfo(path).fileName(), path);
        index = 0;
    }
    if (index == m_Source->currentIndex())
        Load(path);
    else
        m_Source->setCurrentIndex(index);
}

void ReferencePreviewDlg::Load(const QString& path)
{
    m_Path = path;
    m_List.reset();
    m_Plan.reset();
    QString note;
    if (!path.isEmpty()) {
        std::vector<uint8_t> bytes;
        std::string reason;
        const ImageReadResult read = ReadImageFile(QFile::encodeName(path).toStdString(), MAX_CSV_SIZE, bytes, reason);
        if (read == ImageReadResult::Read) {
            auto list = std::make_unique<ReferenceList>(ReferenceList::FromFile(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), AnsiCodePageText()));
            QStringList lines;
            const QString problems = ImportProblemText::Listed(list->Refused() ? list->Errors() : list->Remarks());
            if (!problems.isEmpty())
                lines.append(problems);
            if (list->Refused())
                lines.prepend(tr("The reference cannot be used:"));
            else
                m_List = std::move(list);
            note = lines.join(QLatin1Char('\n'));
        } else {
            note = read == ImageReadResult::TooLarge
                ? tr("The file is larger than %1.").arg(QString::fromStdString(SizeText(MAX_CSV_SIZE)))
                : FileReasonText::Of(reason);
        }
    }
    m_Note->setText(note);
    m_Note->setVisible(!note.isEmpty());

    const bool loaded = m_List != nullptr;
    const ColumnSet columns = loaded ? m_List->Columns() : ColumnSet();
    const unsigned carry = loaded ? DefaultCarry(*m_List) : CARRY_ORDER;
    m_Satellite->setEnabled(loaded && !columns.test(COLUMN_SATELLITE_NAME) && m_Satellite->count() > 0);
    const QSignalBlocker blockOrder(m_Order), blockNames(m_Names), blockFavorites(m_Favorites), blockLocks(m_Locks),
        blockDelete(m_Delete), blockSatellite(m_Satellite);
    m_Order->setChecked(true);
    m_Names->setChecked(false);
    m_Favorites->setChecked((carry & CARRY_FAVORITES) != 0);
    m_Locks->setChecked((carry & CARRY_LOCKS) != 0);
    m_Delete->setChecked(false);
    m_Order->setEnabled(loaded);
    m_Names->setEnabled(loaded && columns.test(COLUMN_NAME));
    m_Favorites->setEnabled(loaded && columns.test(COLUMN_FAVORITES));
    m_Locks->setEnabled(loaded && columns.test(COLUMN_CHILD_LOCK));
    m_Delete->setEnabled(loaded);
    // A text list is matched against the satellite most of its rows find
    // until the user chooses another.
    m_Satellite->setCurrentIndex(-1);
    Replan();
    if (m_Plan && m_Plan->satellite)
        m_Satellite->setCurrentIndex(m_Satellite->findData(*m_Plan->satellite));
}

void ReferencePreviewDlg::ReadOptions()
{
    m_Options.carry = (m_Order->isChecked() ? CARRY_ORDER : 0u) | (m_Names->isChecked() ? CARRY_NAMES : 0u)
        | (m_Favorites->isChecked() ? CARRY_FAVORITES : 0u) | (m_Locks->isChecked() ? CARRY_LOCKS : 0u);
    m_Options.deleteUnlisted = m_Delete->isChecked();
    m_Options.satellite = m_Satellite->isEnabled() && m_Satellite->currentIndex() >= 0
        ? std::optional<uint16_t>(static_cast<uint16_t>(m_Satellite->currentData().toUInt()))
        : std::nullopt;
}

void ReferencePreviewDlg::Replan()
{
    if (m_List) {
        ReadOptions();
        m_Plan = std::make_unique<ReferencePlan>(
            PlanReference(m_document.Database(), *m_List, m_Options, AnsiCodePageText()));
    }
    m_Counts->setText(m_Plan ? ReferenceCounts(*m_Plan) : QString());
    m_Apply->setEnabled(m_Plan && !m_Plan->changes.ChangesNothing());
    m_Show->setEnabled(m_Plan != nullptr);
    FillRows();
}

void ReferencePreviewDlg::FillRows()
{
    m_Rows->SetRedraw(false);
    m_Rows->DeleteAllItems();
    for (size_t i = 0; m_List && i < m_List->Rows().size(); ++i) {
        const ChannelRow& row = m_List->Rows()[i];
        const int item = m_Rows->InsertItem(static_cast<int>(i), ReferenceRowNumber(*m_List, i));
        m_Rows->SetItemText(item, 1, Text(row.Field(COLUMN_NAME)));
        m_Rows->SetItemText(item, 2, Text(row.Field(COLUMN_SERVICE_ID)));
        m_Rows->SetItemText(item, 3, ReferenceRowFound(*m_List, *m_Plan, i));
    }
    m_Rows->SetRedraw(true);
}
