#include "DiffText.h"

#include <algorithm>

QString DiffText::Table(int table)
{
    switch (table) {
    case TABLE_SATELLITES:
        return tr("satellites", "table");
    case TABLE_TRANSPONDERS:
        return tr("transponders", "table");
    case TABLE_TV:
        return tr("tv", "table");
    default:
        return tr("radio", "table");
    }
}

QString DiffText::Kind(DiffKind kind)
{
    switch (kind) {
    case DiffKind::Removed:
        return tr("removed");
    case DiffKind::Added:
        return tr("added");
    case DiffKind::Moved:
        return tr("moved");
    case DiffKind::Changed:
        break;
    }
    return tr("changed");
}

QString DiffText::Label(const DiffEntry& entry)
{
    if (entry.table != TABLE_TRANSPONDERS)
        return QString::fromStdString(DiffLabel(entry));
    const ChannelRow& row = entry.kind == DiffKind::Removed ? entry.before : entry.after;
    //: A transponder: %1 its frequency, %2 its polarization, %3 its satellite's name.
    return tr("%1 polarization %2 on %3")
        .arg(QString::fromStdString(std::string(row.Field(COLUMN_FREQUENCY))),
            QString::fromStdString(std::string(row.Field(COLUMN_POLARIZATION))),
            QString::fromStdString(DiffValueText(COLUMN_SATELLITE_NAME, row.Field(COLUMN_SATELLITE_NAME))));
}

QString DiffText::Line(const DiffEntry& entry)
{
    const QString position = QString::fromStdString(DiffPosition(entry));
    if (entry.kind != DiffKind::Changed)
        //: %1 table, %2 what happened, %3 the position, %4 the record.
        return tr("%1: %2 %3 %4").arg(Table(entry.table), Kind(entry.kind), position, Label(entry));
    //: %1 table, %2 what happened, %3 the position, %4 the record, %5 its changed fields.
    return tr("%1: %2 %3 %4: %5")
        .arg(Table(entry.table), Kind(entry.kind), position, Label(entry), QString::fromStdString(DiffDetails(entry)));
}

QString DiffText::Verification(const FlashVerification& verification, size_t maxListed)
{
    const int ranges = int(verification.ranges.size());
    //: %1 is "3 bytes differ", %2 is "2 ranges".
    QString text = tr("%1, in %2:")
                       .arg(tr("%n byte(s) differ(s)", nullptr, int(verification.differingBytes)),
                           tr("%n range(s)", nullptr, ranges))
        + QLatin1Char('\n');
    for (size_t i = 0; i < std::min(verification.ranges.size(), maxListed); ++i)
        text += QStringLiteral("  ") + QString::fromStdString(ByteRangeText(verification.ranges[i])) + QLatin1Char('\n');
    if (verification.ranges.size() > maxListed)
        text += QStringLiteral("  ") + tr("and %n more range(s)", nullptr, ranges - int(maxListed)) + QLatin1Char('\n');

    if (!verification.recordsCompared)
        return text + tr("Records not compared: the image or the flash does not decode.");
    const std::vector<DiffEntry>& entries = verification.records.entries;
    if (entries.empty())
        return text + tr("The records are the same; the bytes differ outside them.");
    const int records = int(entries.size());
    text += tr("%n record(s) differ(s):", nullptr, records) + QLatin1Char('\n');
    for (size_t i = 0; i < std::min(entries.size(), maxListed); ++i)
        text += QStringLiteral("  ") + Line(entries[i]) + QLatin1Char('\n');
    if (entries.size() > maxListed)
        text += QStringLiteral("  ") + tr("and %n more record(s)", nullptr, records - int(maxListed)) + QLatin1Char('\n');
    return text.trimmed();
}
