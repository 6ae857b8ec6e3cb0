#include "NameLengthValidator.h"

#include "CodePage.h"
#include "PrintableText.h"

#include <limits>

NameLengthValidator::NameLengthValidator(size_t maxBytes, QObject* parent)
    : QValidator(parent)
    , m_maxBytes(maxBytes)
{
}

QValidator::State NameLengthValidator::validate(QString& input, int&) const
{
    if (FindControlCharacter(input.toStdString()) != std::string::npos)
        return Invalid;
    return TextToAnsi(input, std::numeric_limits<size_t>::max()).size() <= m_maxBytes ? Acceptable : Invalid;
}
