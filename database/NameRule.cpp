#include "NameRule.h"

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "PrintableText.h"

#include <algorithm>
#include <optional>

NameCheck CheckStoredName(const char* name, const CodePageText& names)
{
    const std::string_view bytes(name, std::find(name, name + NAME_BYTES, '\0') - name);
    NameCheck check;
    check.controlCharacter = FindControlCharacter(bytes) != std::string_view::npos;
    // Bytes the code page does not define read as '?'; no code page has
    // '?' as the second byte of a character.
    const std::string text = names.ToUtf8(name, NAME_BYTES);
    check.outsideCodePage = std::count(text.begin(), text.end(), '?') > std::count(bytes.begin(), bytes.end(), '?');
    return check;
}

NameCheck CheckNameText(std::string_view text, const CodePageText& names, std::string& bytes)
{
    NameCheck check;
    check.controlCharacter = FindControlCharacter(text) != std::string_view::npos;
    const std::optional<std::string> encoded = names.FromUtf8Exactly(text);
    check.outsideCodePage = !encoded;
    bytes = encoded.value_or(std::string());
    check.tooLong = bytes.size() > NAME_BYTES;
    return check;
}
