#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

// Appends UTF-8 text as a JSON string, quotes included.
inline void AppendJsonString(std::string& json, std::string_view text)
{
    json += '"';
    // Most texts need no escape at all.
    if (std::none_of(text.begin(), text.end(), [](char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; })) {
        json += text;
        json += '"';
        return;
    }
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                json += escaped;
            } else {
                json += c;
            }
        }
    }
    json += '"';
}
