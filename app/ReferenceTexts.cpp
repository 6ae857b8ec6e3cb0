#include "ReferenceTexts.h"

#include "ReferencePlan.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QStringList>

namespace {

QString TableText(int table)
{
    switch (table) {
    case TABLE_TV:
        return QCoreApplication::translate("ReferenceTexts", "TV");
    case TABLE_RADIO:
        return QCoreApplication::translate("ReferenceTexts", "Radio");
    default:
        return QCoreApplication::translate("ReferenceTexts", "TV or radio");
    }
}

} // namespace

QString ReferenceRowNumber(const ReferenceList& list, size_t row)
{
    const ChannelRow& reference = list.Rows()[row];
    if (list.Kind() == ReferenceList::Source::Csv)
        return QString::number(reference.source);
    return QString::fromStdString(std::string(reference.Field(COLUMN_POSITION)));
}

QString ReferenceRowFound(const ReferenceList& list, const ReferencePlan& plan, size_t row)
{
    const RowMatch& match = plan.matches[row];
    switch (match.outcome) {
    case MatchOutcome::Matched: {
        const ChannelRow& program = plan.programs[static_cast<size_t>(match.target)];
        return QStringLiteral("%1 %2 %3")
            .arg(TableText(program.table), QString::fromStdString(std::string(program.Field(COLUMN_POSITION))),
                QString::fromStdString(std::string(program.Field(COLUMN_NAME))));
    }
    case MatchOutcome::Ambiguous:
        return QCoreApplication::translate("ReferenceTexts", "fits several programs");
    case MatchOutcome::Repeated:
        return QCoreApplication::translate("ReferenceTexts", "the program of No. %1").arg(ReferenceRowNumber(list, static_cast<size_t>(match.earlier)));
    case MatchOutcome::Unmatched:
        break;
    }
    return QCoreApplication::translate("ReferenceTexts", "not found");
}

QString ReferenceCounts(const ReferencePlan& plan)
{
    QStringList lines;
    for (const ReferencePlan::Table& table : plan.tables) {
        const size_t unplaced = table.notFound.size() + table.ambiguous.size() + table.repeated.size();
        if (table.table == EITHER_PROGRAM_TABLE) {
            if (unplaced > 0)
                lines.append(QCoreApplication::translate("ReferenceTexts", "%1: %2 not found, %3 fit several programs, %4 repeated")
                                 .arg(TableText(table.table))
                                 .arg(table.notFound.size())
                                 .arg(table.ambiguous.size())
                                 .arg(table.repeated.size()));
            continue;
        }
        lines.append(QCoreApplication::translate("ReferenceTexts", "%1: %2 matched, %3 not found, %4 fit several programs, %5 repeated; not in the "
                        "reference: %6")
                         .arg(TableText(table.table))
                         .arg(table.matched.size())
                         .arg(table.notFound.size())
                         .arg(table.ambiguous.size())
                         .arg(table.repeated.size())
                         .arg(table.unlisted.size()));
    }
    return lines.join(QLatin1Char('\n'));
}
