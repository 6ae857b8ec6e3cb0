#pragma once

#include "ImageDocument.h"

#include <QtCore/QObject>

// The document's changes as Qt signals, for the views to follow. Listens
// to the document for as long as it lives.
class DocumentSignals : public QObject, private ImageDocument::Listener {
    Q_OBJECT

public:
    explicit DocumentSignals(ImageDocument& document, QObject* parent = nullptr);
    ~DocumentSignals() override;

signals:
    void imageAboutToChange();
    void imageChanged(const ImageDocument::Change& change);
    void modifiedChanged(bool modified);
    void historyChanged();

private:
    void ImageAboutToChange() override { emit imageAboutToChange(); }
    void ImageChanged(const ImageDocument::Change& change) override { emit imageChanged(change); }
    void ModifiedChanged(bool modified) override { emit modifiedChanged(modified); }
    void HistoryChanged() override { emit historyChanged(); }

    ImageDocument& m_document;
};
