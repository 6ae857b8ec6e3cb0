#pragma once

#include <string>
#include <string_view>

class CodePageText;

// The rule every name of a record follows: at most NAME_BYTES bytes in the
// code page, each part of a character the code page has, none a control
// character. The editors, the CSV import and the list check all ask here.
struct NameCheck {
    bool controlCharacter = false;
    bool outsideCodePage = false;
    bool tooLong = false;

    bool Passes() const { return !controlCharacter && !outsideCodePage && !tooLong; }
};

// A name as a record stores it: up to the first zero, at most NAME_BYTES.
NameCheck CheckStoredName(const char* name, const CodePageText& names);

// A name as the user types or imports it, in UTF-8; `bytes` receives its
// bytes in the code page when the code page has all its characters.
NameCheck CheckNameText(std::string_view text, const CodePageText& names, std::string& bytes);
