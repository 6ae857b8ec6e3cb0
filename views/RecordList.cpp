#include "RecordList.h"

#include "CReportListCtrl.h"
#include "CodePage.h"
#include "ImageDocument.h"
#include "UserPrompts.h"
#include "ValueNames.h"
#include "ValueText.h"
#include "ViewLists.h"
#include "ViewState.h"

#include <QtCore/QCoreApplication>

namespace {

struct Column {
    const char* heading;
    int width;
};

constexpr Column SATELLITE_COLUMNS[] = {
    { QT_TRANSLATE_NOOP("RecordList", "SatNO."), 60 }, { QT_TRANSLATE_NOOP("RecordList", "SatName"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "Longitude(E)"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "LnbType"), 60 }, { QT_TRANSLATE_NOOP("RecordList", "LnbPower"), 80 },
    { QT_TRANSLATE_NOOP("RecordList", "LnbFreLow"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "LnbFreHigh"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "22K"), 60 }, { QT_TRANSLATE_NOOP("RecordList", "0/12V"), 60 }, { QT_TRANSLATE_NOOP("RecordList", "DiSEqC1.0"), 80 },
    { QT_TRANSLATE_NOOP("RecordList", "DiSEqC1.2En"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "Postion"), 60 },
};

constexpr Column TRANSPONDER_COLUMNS[] = {
    { QT_TRANSLATE_NOOP("RecordList", "TpNO."), 60 }, { QT_TRANSLATE_NOOP("RecordList", "Frequency"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "Polarization"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "Symbol Rate"), 80 },
};

constexpr Column PROGRAM_COLUMNS[] = {
    { QT_TRANSLATE_NOOP("RecordList", "ProgNO."), 60 }, { QT_TRANSLATE_NOOP("RecordList", "ProgName"), 100 }, { QT_TRANSLATE_NOOP("RecordList", "ServiceID"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "VideoPid"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "AudioPid"), 80 },
    { QT_TRANSLATE_NOOP("RecordList", "PcrPid"), 80 }, { QT_TRANSLATE_NOOP("RecordList", "Scramble"), 60 }, { QT_TRANSLATE_NOOP("RecordList", "Track"), 60 }, { QT_TRANSLATE_NOOP("RecordList", "ChildLock"), 60 }, { QT_TRANSLATE_NOOP("RecordList", "Favorite"), 80 },
};

// Every list has at most this many columns; deleting column 0 that often
// clears whatever list was shown before.
constexpr int MAX_COLUMNS = 12;

QString Number(int value)
{
    return QString::number(value);
}

template <size_t N>
void ReplaceColumns(CReportListCtrl& list, const Column (&columns)[N])
{
    for (int i = 0; i < MAX_COLUMNS; ++i)
        list.DeleteColumn(0);
    for (size_t i = 0; i < N; ++i)
        list.InsertColumn(
            static_cast<int>(i), QCoreApplication::translate("RecordList", columns[i].heading), columns[i].width);
}

QString FavoriteText(uint8_t favoriteBits)
{
    QString text;
    for (int bit = 1; bit <= 6; ++bit) {
        if ((favoriteBits & (1u << bit)) == 0) {
            text += ValueText(VALUE_FAVORITE + bit - 1);
            text += QLatin1Char('/');
        }
    }
    return text;
}

void AddProgramRow(CReportListCtrl& list, int row, const ProgramRecord& prog, quintptr source)
{
    list.InsertItem(row, Number(row + 1));
    list.SetItemData(row, source);
    list.SetItemText(row, 1, AnsiToText(prog.name, NAME_BYTES));
    list.SetItemText(row, 2, Number(prog.serviceId));
    list.SetItemText(row, 3, Number(prog.videoPid));
    list.SetItemText(row, 4, Number(prog.audioPid));
    list.SetItemText(row, 5, Number(prog.pcrPid));
    list.SetItemText(row, 6, Number(prog.scramble));
    list.SetItemText(row, 7, Number(prog.track));
    list.SetItemText(row, 8, Number(prog.lockBit == 0 ? 1 : 0));
    list.SetItemText(row, 9, FavoriteText(prog.favoriteBits));
}

bool OfTabKind(const ProgramRecord& prog, int serviceTab)
{
    return (prog.videoPid != 0) == (serviceTab == 0);
}

void FillSatellites(CReportListCtrl& list, const ChannelDatabase& db, QWidget* parent)
{
    if (db.m_nSatCount == 0)
        return;
    ReplaceColumns(list, SATELLITE_COLUMNS);
    for (uint16_t i = 0; i < db.m_nSatCount; ++i) {
        const SatelliteRecord& sat = db.m_SatTable[i];
        list.InsertItem(i, Number(i + 1));
        list.SetItemData(i, i);
        list.SetItemText(i, 1, AnsiToText(sat.name, NAME_BYTES));
        list.SetItemText(i, 2, Number(sat.longitude));
        if (sat.lnbType == 3) {
            list.SetRedraw(true);
            ShowWarning(parent, QCoreApplication::translate("RecordList", "LNB Type is error!"));
            return;
        }
        list.SetItemText(i, 3, ValueText(VALUE_LNB_TYPE + sat.lnbType));
        if (sat.lnbPower == 3) {
            list.SetRedraw(true);
            ShowWarning(parent, QCoreApplication::translate("RecordList", "LNB Power is error!"));
            return;
        }
        list.SetItemText(i, 4, ValueText(VALUE_LNB_POWER + sat.lnbPower));
        list.SetItemText(i, 5, Number(sat.lnbFreLow));
        list.SetItemText(i, 6, Number(sat.lnbFreHigh));
        list.SetItemText(i, 7, Number(sat.tone22k));
        list.SetItemText(i, 8, Number(sat.power012v));
        list.SetItemText(i, 9, Number(sat.diseqc10));
        list.SetItemText(i, 10, Number(sat.diseqc12En));
        list.SetItemText(i, 11, Number(sat.position));
    }
}

void FillTransponders(CReportListCtrl& list, const ChannelDatabase& db, const ViewLists::Fill& fill, QWidget* parent)
{
    if (fill.outcome == ViewLists::Outcome::NoTransponders)
        return;
    ReplaceColumns(list, TRANSPONDER_COLUMNS);
    if (fill.outcome == ViewLists::Outcome::TvCountWrong) {
        list.SetRedraw(true);
        ShowWarning(parent, QCoreApplication::translate("RecordList", "Tv number under sat is wrong!"));
        return;
    }
    if (fill.outcome == ViewLists::Outcome::RadioCountWrong) {
        list.SetRedraw(true);
        ShowWarning(parent, QCoreApplication::translate("RecordList", "Radio number under sat is wrong!"));
        return;
    }
    for (uint16_t j = 0; j < fill.rows; ++j) {
        const TransponderRecord& tp = db.m_SatTpList[j];
        list.InsertItem(j, Number(j + 1));
        list.SetItemData(j, j);
        list.SetItemText(j, 1, Number(tp.frequency));
        list.SetItemText(j, 2, Number(tp.polarization));
        list.SetItemText(j, 3, Number(tp.symbolRate));
    }
}

void FillPrograms(CReportListCtrl& list, const ChannelDatabase& db, int serviceTab)
{
    if ((serviceTab == 0 && db.m_nTvCount == 0) || (serviceTab != 0 && db.m_nRadioCount == 0))
        return;
    ReplaceColumns(list, PROGRAM_COLUMNS);
    int row = 0;
    for (uint16_t p = 0; p < db.m_nProgCount; ++p) {
        const ProgramRecord& prog = db.m_ProgTable[p];
        if (OfTabKind(prog, serviceTab))
            AddProgramRow(list, row++, prog, p);
    }
}

void FillTransponderPrograms(CReportListCtrl& list, const ChannelDatabase& db, uint16_t rows, int serviceTab)
{
    ReplaceColumns(list, PROGRAM_COLUMNS);
    const ProgramRecord* shown = serviceTab == 0 ? db.m_TpTvList : db.m_TpRadioList;
    for (uint16_t row = 0; row < rows; ++row)
        AddProgramRow(list, row, shown[row], row);
}

} // namespace

