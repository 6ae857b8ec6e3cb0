#include "ImportProblem.h"

#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "ImageDocument.h"
#include "PrintableText.h"

namespace {

std::string Row(uint32_t row)
{
    return "row " + std::to_string(row);
}

} // namespace

std::string CodePageName(uint64_t codePage)
{
    if (codePage >= 1250 && codePage <= 1258)
        return "Windows-" + std::to_string(codePage);
    return "code page " + std::to_string(codePage);
}

std::string ImportProblemLine(const ImportProblem& problem)
{
    const auto text = [&problem](size_t k) { return k < problem.texts.size() ? problem.texts[k] : std::string(); };
    const auto quoted = [&text](size_t k) { return QuotedText(text(k)); };
    const auto value = [&problem](size_t k) { return k < problem.numbers.size() ? problem.numbers[k] : 0; };
    const auto number = [&value](size_t k) { return std::to_string(value(k)); };
    const std::string row = Row(problem.row);
    const std::string line = "line " + std::to_string(problem.row);
    const std::string label = row + " " + quoted(0);
    switch (problem.kind) {
    case ImportProblemKind::Utf16EndsInCharacter:
        return "the file is " + text(0) + " and ends in the middle of a character";
    case ImportProblemKind::Utf16BrokenCharacter:
        return "the file is " + text(0) + " and has a broken character at byte " + number(0);
    case ImportProblemKind::EncodingNotRead:
        return "the file is in " + text(0) + ", an encoding import does not read; it reads UTF-8, "
            + "UTF-16 with a byte order mark, and " + CodePageName(value(0));
    case ImportProblemKind::StrayByteAfterMark:
        return row + ", column " + number(0) + ": a byte that is not UTF-8, in a file that begins with the UTF-8 "
            + "byte order mark; save it as UTF-8 again";
    case ImportProblemKind::StrayByteAmongUtf8:
        return row + ", column " + number(0) + ": a byte that is not UTF-8, in a file that holds UTF-8 characters "
            + "elsewhere; save it as UTF-8 again";
    case ImportProblemKind::ReadAsCodePage:
        return "read as " + CodePageName(value(0)) + ": the file is not UTF-8";
    case ImportProblemKind::QuoteNotClosed:
        return row + ": a quoted field is not closed";
    case ImportProblemKind::TextAfterQuote:
        return row + ": text follows a closing quote";
    case ImportProblemKind::EmptyCsv:
        return "the CSV is empty";
    case ImportProblemKind::UnknownColumn:
        return row + ": unknown column " + quoted(0);
    case ImportProblemKind::ColumnTwice:
        return row + ": the column " + quoted(0) + " stands twice";
    case ImportProblemKind::TableColumnMissing:
        return row + ": the column \"table\" is missing";
    case ImportProblemKind::MoreFields:
        return row + ": more fields than the header has columns";
    case ImportProblemKind::UnknownTable:
        return row + ": unknown table " + quoted(0);
    case ImportProblemKind::OffsetNotNumber:
        return row + ": the offset " + quoted(0) + " is not a number";
    case ImportProblemKind::NothingToKeep:
        return "the CSV lists no TV or radio program, and --delete-missing would delete them all";
    case ImportProblemKind::OtherRowsNotApplied:
        return number(0) + " satellite and transponder rows are not applied; only TV and radio rows are";
    case ImportProblemKind::OffsetColumnMissing:
        return "the column \"offset\" is missing; a list of another image is matched by reference";
    case ImportProblemKind::ReferenceColumnsMissing:
        return "matching by reference needs the columns service_id, frequency and polarization, or name";
    case ImportProblemKind::NoProgramAtOffset:
        return label + ": no " + TableName(static_cast<int>(value(0))) + " program at offset " + text(1);
    case ImportProblemKind::NoSuchProgram:
        return label + ": no such program in the image";
    case ImportProblemKind::SeveralPrograms:
        return label + ": several programs fit it; not applied";
    case ImportProblemKind::SameProgram:
        return label + ": the same program as " + Row(static_cast<uint32_t>(value(0))) + "; not applied";
    case ImportProblemKind::OffsetTwice:
        return row + ": the offset " + text(0) + " stands twice (also in "
            + Row(static_cast<uint32_t>(value(0))) + ")";
    case ImportProblemKind::ServiceIdDiffers:
        return row + ": the program at offset " + text(0) + " has service id " + text(1) + ", not " + text(2)
            + "; a list of another image is matched by reference";
    case ImportProblemKind::NameControlCharacter:
        return row + ": the name " + quoted(0) + " holds the control character " + PrintableText(text(1))
            + "; a name holds printable characters only";
    case ImportProblemKind::NameOutsideCodePage:
        return row + ": the name " + quoted(0) + " has characters that code page " + number(0) + " lacks";
    case ImportProblemKind::NameTooLong:
        return row + ": the name " + quoted(0) + " takes " + number(0) + " bytes in code page " + number(1)
            + ", more than the " + number(2) + " that fit";
    case ImportProblemKind::BadChildLock:
        return row + ": child_lock is " + quoted(0) + "; it is 1 for locked or 0";
    case ImportProblemKind::BadFavorites:
        return row + ": favorites " + quoted(0)
            + " names a group other than Movies, Music, Cartoons, News, Sport and Adult";
    case ImportProblemKind::IgnoredEdits:
        return text(0) + " differs in " + number(0) + (value(0) == 1 ? " row" : " rows")
            + "; only table, offset, name, child_lock and favorites are applied";
    case ImportProblemKind::NotReferenceLine:
        return line + ": " + quoted(0) + " is not number;name;ONID-TSID-SID";
    case ImportProblemKind::NumberNotNumber:
        return line + ": the number " + quoted(0) + " is not a number";
    case ImportProblemKind::LineNameControlCharacter:
        return line + ": the name " + quoted(0) + " holds the control character " + PrintableText(text(1));
    case ImportProblemKind::NotServiceTriple:
        return line + ": " + quoted(0) + " is not ONID-TSID-SID, three numbers joined by '-'";
    case ImportProblemKind::NotFlashImage:
        return "not a flash image: "
            + DecodeProblemOf(static_cast<DecodeProblem>(value(0)), problem.numbers.size() > 1 ? int(value(1)) : -1);
    }
    return text(0);
}

std::vector<std::string> ImportProblemLines(const std::vector<ImportProblem>& problems)
{
    std::vector<std::string> lines;
    for (const ImportProblem& problem : problems)
        lines.push_back(ImportProblemLine(problem));
    return lines;
}
