#include "DocumentSignals.h"

DocumentSignals::DocumentSignals(ImageDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
    m_document.SetListener(this);
}

DocumentSignals::~DocumentSignals()
{
    m_document.SetListener(nullptr);
}
