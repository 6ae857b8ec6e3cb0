#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>

class CTavrelDlg;

// The channel list as CSV, out to a spreadsheet and back, and the open image
// compared with another one. An import is one step of the window's history.
class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    explicit ExchangeCommands(CTavrelDlg& window);

    // Shows how the open image's channel list differs from the image in `path`.
    void CompareWithFile(const QString& path);

public slots:
    void OnExportCsv();
    void OnImportCsv();
    void OnCompareWith();

private:
    // There is a channel list to export, import into or compare; tells the user when not.
    bool HasChannelList() const;

    CTavrelDlg& m_window;
};
