#pragma once

#include "ChannelDatabase.h"
#include "ImportProblem.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

#include <vector>

// What a CSV import or a reference list found, in the user's language.
// Fields, column headings and table names stay as the file writes them.
class ImportProblemText {
    Q_DECLARE_TR_FUNCTIONS(ImportProblemText)

public:
    static QString Of(const ImportProblem& problem);
    // One a line, the first MAX_LISTED of them, then how many more there are.
    static QString Listed(const std::vector<ImportProblem>& problems);

private:
    static QString Encoding(const std::string& name);
    static QString CodePage(uint64_t codePage);
    static QString Undecoded(DecodeProblem problem, int table);
};
