#include "CsvText.h"

namespace {

bool NeedsQuotes(const std::string& field)
{
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

char Separator(std::string_view text)
{
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    if (first.find(',') != std::string_view::npos)
        return ',';
    if (first.find('\t') != std::string_view::npos)
        return '\t';
    if (first.find(';') != std::string_view::npos)
        return ';';
    return ',';
}

} // namespace

void AppendCsvRecord(std::string& text, std::span<const std::string> fields)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        const std::string& field = fields[i];
        if (!NeedsQuotes(field)) {
            text += field;
            continue;
        }
        text += '"';
        for (const char c : field) {
            if (c == '"')
                text += '"';
            text += c;
        }
        text += '"';
    }
    text += "\r\n";
}

CsvRecords ParseCsv(std::string_view text)
{
    CsvRecords result;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const char separator = Separator(text);

    std::vector<std::string> record;
    std::string field;
    size_t at = 0;
    auto endRecord = [&] {
        record.push_back(std::move(field));
        field.clear();
        result.records.push_back(std::move(record));
        record.clear();
    };
    while (at < text.size()) {
        const size_t row = result.records.size() + 1;
        if (text[at] == '"' && field.empty()) {
            ++at;
            while (true) {
                if (at >= text.size()) {
                    result.error = "row " + std::to_string(row) + ": a quoted field is not closed";
                    return result;
                }
                if (text[at] == '"') {
                    if (at + 1 < text.size() && text[at + 1] == '"') {
                        field += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += text[at++];
            }
            if (at < text.size() && text[at] != separator && text[at] != '\r' && text[at] != '\n') {
                result.error = "row " + std::to_string(row) + ": text follows a closing quote";
                return result;
            }
            continue;
        }
        const char c = text[at++];
        if (c == separator) {
            record.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && at < text.size() && text[at] == '\n')
                ++at;
            endRecord();
        } else {
            field += c;
        }
    }
    // The last record needs no line end.
    if (!record.empty() || !field.empty())
        endRecord();
    return result;
}