void FillRecordList(CReportListCtrl& list, ImageDocument& document, ViewState& view, int listType, QWidget* messageParent)
{
    const ViewLists::Fill fill = document.ShowList(listType, view.satellite, view.transponder, view.serviceTab);
    const ChannelDatabase& db = document.Database();

    list.SetRedraw(false);
    list.DeleteAllItems();
    view.listType = listType;
    switch (listType) {
    case LIST_SATELLITES:
        FillSatellites(list, db, messageParent);
        break;
    case LIST_TRANSPONDERS:
        FillTransponders(list, db, fill, messageParent);
        break;
    case LIST_PROGRAMS:
        FillPrograms(list, db, view.serviceTab);
        break;
    case LIST_TP_PROGRAMS:
        FillTransponderPrograms(list, db, fill.rows, view.serviceTab);
        break;
    default:
        break;
    }
    list.SetRedraw(true);
}

namespace {

ProgramRow ProgramOfItem(const ChannelDatabase& db, const ViewState& view, quintptr source)
{
    ProgramRow none { nullptr, TABLE_TV, 0 };
    const ProgramRecord* record = nullptr;
    if (view.listType == LIST_PROGRAMS && source < db.m_nProgCount) {
        record = &db.m_ProgTable[source];
        const int table = source < db.m_nTvCount ? TABLE_TV : TABLE_RADIO;
        return { record, table, record->tableIndex };
    }
    if (view.listType == LIST_TP_PROGRAMS) {
        const bool tv = view.serviceTab == 0;
        if (source < static_cast<quintptr>(tv ? MAX_TP_TV : MAX_TP_RADIO))
            record = tv ? &db.m_TpTvList[source] : &db.m_TpRadioList[source];
    }
    if (!record)
        return none;
    // m_ProgTable holds the TV table's records first, so a record's table is
    // where its entry stands, whatever its video PID says.
    for (uint16_t p = 0; p < db.m_nProgCount; ++p) {
        if (db.m_ProgTable[p].entry == record->entry && db.m_ProgTable[p].tableIndex == record->tableIndex)
            return { record, p < db.m_nTvCount ? TABLE_TV : TABLE_RADIO, record->tableIndex };
    }
    return { record, TABLE_TV, record->tableIndex };
}

} // namespace

ProgramRow ProgramOfRow(const CReportListCtrl& list, const ChannelDatabase& db, const ViewState& view, int row)
{
    if (row < 0 || row >= list.GetItemCount())
        return { nullptr, TABLE_TV, 0 };
    return ProgramOfItem(db, view, list.GetItemData(row));
}

uint32_t RecordOfItem(const ChannelDatabase& db, const ViewState& view, quintptr source)
{
    switch (view.listType) {
    case LIST_SATELLITES:
        return source < db.m_nSatCount ? EntryOffset(db.m_SatTable[source].entry) : NO_RECORD;
    case LIST_TRANSPONDERS:
        return source < db.m_nSatTpCount ? EntryOffset(db.m_SatTpList[source].entry) : NO_RECORD;
    case LIST_PROGRAMS:
    case LIST_TP_PROGRAMS: {
        const ProgramRow program = ProgramOfItem(db, view, source);
        return program.record ? EntryOffset(program.record->entry) : NO_RECORD;
    }
    default:
        return NO_RECORD;
    }
}
