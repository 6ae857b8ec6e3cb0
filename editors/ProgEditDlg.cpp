#include "ProgEditDlg.h"

#include "EditorFields.h"
#include "EditorResources.h"
#include "ValueNames.h"
#include "ValueText.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

ProgEditDlg::ProgEditDlg(const ChannelDatabase& db, QWidget* parent)
    : TemplateDialog(ProgEditDialogTemplate(), parent)
    , m_db(db)
{
}

std::optional<ProgramRecord> ProgEditDlg::Edit(const ProgramRecord& prog, uint16_t row, bool advancedMode)
{
    m_CurProg = prog;
    m_nRow = row;
    m_advancedMode = advancedMode;
    if (DoModal() != QDialog::Accepted)
        return std::nullopt;
    return m_CurProg;
}

bool ProgEditDlg::OnInitDialog()
{

    connect(Control<QPushButton>(IDC_PROG_OK), &QPushButton::clicked, this, &ProgEditDlg::OnOK);
    connect(Control<QPushButton>(IDC_PROG_CANCEL), &QPushButton::clicked, this, &ProgEditDlg::reject);

    SetItemText(IDC_PROG_NO, QString::asprintf("%d", m_nRow + 1));
    ShowSatellite();
    ShowFrequency();
    SetItemText(IDC_PROG_NAME, NameFieldText(m_CurProg.name));
    SetItemText(IDC_PROG_VIDEO_PID, QString::asprintf("%d", m_CurProg.videoPid));
    SetItemText(IDC_PROG_AUDIO_PID, QString::asprintf("%d", m_CurProg.audioPid));
    SetItemText(IDC_PROG_PCR_PID, QString::asprintf("%d", m_CurProg.pcrPid));
    SetItemText(IDC_PROG_SERVICE_ID, QString::asprintf("%d", m_CurProg.serviceId));
    SetItemText(IDC_PROG_SCRAMBLE, QString::asprintf("%d", m_CurProg.scramble));
    LimitNameField(Control<QLineEdit>(IDC_PROG_NAME));
    for (const int id : { IDC_PROG_VIDEO_PID, IDC_PROG_AUDIO_PID, IDC_PROG_PCR_PID })
        LimitNumberField(Control<QLineEdit>(id), MAX_PID);
    LimitNumberField(Control<QLineEdit>(IDC_PROG_SERVICE_ID), MAX_WORD);
    LimitKeyField(Control<QLineEdit>(IDC_PROG_BISS_KEY));

    auto* track = Control<QComboBox>(IDC_PROG_TRACK);
    for (int i = 0; i < 3; ++i)
        track->addItem(ValueText(VALUE_TRACK + i));
    track->setCurrentIndex(m_CurProg.track < 3 ? m_CurProg.track : -1);
    connect(track, &QComboBox::activated, this, &ProgEditDlg::OnTrackChange);

    auto* lock = Control<QComboBox>(IDC_PROG_CHILD_LOCK);
    lock->addItem(tr("Locked"));
    lock->addItem(tr("UnLocked"));
    lock->setCurrentIndex((m_CurProg.lockBit & 1) ? 1 : 0);
    connect(lock, &QComboBox::activated, this, &ProgEditDlg::OnChildLockChange);

    for (int bit = 1; bit <= 6; ++bit) {
        const bool member = (m_CurProg.favoriteBits & (1u << bit)) == 0;
        Control<QCheckBox>(IDC_PROG_FAVORITES[bit - 1])->setChecked(member);
    }

    const bool keyShown = KeyRowShown();
    for (const int id : { IDC_PROG_BISS_KEY, IDC_PROG_BISS_LABEL, IDC_PROG_BISS_FRAME })
        Control(id)->setVisible(keyShown);
    if (keyShown)
        SetItemText(IDC_PROG_BISS_KEY, BissKeyText(m_CurProg.bissKey));
    return true;
}

// The satellite the program is on, by its position in the satellite table.
void ProgEditDlg::ShowSatellite()
{
    const uint16_t position = m_db.FindSatellitePosition(m_CurProg.satId);
    if (position >= m_db.m_nSatCount)
        return;
    SetItemText(IDC_PROG_SAT_NO, QString::asprintf("%d", position + 1));
    SetItemText(IDC_PROG_SAT_NAME, NameFieldText(m_db.m_SatTable[position].name));
}

void ProgEditDlg::ShowFrequency()
{
    const uint16_t position = m_db.FindTransponderPosition(m_CurProg.tpId);
    if (position >= m_db.m_nTpCount)
        return;
    const TransponderRecord& tp = m_db.m_TpTable[position];
    SetItemText(IDC_PROG_FREQUENCY,
        QString::asprintf("%d/%d/", tp.frequency, tp.symbolRate)
            + QLatin1String(tp.polarization == 0 ? "H" : "V"));
}

bool ProgEditDlg::KeyRowShown() const
{
    return m_db.m_bKeyArea && m_advancedMode;
}

void ProgEditDlg::OnTrackChange(int index)
{
    m_CurProg.track = static_cast<uint16_t>(index) & 0x3;
}

void ProgEditDlg::OnChildLockChange(int index)
{
    m_CurProg.lockBit = static_cast<uint8_t>(index);
}

void ProgEditDlg::OnOK()
{
    StoreNameField(ItemText(IDC_PROG_NAME), m_CurProg.name);
    m_CurProg.videoPid = ReadNumberField(ItemText(IDC_PROG_VIDEO_PID), 4) & 0x1FFF;
    m_CurProg.audioPid = ReadNumberField(ItemText(IDC_PROG_AUDIO_PID), 4) & 0x1FFF;
    m_CurProg.pcrPid = ReadNumberField(ItemText(IDC_PROG_PCR_PID), 4) & 0x1FFF;
    m_CurProg.serviceId = ReadNumberField(ItemText(IDC_PROG_SERVICE_ID), 5) & 0xFFFF;

    uint8_t favorites = 0;
    for (int bit = 1; bit <= 6; ++bit) {
        if (!Control<QCheckBox>(IDC_PROG_FAVORITES[bit - 1])->isChecked())
            favorites |= static_cast<uint8_t>(1u << bit);
    }
    m_CurProg.favoriteBits = favorites;

    if (KeyRowShown())
        ReadBissKey(ItemText(IDC_PROG_BISS_KEY), m_CurProg.bissKey);
    accept();
}
