#pragma once

#include <QtWidgets/QDialog>

class CReportListCtrl;
struct ChannelDiff;

// A read-only list of what differs from the open image to another one: one
// row per record added, removed, moved or changed.
class CCompareDlg : public QDialog {
    Q_OBJECT

public:
    CCompareDlg(const ChannelDiff& diff, const QString& otherPath, QWidget* parent = nullptr);

    CReportListCtrl* List() const { return m_List; }

private:
    CReportListCtrl* m_List;
};
