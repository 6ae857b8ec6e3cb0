#include "EditorFields.h"

#include "ChannelDatabase.h"
#include "CodePage.h"
#include "NameLengthValidator.h"
#include "NumberRangeValidator.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QLineEdit>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

constexpr size_t KEY_BYTES = 8;

uint32_t ReadNumberField(const QString& text, int maxChars)
{
    const std::string bytes = TextToAnsi(text, static_cast<size_t>(maxChars));
    uint32_t value = 0;
    for (const char c : bytes) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}

QString NameFieldText(const char* name)
{
    return AnsiToText(name, NAME_BYTES);
}

void StoreNameField(const QString& text, char (&name)[NAME_BYTES + 1])
{
    const std::string bytes = TextToAnsi(text, NAME_BYTES);
    std::memcpy(name, bytes.data(), bytes.size());
    name[bytes.size()] = 0;
}

QString BissKeyText(const uint8_t (&key)[8])
{
    QString text;
    for (const uint8_t byte : key)
        text += QString::asprintf("%02x ", byte);
    return text;
}

namespace {

uint8_t HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<uint8_t>(c - 'a' + 10);
    return 0;
}

} // namespace

void ReadBissKey(const QString& text, uint8_t (&key)[8])
{
    std::string digits;
    for (const char c : TextToAnsi(text, std::numeric_limits<size_t>::max())) {
        if (c != ' ')
            digits += c;
        if (digits.size() == 2 * KEY_BYTES)
            break;
    }
    digits.resize(2 * KEY_BYTES, '\0');
    for (size_t i = 0; i < KEY_BYTES; ++i)
        key[i] = static_cast<uint8_t>(HexDigit(digits[2 * i]) << 4 | HexDigit(digits[2 * i + 1]));
}

void LimitNumberField(QLineEdit* edit, uint32_t maximum)
{
    if (!edit)
        return;
    auto* validator = new NumberRangeValidator(maximum, edit);
    delete edit->validator();
    edit->setValidator(validator);
    edit->setMaxLength(validator->MaxDigits());
    edit->setToolTip(QCoreApplication::translate("EditorFields", "0 to %1").arg(maximum));
}

void LimitNameField(QLineEdit* edit)
{
    if (!edit)
        return;
    delete edit->validator();
    edit->setValidator(new NameLengthValidator(edit));
    edit->setToolTip(
        QCoreApplication::translate("EditorFields", "At most %1 bytes in code page %2").arg(NAME_BYTES).arg(AnsiCodePage()));
}

void LimitKeyField(QLineEdit* edit)
{
    if (!edit)
        return;
    delete edit->validator();
    const QRegularExpression key(QStringLiteral("( *[0-9A-Fa-f]){0,%1} *").arg(2 * KEY_BYTES));
    edit->setValidator(new QRegularExpressionValidator(key, edit));
    edit->setToolTip(QCoreApplication::translate("EditorFields", "Up to %1 hex digits, blanks allowed").arg(2 * KEY_BYTES));
}
