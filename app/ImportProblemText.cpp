#include "ImportProblemText.h"

#include "ChannelRows.h"
#include "DiffText.h"
#include "ListedProblems.h"
#include "PrintableText.h"

#include <QtCore/QStringList>

#include <algorithm>

namespace {

// The encodings a CSV is refused or read in, as DecodeCsvFile names them.
const char* const ENCODINGS[] = {
    QT_TRANSLATE_NOOP("ImportProblemText", "UTF-16 big-endian"),
    QT_TRANSLATE_NOOP("ImportProblemText", "UTF-16 little-endian"),
    QT_TRANSLATE_NOOP("ImportProblemText", "UTF-16 without a byte order mark"),
};

} // namespace

QString ImportProblemText::Encoding(const std::string& name)
{
    for (const char* encoding : ENCODINGS)
        if (name == encoding)
            return tr(encoding);
    return QString::fromStdString(name);
}

QString ImportProblemText::CodePage(uint64_t codePage)
{
    // A Windows code page goes by its name in every language.
    const std::string name = CodePageName(codePage);
    if (name.starts_with("Windows-"))
        return QString::fromStdString(name);
    return tr("code page %1").arg(codePage);
}

QString ImportProblemText::Undecoded(DecodeProblem problem, int table)
{
    QString text;
    switch (problem) {
    case DecodeProblem::NoSignature:
        text = tr("the image signature 6CGHLSWZ is missing");
        break;
    case DecodeProblem::SignatureAtFour:
        text = tr("the image signature stands at offset 4");
        break;
    case DecodeProblem::NoDirectoryMagic:
        text = tr("no directory magic 77 02 AB CD follows the signature");
        break;
    case DecodeProblem::NoBlockMarker:
        text = tr("no directory block ends in the block marker 19 85 10 19");
        break;
    case DecodeProblem::TableTooLarge:
        text = tr("the table lists more records than it holds");
        break;
    case DecodeProblem::TableOutsideBlock:
        text = tr("the table runs past the end of the directory block");
        break;
    case DecodeProblem::RecordOutsideImage:
        text = tr("the table lists a record that leaves the image");
        break;
    case DecodeProblem::TooManyPrograms:
        //: %1 is the most programs a receiver holds.
        text = tr("TV and radio tables together list more than %1 programs").arg(MAX_PROGRAMS);
        break;
    case DecodeProblem::None:
        text = tr("no problem");
        break;
    }
    if (table < 0)
        return text;
    //: %1 is a table, such as "tv"; %2 what is wrong with it.
    return tr("table %1: %2").arg(DiffText::Table(table), text);
}

