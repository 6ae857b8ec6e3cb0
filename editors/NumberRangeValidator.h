#pragma once

#include <QtGui/QValidator>

#include <cstdint>

// Decimal digits whose value stays within 0..maximum: a key that would
// leave the range is refused as it is typed, never wrapped at OK. An empty
// field is let through and reads as 0.
class NumberRangeValidator : public QValidator {
    Q_OBJECT

public:
    NumberRangeValidator(uint32_t maximum, QObject* parent);

    State validate(QString& input, int& pos) const override;

    uint32_t Maximum() const { return m_maximum; }
    // Digits of the largest value: what the field may hold.
    int MaxDigits() const;

private:
    uint32_t m_maximum;
};
