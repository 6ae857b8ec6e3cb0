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

CsvReader::CsvReader(std::string_view text)
    : m_text(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text)
    , m_separator(Separator(m_text))
{
}

bool CsvReader::Next(std::vector<std::string>& fields)
{
    if (m_at >= m_text.size() || m_fault)
        return false;
    ++m_row;
    size_t count = 0;
    auto nextField = [&]() -> std::string& {
        if (count == fields.size())
            fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    std::string* field = &nextField();
    while (m_at < m_text.size()) {
        if (m_text[m_at] == '"' && field->empty()) {
            ++m_at;
            while (true) {
                if (m_at >= m_text.size()) {
                    m_fault = ImportProblem { ImportProblemKind::QuoteNotClosed, static_cast<uint32_t>(m_row), {}, {} };
                    return false;
                }
                if (m_text[m_at] == '"') {
                    if (m_at + 1 < m_text.size() && m_text[m_at + 1] == '"') {
                        *field += '"';
                        m_at += 2;
                        continue;
                    }
                    ++m_at;
                    break;
                }
                *field += m_text[m_at++];
            }
            if (m_at < m_text.size() && m_text[m_at] != m_separator && m_text[m_at] != '\r'
                && m_text[m_at] != '\n') {
                m_fault = ImportProblem { ImportProblemKind::TextAfterQuote, static_cast<uint32_t>(m_row), {}, {} };
                return false;
            }
            continue;
        }
        const char c = m_text[m_at++];
        if (c == m_separator) {
            field = &nextField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && m_at < m_text.size() && m_text[m_at] == '\n')
                ++m_at;
            break;
        } else {
            *field += c;
        }
    }
    // The last record needs no line end.
    fields.resize(count);
    return true;
}

CsvRecords ParseCsv(std::string_view text)
{
    CsvRecords result;
    CsvReader reader(text);
    std::vector<std::string> fields;
    while (reader.Next(fields))
        result.records.push_back(fields);
    if (reader.Fault())
        result.error = ImportProblemLine(*reader.Fault());
    return result;
}
