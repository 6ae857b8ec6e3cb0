#include "NumberRangeValidator.h"

NumberRangeValidator::NumberRangeValidator(uint32_t maximum, QObject* parent)
    : QValidator(parent)
    , m_maximum(maximum)
{
}

QValidator::State NumberRangeValidator::validate(QString& input, int&) const
{
    if (input.size() > MaxDigits())
        return Invalid;
    uint32_t value = 0;
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
        value = value * 10 + static_cast<uint32_t>(c.unicode() - '0');
    }
    return value <= m_maximum ? Acceptable : Invalid;
}

int NumberRangeValidator::MaxDigits() const
{
    return static_cast<int>(QString::number(m_maximum).size());
}
