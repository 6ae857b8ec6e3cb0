#include "DiffText.h"

#include <QtCore/QStringList>

#include <algorithm>
#include <iterator>

namespace {

// The columns by their CSV headings, which is how an English user knows them.
constexpr struct {
    const char* source;
    const char* comment;
} COLUMN_NAMES[] = {
    QT_TRANSLATE_NOOP3("DiffText", "table", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "position", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "offset", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "name", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "sat_id", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "tp_id", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "satellite_position", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "satellite_name", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "transponder_position", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "frequency", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "polarization", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "symbol_rate", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "longitude", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "lnb_low", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "lnb_high", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "lnb_type", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "lnb_power", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "tone_22k", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "power_0_12v", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "diseqc_10", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "diseqc_12", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "motor_position", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "service_id", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "video_pid", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "audio_pid", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "pcr_pid", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "scramble", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "track", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "child_lock", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "favorites", "field"),
    QT_TRANSLATE_NOOP3("DiffText", "biss_key", "field"),
};
static_assert(std::size(COLUMN_NAMES) == COLUMN_COUNT);

} // namespace

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

QString DiffText::Column(int column)
{
    return tr(COLUMN_NAMES[column].source, COLUMN_NAMES[column].comment);
}

QString DiffText::Value(int column, std::string_view value)
{
    if (ColumnInfoOf(column).number && value.empty())
        return tr("none", "no value");
    return QString::fromStdString(DiffValueText(column, value));
}

QString DiffText::Details(const DiffEntry& entry)
{
    QStringList details;
    for (const int column : entry.changedColumns)
        //: A field that changed: %1 the field, %2 its value before, %3 after.
        details.append(tr("%1: %2 -> %3")
                           .arg(Column(column), Value(column, entry.before.Field(column)),
                               Value(column, entry.after.Field(column))));
    return details.join(QStringLiteral(", "));
}

QString DiffText::Line(const DiffEntry& entry)
{
    const QString position = QString::fromStdString(DiffPosition(entry));
    if (entry.kind != DiffKind::Changed)
        //: %1 table, %2 what happened, %3 the position, %4 the record.
        return tr("%1: %2 %3 %4").arg(Table(entry.table), Kind(entry.kind), position, Label(entry));
    //: %1 table, %2 what happened, %3 the position, %4 the record, %5 its changed fields.
    return tr("%1: %2 %3 %4: %5")
        .arg(Table(entry.table), Kind(entry.kind), position, Label(entry), Details(entry));
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
