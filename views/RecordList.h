#pragma once

#include "ChannelDatabase.h"

#include <QtCore/QtGlobal>

#include <cstdint>

class CReportListCtrl;
class ImageDocument;
struct ViewState;
class QWidget;

// Rebuilds the record list for a list type and fills the view lists of the
// database that the editors and the delete and move commands work from.
// Sets view.listType. Each row's item data is the index of its record
// in the row's source: m_SatTable (satellites), m_SatTpList (transponders),
// m_ProgTable (all programs), m_TpTvList or m_TpRadioList (programs of a
// transponder).
void FillRecordList(CReportListCtrl& list, ImageDocument& document, ViewState& view, int listType, QWidget* messageParent);

// The record a row of a program list stands for, and where it lives.
struct ProgramRow {
    const ProgramRecord* record; // null when the row shows no program
    int table;                   // TABLE_TV or TABLE_RADIO: the directory table holding it
    uint16_t tableIndex;         // its position in that table
};

ProgramRow ProgramOfRow(const CReportListCtrl& list, const ChannelDatabase& db, const ViewState& view, int row);

// The offset of the record a row with item data `data` stands for in the
// list shown; NO_RECORD when there is none.
constexpr uint32_t NO_RECORD = 0xFFFFFFFF;
uint32_t RecordOfItem(const ChannelDatabase& db, const ViewState& view, quintptr data);
