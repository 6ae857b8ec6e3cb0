#include "FindingText.h"

namespace {

QString Number(uint64_t value)
{
    return QString::number(value);
}

// An offset in the image, such as 0x0A1200.
QString Offset(const Finding& finding)
{
    const uint64_t offset = finding.numbers.empty() ? 0 : finding.numbers.front();
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}

} // namespace

QString FindingText::Record(const RecordWords& record)
{
    const QString number = Number(record.number);
    if (!record.detailed) {
        switch (record.table) {
        case TABLE_SATELLITES:
            return tr("satellite %1").arg(number);
        case TABLE_TRANSPONDERS:
            return tr("transponder %1").arg(number);
        case TABLE_TV:
            return tr("TV program %1").arg(number);
        default:
            return tr("radio program %1").arg(number);
        }
    }
    const QString name = QString::fromStdString(record.name);
    switch (record.table) {
    case TABLE_SATELLITES:
        return tr("satellite %1 \"%2\"").arg(number, name);
    case TABLE_TRANSPONDERS:
        //: %1 is the transponder's number in the list; then its id, frequency and polarisation.
        return tr("transponder %1 (id %2, %3 %4)")
            .arg(number, Number(record.id), Number(record.frequency), QString(QLatin1Char(record.polarisation)));
    case TABLE_TV:
        return tr("TV program %1 \"%2\"").arg(number, name);
    default:
        return tr("radio program %1 \"%2\"").arg(number, name);
    }
}

QString FindingText::Table(int table)
{
    switch (table) {
    case TABLE_SATELLITES:
        return tr("satellite table");
    case TABLE_TRANSPONDERS:
        return tr("transponder table");
    case TABLE_TV:
        return tr("TV table");
    default:
        return tr("radio table");
    }
}

QString FindingText::Of(const Finding& finding)
{
    const auto record = [&finding](size_t k) {
        return k < finding.described.size() ? Record(finding.described[k]) : QString();
    };
    const auto number = [&finding](size_t k) {
        return k < finding.numbers.size() ? Number(finding.numbers[k]) : QString();
    };
    switch (finding.kind) {
    case FindingKind::ProgramWithoutSatellite:
    case FindingKind::TransponderWithoutSatellite:
        return tr("%1: satellite id %2 names no satellite").arg(record(0), number(0));
    case FindingKind::ProgramWithoutTransponder:
        return tr("%1: transponder id %2 names no transponder").arg(record(0), number(0));
    case FindingKind::SatelliteIdTwice:
        return tr("%1: its id %2 is also that of %3").arg(record(0), number(0), record(1));
    case FindingKind::TransponderIdTwice:
        return tr("%1: its id is also that of %2").arg(record(0), record(1));
    case FindingKind::DuplicateProgram:
        return tr("%1: same satellite, transponder and service id %2 as %3").arg(record(0), number(0), record(1));
    case FindingKind::DuplicateTransponder:
        return tr("%1: same satellite, frequency and polarisation as %2").arg(record(0), record(1));
    case FindingKind::EntryOutsideImage:
        //: %2 is the record's offset in the image, such as 0x0A1200.
        return tr("%1: its record at %2 runs past the end of the image")
            .arg(record(0), Offset(finding));
    case FindingKind::EntryInDirectoryBlock:
        //: %2 is the record's offset in the image, such as 0x0A1200.
        return tr("%1: its record at %2 lies inside the directory block")
            .arg(record(0), Offset(finding));
    case FindingKind::TableOverCapacity:
        if (finding.table < 0)
            return tr("the TV and radio tables list %1 programs together; the receiver holds %2").arg(number(0), number(1));
        if (finding.numbers.empty())
            //: %1 is a table such as "satellite table".
            return tr("the %1 runs past the end of the directory block").arg(Table(finding.table));
        //: %1 is a table such as "satellite table".
        return tr("the %1 lists %2 records; it holds %3").arg(Table(finding.table), number(0), number(1));
    case FindingKind::NameWithControlByte:
        return tr("%1: the name holds a control byte").arg(record(0));
    case FindingKind::NameOutsideCodePage:
        return tr("%1: the name holds bytes that code page %2 cannot show").arg(record(0), number(0));
    case FindingKind::SatelliteWithoutTransponders:
        return tr("%1 has no transponders").arg(record(0));
    case FindingKind::TransponderWithoutPrograms:
        return tr("%1 carries no programs").arg(record(0));
    case FindingKind::ShortFile:
        break;
    }
    return QString::fromStdString(finding.Text());
}

QString FindingText::KindName(FindingKind kind)
{
    switch (kind) {
    case FindingKind::ProgramWithoutSatellite:
        return tr("programs of no satellite");
    case FindingKind::ProgramWithoutTransponder:
        return tr("programs of no transponder");
    case FindingKind::TransponderWithoutSatellite:
        return tr("transponders of no satellite");
    case FindingKind::SatelliteIdTwice:
        return tr("satellite ids used twice");
    case FindingKind::TransponderIdTwice:
        return tr("transponder ids used twice");
    case FindingKind::DuplicateProgram:
        return tr("duplicate programs");
    case FindingKind::DuplicateTransponder:
        return tr("duplicate transponders");
    case FindingKind::EntryOutsideImage:
        return tr("entries past the end of the image");
    case FindingKind::EntryInDirectoryBlock:
        return tr("entries inside the directory block");
    case FindingKind::TableOverCapacity:
        return tr("tables over their capacity");
    case FindingKind::NameWithControlByte:
        return tr("names with a control byte");
    case FindingKind::NameOutsideCodePage:
        return tr("names the code page cannot show");
    case FindingKind::SatelliteWithoutTransponders:
        return tr("satellites with no transponders");
    case FindingKind::TransponderWithoutPrograms:
        return tr("transponders with no programs");
    case FindingKind::ShortFile:
        return tr("files shorter than their flash");
    }
    return QString::fromLatin1(FindingKindName(kind));
}

QString FindingText::Kept(const Finding& finding)
{
    return tr("%1; kept: another transponder has its id").arg(Of(finding));
}
