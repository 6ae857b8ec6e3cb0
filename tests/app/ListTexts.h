#pragma once

#include "CReportListCtrl.h"

#include <QtCore/QStringList>

// The texts of one column, top to bottom, as the user reads them.
inline QStringList ColumnTexts(const CReportListCtrl& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.append(list.GetItemText(row, column));
    return texts;
}
