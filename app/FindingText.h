#pragma once

#include "ListCheck.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

// A finding of the list check in the user's language, built from what the
// finding is made of rather than from its English line.
class FindingText {
    Q_DECLARE_TR_FUNCTIONS(FindingText)

public:
    static QString Of(const Finding& finding);
    // The plural name of a kind, as a group heading.
    static QString KindName(FindingKind kind);
    // A finding that "Remove duplicates" left alone, and why.
    static QString Kept(const Finding& finding);

private:
    static QString Record(const RecordWords& record);
    static QString Table(int table);
};
