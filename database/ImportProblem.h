#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What reading a CSV or a reference list, or planning an import, found.
// Each kind lists the texts and numbers it quotes, in their order.
enum class ImportProblemKind {
    // texts: the encoding ("UTF-16 big-endian")
    Utf16EndsInCharacter,
    // texts: the encoding; numbers: the byte
    Utf16BrokenCharacter,
    // texts: the encoding; numbers: the code page read instead
    EncodingNotRead,
    // row; numbers: the column
    StrayByteAfterMark,
    StrayByteAmongUtf8,
    // numbers: the code page
    ReadAsCodePage,
    // row
    QuoteNotClosed,
    TextAfterQuote,
    EmptyCsv,
    // row; texts: the heading
    UnknownColumn,
    ColumnTwice,
    // row
    TableColumnMissing,
    MoreFields,
    // row; texts: the table's field
    UnknownTable,
    // row; texts: the offset's field
    OffsetNotNumber,
    NothingToKeep,
    // numbers: the satellite and transponder rows
    OtherRowsNotApplied,
    OffsetColumnMissing,
    ReferenceColumnsMissing,
    // row; texts: the row's name, its offset; numbers: the table
    NoProgramAtOffset,
    // row; texts: the row's name
    NoSuchProgram,
    SeveralPrograms,
    // row; texts: the row's name; numbers: the earlier row
    SameProgram,
    // row; texts: the offset; numbers: the earlier row
    OffsetTwice,
    // row; texts: the offset, the image's service id, the row's
    ServiceIdDiffers,
    // row; texts: the name, its control character
    NameControlCharacter,
    // row; texts: the name; numbers: the code page
    NameOutsideCodePage,
    // row; texts: the name; numbers: its bytes, the code page, the bytes that fit
    NameTooLong,
    // row; texts: the field
    BadChildLock,
    BadFavorites,
    // texts: the column's heading; numbers: the rows
    IgnoredEdits,
    // row is a text list's line; texts: the line
    NotReferenceLine,
    // line; texts: the number's field
    NumberNotNumber,
    // line; texts: the name, its control character
    LineNameControlCharacter,
    // line; texts: the field
    NotServiceTriple,
    // numbers: why the image does not decode (a DecodeProblem), then the
    // table it names, if any
    NotFlashImage,
};

struct ImportProblem {
    ImportProblemKind kind;
    // The row of a CSV or the line of a text list, from 1.
    uint32_t row = 0;
    // Fields as the file holds them, unquoted.
    std::vector<std::string> texts;
    std::vector<uint64_t> numbers;
};

// The problem on one line in English, as tavrel-cli writes it.
std::string ImportProblemLine(const ImportProblem& problem);
std::vector<std::string> ImportProblemLines(const std::vector<ImportProblem>& problems);

// "Windows-1251", "code page 936".
std::string CodePageName(uint64_t codePage);
