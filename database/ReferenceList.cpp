#include "ReferenceList.h"

#include "CodePageText.h"
#include "CsvFileText.h"
#include "CsvImport.h"
#include "CsvText.h"
#include "ImageDocument.h"
#include "ImageFile.h"
#include "PrintableText.h"

#include <algorithm>
#include <memory>

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator, size_t most)
{
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < most) {
        const size_t at = text.find(separator);
        if (at == std::string_view::npos)
            break;
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    return parts;
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The service id of "ONID-TSID-SID".
std::optional<uint16_t> ServiceIdOf(std::string_view ids)
{
    const std::vector<std::string_view> parts = Split(ids, '-', 4);
    if (parts.size() != 3)
        return std::nullopt;
    std::optional<uint32_t> service;
    for (const std::string_view part : parts) {
        service = ParseNumber(part);
        if (!service || *service > 0xFFFF)
            return std::nullopt;
    }
    return static_cast<uint16_t>(*service);
}

bool IsCsvHeader(std::string_view text)
{
    CsvReader reader(text);
    std::vector<std::string> fields;
    return reader.Next(fields) && std::find(fields.begin(), fields.end(), "table") != fields.end();
}

} // namespace

ReferenceList ReferenceList::FromImage(const ChannelDatabase& db, const CodePageText& names)
{
    ReferenceList list;
    list.m_source = Source::Image;
    list.m_rows = ProgramRows(db, names);
    // Ids and offsets are the other receiver's own: they say nothing here.
    for (const int column : { COLUMN_POSITION, COLUMN_NAME, COLUMN_SATELLITE_NAME, COLUMN_FREQUENCY,
             COLUMN_POLARIZATION, COLUMN_SERVICE_ID, COLUMN_CHILD_LOCK, COLUMN_FAVORITES })
        list.m_columns.set(column);
    return list;
}

ReferenceList ReferenceList::FromCsv(std::string_view bytes, const CodePageText& names)
{
    ReferenceList list;
    list.m_source = Source::Csv;
    CsvProgramRows csv = ReadCsvProgramRows(bytes, names, false);
    list.m_errors = std::move(csv.errors);
    if (csv.remark)
        list.m_remarks.push_back(*csv.remark);
    list.m_columns = csv.columns;
    list.m_columns.reset(COLUMN_SAT_ID);
    list.m_columns.reset(COLUMN_TP_ID);
    list.m_columns.reset(COLUMN_OFFSET);
    for (const ChannelRow& row : csv.programs) {
        const std::string_view lock = row.Field(COLUMN_CHILD_LOCK);
        if (!lock.empty() && lock != "0" && lock != "1")
            list.m_errors.push_back({ ImportProblemKind::BadChildLock, row.source, { std::string(lock) }, {} });
        if (!ParseFavorites(row.Field(COLUMN_FAVORITES)))
            list.m_errors.push_back(
                { ImportProblemKind::BadFavorites, row.source, { std::string(row.Field(COLUMN_FAVORITES)) }, {} });
    }
    // The rows of each table in the CSV's order, TV first.
    std::stable_partition(csv.programs.begin(), csv.programs.end(),
        [](const ChannelRow& row) { return row.table == TABLE_TV; });
    list.m_rows = std::move(csv.programs);
    return list;
}

ReferenceList ReferenceList::FromText(std::string_view bytes, const CodePageText& names)
{
    ReferenceList list;
    const CsvFileText file = DecodeCsvFile(bytes, names);
    if (file.error) {
        list.m_errors.push_back(*file.error);
        return list;
    }
    if (file.note)
        list.m_remarks.push_back(*file.note);
    for (const int column : { COLUMN_POSITION, COLUMN_NAME, COLUMN_SERVICE_ID })
        list.m_columns.set(column);
    std::string_view text = file.text;
    for (uint32_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!IsBlank(line) && !line.starts_with('#'))
            list.ReadTextLine(line, lineNumber);
    }
    // Only the order of the numbers counts.
    std::stable_sort(list.m_rows.begin(), list.m_rows.end(), [](const ChannelRow& a, const ChannelRow& b) {
        return ParseNumber(a.Field(COLUMN_POSITION)) < ParseNumber(b.Field(COLUMN_POSITION));
    });
    return list;
}

void ReferenceList::ReadTextLine(std::string_view line, uint32_t lineNumber)
{
    const auto error = [&](ImportProblemKind kind, std::string_view field, std::string_view more = {}) {
        m_errors.push_back({ kind, lineNumber, { std::string(field), std::string(more) }, {} });
    };
    const std::vector<std::string_view> fields = Split(line, ';', 4);
    if (fields.size() < 2) {
        error(ImportProblemKind::NotReferenceLine, line);
        return;
    }
    const auto number = ParseNumber(fields[0]);
    if (!number) {
        error(ImportProblemKind::NumberNotNumber, fields[0]);
        return;
    }
    const std::string_view name = fields[1];
    if (const size_t control = FindControlCharacter(name); control != std::string_view::npos) {
        error(ImportProblemKind::LineNameControlCharacter, name, name.substr(control, 1));
        return;
    }
    std::optional<uint16_t> service;
    if (fields.size() > 2 && !IsBlank(fields[2])) {
        service = ServiceIdOf(fields[2]);
        if (!service) {
            error(ImportProblemKind::NotServiceTriple, fields[2]);
            return;
        }
    }
    ChannelRow row;
    row.table = EITHER_PROGRAM_TABLE;
    row.source = lineNumber;
    row.Set(COLUMN_POSITION, std::to_string(*number));
    row.Set(COLUMN_NAME, name);
    if (service)
        row.Set(COLUMN_SERVICE_ID, std::to_string(*service));
    m_rows.push_back(std::move(row));
}

ReferenceList ReferenceList::FromFile(std::string_view text, const CodePageText& names)
{
    const bool unicode = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
    if (text.size() <= IMAGE_SIZE && !unicode) {
        const auto db = std::make_unique<ChannelDatabase>();
        PlaceImage(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), db->m_Image);
        if (db->DecodeDatabase())
            return FromImage(*db, names);
        // Text holds no zero byte; an image that does not decode does.
        if (text.find('\0') != std::string_view::npos) {
            ReferenceList list;
            list.m_source = Source::Image;
            std::vector<uint64_t> numbers { static_cast<uint64_t>(db->m_DecodeProblem) };
            if (db->m_nProblemTable >= 0)
                numbers.push_back(static_cast<uint64_t>(db->m_nProblemTable));
            list.m_errors.push_back({ ImportProblemKind::NotFlashImage, 0, {}, numbers });
            return list;
        }
    }
    const CsvFileText file = DecodeCsvFile(text, names);
    return !file.error && IsCsvHeader(file.text) ? FromCsv(text, names) : FromText(text, names);
}

std::string ReferenceList::RowLabel(const ChannelRow& row) const
{
    switch (m_source) {
    case Source::Image:
        return std::string(TableName(row.table)) + " " + std::string(row.Field(COLUMN_POSITION));
    case Source::Csv:
        return "row " + std::to_string(row.source);
    case Source::Text:
        break;
    }
    return "line " + std::to_string(row.source);
}
