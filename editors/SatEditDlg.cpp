#include "SatEditDlg.h"

#include "EditorFields.h"
#include "EditorResources.h"
#include "ValueNames.h"
#include "ValueText.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

namespace {

// A combo whose item index is the value of one switch field.
struct SwitchCombo {
    int id;
    int firstName; // its items are ValueNames from here on
    int items;
};

constexpr SwitchCombo SWITCH_COMBOS[] = {
    { IDC_SATEDIT_LNB_TYPE, VALUE_LNB_TYPE, 3 },
    { IDC_SATEDIT_LNB_POWER, VALUE_LNB_POWER, 3 },
    { IDC_SATEDIT_DISEQC10, VALUE_DISEQC10, 5 },
    { IDC_SATEDIT_22K, VALUE_SWITCH, 2 },
    { IDC_SATEDIT_DISEQC12, VALUE_SWITCH, 2 },
    { IDC_SATEDIT_012V, VALUE_SWITCH, 2 },
};

int SwitchValue(const SatelliteRecord& sat, int comboId)
{
    switch (comboId) {
    case IDC_SATEDIT_LNB_TYPE:
        return sat.lnbType;
    case IDC_SATEDIT_LNB_POWER:
        return sat.lnbPower;
    case IDC_SATEDIT_DISEQC10:
        return sat.diseqc10;
    case IDC_SATEDIT_22K:
        return sat.tone22k;
    case IDC_SATEDIT_DISEQC12:
        return sat.diseqc12En;
    case IDC_SATEDIT_012V:
        return sat.power012v;
    }
    return -1;
}

void SetSwitchValue(SatelliteRecord& sat, int comboId, unsigned value)
{
    switch (comboId) {
    case IDC_SATEDIT_LNB_TYPE:
        sat.lnbType = value & 0x3;
        break;
    case IDC_SATEDIT_LNB_POWER:
        sat.lnbPower = value & 0x3;
        break;
    case IDC_SATEDIT_DISEQC10:
        sat.diseqc10 = value & 0x7;
        break;
    case IDC_SATEDIT_22K:
        sat.tone22k = value & 0x1;
        break;
    case IDC_SATEDIT_DISEQC12:
        sat.diseqc12En = value & 0x1;
        break;
    case IDC_SATEDIT_012V:
        sat.power012v = value & 0x1;
        break;
    }
}

} // namespace

SatEditDlg::SatEditDlg(QWidget* parent)
    : TemplateDialog(SatEditDialogTemplate(), parent)
{
}

std::optional<SatelliteRecord> SatEditDlg::Edit(const SatelliteRecord& sat, uint16_t row)
{
    m_sat = sat;
    m_nRow = row;
    if (DoModal() != QDialog::Accepted)
        return std::nullopt;
    return m_sat;
}

bool SatEditDlg::OnInitDialog()
{
    const SatelliteRecord& sat = m_sat;

    connect(Control<QPushButton>(IDC_SATEDIT_OK), &QPushButton::clicked, this, &SatEditDlg::OnOK);
    connect(Control<QPushButton>(IDC_SATEDIT_CANCEL), &QPushButton::clicked, this, &SatEditDlg::reject);

    SetItemText(IDC_SATEDIT_NO, QString::asprintf("%d", m_nRow + 1));
    SetItemText(IDC_SATEDIT_NAME, NameFieldText(sat.name));
    SetItemText(IDC_SATEDIT_LONGITUDE, QString::asprintf("%d", sat.longitude));
    SetItemText(IDC_SATEDIT_LNB_LOW, QString::asprintf("%d", sat.lnbFreLow));
    SetItemText(IDC_SATEDIT_LNB_HIGH, QString::asprintf("%d", sat.lnbFreHigh));
    SetItemText(IDC_SATEDIT_POSITION, QString::asprintf("%d", sat.position));
    LimitNameField(Control<QLineEdit>(IDC_SATEDIT_NAME));
    for (const int id : { IDC_SATEDIT_LONGITUDE, IDC_SATEDIT_LNB_LOW, IDC_SATEDIT_LNB_HIGH })
        LimitNumberField(Control<QLineEdit>(id), MAX_WORD);
    LimitNumberField(Control<QLineEdit>(IDC_SATEDIT_POSITION), MAX_POSITION);

    for (const SwitchCombo& entry : SWITCH_COMBOS) {
        auto* combo = Control<QComboBox>(entry.id);
        for (int i = 0; i < entry.items; ++i)
            combo->addItem(ValueText(entry.firstName + i));
        const int value = SwitchValue(sat, entry.id);
        combo->setCurrentIndex(value < entry.items ? value : -1);
        const int id = entry.id;
        connect(combo, &QComboBox::activated, this, [this, id](int index) { OnSwitchChange(id, index); });
    }
    return true;
}

void SatEditDlg::OnSwitchChange(int comboId, int index)
{
    SetSwitchValue(m_sat, comboId, static_cast<unsigned>(index));
}

void SatEditDlg::OnOK()
{
    SatelliteRecord& sat = m_sat;
    StoreNameField(ItemText(IDC_SATEDIT_NAME), sat.name);
    sat.longitude = ReadNumberField(ItemText(IDC_SATEDIT_LONGITUDE), 5) & 0xFFFF;
    sat.lnbFreLow = ReadNumberField(ItemText(IDC_SATEDIT_LNB_LOW), 5) & 0xFFFF;
    sat.lnbFreHigh = ReadNumberField(ItemText(IDC_SATEDIT_LNB_HIGH), 5) & 0xFFFF;
    sat.position = ReadNumberField(ItemText(IDC_SATEDIT_POSITION), 2) & 0x3F;
    accept();
}
