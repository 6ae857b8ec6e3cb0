#include "TpEditDlg.h"

#include "EditorFields.h"
#include "EditorResources.h"
#include "UserPrompts.h"
#include "ValueNames.h"
#include "ValueText.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

TpEditDlg::TpEditDlg(const ChannelDatabase& db, QWidget* parent)
    : TemplateDialog(TpEditDialogTemplate(), parent)
    , m_db(db)
{
}

std::optional<TransponderRecord> TpEditDlg::Edit(const TransponderRecord& tp)
{
    m_tp = tp;
    if (DoModal() != QDialog::Accepted)
        return std::nullopt;
    return m_tp;
}

bool TpEditDlg::OnInitDialog()
{
    const ChannelDatabase& db = m_db;
    const TransponderRecord& tp = m_tp;
    const uint16_t satPosition = db.FindSatellitePosition(tp.satId);
    if (satPosition >= db.m_nSatCount) {
        Prompts().Message(parentWidget(), tr("Can't find the current sat no.!"), TITLE_WARNING,
            PromptIcon::Warning, PromptButtons::Ok);
        return false;
    }

    connect(Control<QPushButton>(IDC_TPEDIT_OK), &QPushButton::clicked, this, &TpEditDlg::OnOK);
    connect(Control<QPushButton>(IDC_TPEDIT_CANCEL), &QPushButton::clicked, this, &TpEditDlg::reject);

    SetItemText(IDC_TPEDIT_SAT_NO, QString::asprintf("%d", satPosition + 1));
    SetItemText(IDC_TPEDIT_SAT_NAME, NameFieldText(db.m_SatTable[satPosition].name));
    SetItemText(IDC_TPEDIT_TP_INDEX, QString::asprintf("%d", tp.tpId));
    SetItemText(IDC_TPEDIT_FREQUENCY, QString::asprintf("%d", tp.frequency));
    SetItemText(IDC_TPEDIT_SYMBOL_RATE, QString::asprintf("%d", tp.symbolRate));
    LimitNumberField(Control<QLineEdit>(IDC_TPEDIT_FREQUENCY), MAX_FREQUENCY);
    LimitNumberField(Control<QLineEdit>(IDC_TPEDIT_SYMBOL_RATE), MAX_WORD);

    auto* polarization = Control<QComboBox>(IDC_TPEDIT_POLARIZATION);
    polarization->addItem(ValueText(VALUE_POLARIZATION));
    polarization->addItem(ValueText(VALUE_POLARIZATION + 1));
    polarization->setCurrentIndex(tp.polarization < 2 ? tp.polarization : -1);
    connect(polarization, &QComboBox::activated, this, &TpEditDlg::OnPolarizationChange);
    return true;
}

void TpEditDlg::OnPolarizationChange(int index)
{
    m_tp.polarization = static_cast<unsigned>(index) & 0x3;
}

void TpEditDlg::OnOK()
{
    TransponderRecord& tp = m_tp;
    tp.frequency = ReadNumberField(ItemText(IDC_TPEDIT_FREQUENCY), 5) & 0x3FFF;
    tp.symbolRate = ReadNumberField(ItemText(IDC_TPEDIT_SYMBOL_RATE), 5) & 0xFFFF;
    accept();
}