QString ImportProblemText::Of(const ImportProblem& problem)
{
    const auto raw = [&problem](size_t k) { return k < problem.texts.size() ? problem.texts[k] : std::string(); };
    const auto text = [&raw](size_t k) { return QString::fromStdString(raw(k)); };
    const auto quoted = [&raw](size_t k) { return QString::fromStdString(QuotedText(raw(k))); };
    const auto printable = [&raw](size_t k) { return QString::fromStdString(PrintableText(raw(k))); };
    const auto value = [&problem](size_t k) { return k < problem.numbers.size() ? problem.numbers[k] : 0; };
    const auto number = [&value](size_t k) { return QString::number(value(k)); };
    const QString row = QString::number(problem.row);
    switch (problem.kind) {
    case ImportProblemKind::Utf16EndsInCharacter:
        //: %1 is an encoding, such as "UTF-16 big-endian".
        return tr("the file is %1 and ends in the middle of a character").arg(Encoding(raw(0)));
    case ImportProblemKind::Utf16BrokenCharacter:
        //: %1 is an encoding, such as "UTF-16 big-endian"; %2 the byte's offset in the file.
        return tr("the file is %1 and has a broken character at byte %2").arg(Encoding(raw(0)), number(0));
    case ImportProblemKind::EncodingNotRead:
        //: %1 is an encoding, such as "UTF-32"; %2 a code page, such as "Windows-1251".
        return tr("the file is in %1, an encoding import does not read; it reads UTF-8, UTF-16 with a byte order "
                  "mark, and %2")
            .arg(Encoding(raw(0)), CodePage(value(0)));
    case ImportProblemKind::StrayByteAfterMark:
        return tr("row %1, column %2: a byte that is not UTF-8, in a file that begins with the UTF-8 byte order "
                  "mark; save it as UTF-8 again")
            .arg(row, number(0));
    case ImportProblemKind::StrayByteAmongUtf8:
        return tr("row %1, column %2: a byte that is not UTF-8, in a file that holds UTF-8 characters elsewhere; "
                  "save it as UTF-8 again")
            .arg(row, number(0));
    case ImportProblemKind::ReadAsCodePage:
        //: %1 is a code page, such as "Windows-1251".
        return tr("read as %1: the file is not UTF-8").arg(CodePage(value(0)));
    case ImportProblemKind::QuoteNotClosed:
        return tr("row %1: a quoted field is not closed").arg(row);
    case ImportProblemKind::TextAfterQuote:
        return tr("row %1: text follows a closing quote").arg(row);
    case ImportProblemKind::EmptyCsv:
        return tr("the CSV is empty");
    case ImportProblemKind::UnknownColumn:
        //: %2 is a column heading of the CSV file, in quotes.
        return tr("row %1: unknown column %2").arg(row, quoted(0));
    case ImportProblemKind::ColumnTwice:
        //: %2 is a column heading of the CSV file, in quotes.
        return tr("row %1: the column %2 stands twice").arg(row, quoted(0));
    case ImportProblemKind::TableColumnMissing:
        //: "table" is the heading the CSV file needs: keep it in English.
        return tr("row %1: the column \"table\" is missing").arg(row);
    case ImportProblemKind::MoreFields:
        return tr("row %1: more fields than the header has columns").arg(row);
    case ImportProblemKind::UnknownTable:
        //: %2 is the CSV row's "table" field, in quotes.
        return tr("row %1: unknown table %2").arg(row, quoted(0));
    case ImportProblemKind::OffsetNotNumber:
        return tr("row %1: the offset %2 is not a number").arg(row, quoted(0));
    case ImportProblemKind::NothingToKeep:
        //: --delete-missing is an option of tavrel-cli: keep it as it is.
        return tr("the CSV lists no TV or radio program, and --delete-missing would delete them all");
    case ImportProblemKind::OtherRowsNotApplied:
        return tr("%n satellite and transponder rows are not applied; only TV and radio rows are", nullptr,
            int(value(0)));
    case ImportProblemKind::OffsetColumnMissing:
        //: "offset" is a heading of the CSV file: keep it in English.
        return tr("the column \"offset\" is missing; a list of another image is matched by reference");
    case ImportProblemKind::ReferenceColumnsMissing:
        //: service_id, frequency, polarization and name are headings of the CSV file: keep them in English.
        return tr("matching by reference needs the columns service_id, frequency and polarization, or name");
    case ImportProblemKind::NoProgramAtOffset:
        //: %1 is the CSV row, %2 the program's name in quotes, %3 an offset such as 0x0A1200.
        return (value(0) == TABLE_RADIO ? tr("row %1 %2: no radio program at offset %3")
                                        : tr("row %1 %2: no tv program at offset %3"))
            .arg(row, quoted(0), text(1));
    case ImportProblemKind::NoSuchProgram:
        //: %1 is the CSV row, %2 the program's name in quotes.
        return tr("row %1 %2: no such program in the image").arg(row, quoted(0));
    case ImportProblemKind::SeveralPrograms:
        //: %1 is the CSV row, %2 the program's name in quotes.
        return tr("row %1 %2: several programs fit it; not applied").arg(row, quoted(0));
    case ImportProblemKind::SameProgram:
        //: %1 is the CSV row, %2 the program's name in quotes, %3 an earlier row of the CSV.
        return tr("row %1 %2: the same program as row %3; not applied").arg(row, quoted(0), number(0));
    case ImportProblemKind::OffsetTwice:
        //: %3 is an earlier row of the CSV.
        return tr("row %1: the offset %2 stands twice (also in row %3)").arg(row, text(0), number(0));
    case ImportProblemKind::ServiceIdDiffers:
        return tr("row %1: the program at offset %2 has service id %3, not %4; a list of another image is matched "
                  "by reference")
            .arg(row, text(0), text(1), text(2));
    case ImportProblemKind::NameControlCharacter:
        //: %3 is the character as an escape, such as \x1B.
        return tr("row %1: the name %2 holds the control character %3; a name holds printable characters only")
            .arg(row, quoted(0), printable(1));
    case ImportProblemKind::NameOutsideCodePage:
        return tr("row %1: the name %2 has characters that code page %3 lacks").arg(row, quoted(0), number(0));
    case ImportProblemKind::NameTooLong:
        //: %3 is the name's length in bytes, %4 a code page's number, %5 the bytes a name may take.
        return tr("row %1: the name %2 takes %3 bytes in code page %4, more than the %5 that fit")
            .arg(row, quoted(0), number(0), number(1), number(2));
    case ImportProblemKind::BadChildLock:
        //: child_lock is a heading of the CSV file: keep it in English.
        return tr("row %1: child_lock is %2; it is 1 for locked or 0").arg(row, quoted(0));
    case ImportProblemKind::BadFavorites:
        //: "favorites" and the group names are what the CSV file holds: keep them in English.
        return tr("row %1: favorites %2 names a group other than Movies, Music, Cartoons, News, Sport and Adult")
            .arg(row, quoted(0));
    case ImportProblemKind::IgnoredEdits:
        //: %1 is a heading of the CSV file; the headings after "only" are too: keep them in English.
        return tr("%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied", nullptr,
            int(value(0)))
            .arg(text(0));
    case ImportProblemKind::NotReferenceLine:
        //: A line of a text list; number;name;ONID-TSID-SID is the form each line has.
        return tr("line %1: %2 is not number;name;ONID-TSID-SID").arg(row, quoted(0));
    case ImportProblemKind::NumberNotNumber:
        return tr("line %1: the number %2 is not a number").arg(row, quoted(0));
    case ImportProblemKind::LineNameControlCharacter:
        //: %3 is the character as an escape, such as \x1B.
        return tr("line %1: the name %2 holds the control character %3")
            .arg(row, quoted(0), printable(1));
    case ImportProblemKind::NotServiceTriple:
        return tr("line %1: %2 is not ONID-TSID-SID, three numbers joined by '-'").arg(row, quoted(0));
    case ImportProblemKind::NotFlashImage:
        //: %1 says why the image does not decode.
        return tr("not a flash image: %1")
            .arg(Undecoded(static_cast<DecodeProblem>(value(0)), problem.numbers.size() > 1 ? int(value(1)) : -1));
    }
    return QString::fromStdString(ImportProblemLine(problem));
}

QString ImportProblemText::Listed(const std::vector<ImportProblem>& problems)
{
    QStringList lines;
    for (size_t i = 0; i < std::min(problems.size(), MAX_LISTED); ++i)
        lines.append(Of(problems[i]));
    if (problems.size() > MAX_LISTED)
        lines.append(tr("... and %n more", nullptr, int(problems.size() - MAX_LISTED)));
    return lines.join(QLatin1Char('\n'));
}
