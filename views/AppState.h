#pragma once

#include "ChannelDatabase.h"
#include "ImageDocument.h"

// The data every window shares for the whole run: the image document and
// the user-interface state around it.
class AppState {
public:
    ImageDocument& Document() { return m_Document; }
    const ImageDocument& Document() const { return m_Document; }
    const ChannelDatabase& Database() const { return m_Document.Database(); }

    int m_nListType = LIST_SATELLITES;
    int m_nServiceTab = 0;

private:
    ImageDocument m_Document;
};
