#include "NameLengthValidator.h"

#include "CodePage.h"

#include <limits>

NameLengthValidator::NameLengthValidator(size_t maxBytes, QObject* parent)
    : QValidator(parent)
    , m_maxBytes(maxBytes)
{
}

QValidator::State NameLengthValidator::validate(QString& input, int&) const
{
    return TextToAnsi(input, std::numeric_limits<size_t>::max()).size() <= m_maxBytes ? Acceptable : Invalid;
}
