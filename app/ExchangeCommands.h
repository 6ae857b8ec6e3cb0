#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>

class ImageDocument;
class QWidget;

// The channel list as CSV, out to a spreadsheet and back, and the open image
// compared with another one. An import is one step of the document's history.
class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    // What the commands ask of the window around them.
    class Host {
    public:
        virtual ImageDocument& Document() = 0;
        // No transfer runs.
        virtual bool IsIdle() const = 0;

    protected:
        ~Host() = default;
    };

    // `window` stands behind every message.
    ExchangeCommands(Host& host, QWidget& window);

    // Shows how the open image's channel list differs from the image in `path`.
    void CompareWithFile(const QString& path);

public slots:
    void OnExportCsv();
    void OnImportCsv();
    void OnCompareWith();

private:
    // There is a channel list to export, import into or compare; tells the user when not.
    bool HasChannelList() const;

    Host& m_host;
    QWidget& m_window;
};
