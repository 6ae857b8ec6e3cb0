#pragma once

#include <QtGui/QValidator>

#include <cstddef>

// A name that fits its field once converted to the ANSI code page: a
// character that would need bytes beyond the limit is refused as it is
// typed, so nothing is cut at OK. A control character (a pasted line break
// or tab) is refused in the same way.
class NameLengthValidator : public QValidator {
    Q_OBJECT

public:
    NameLengthValidator(size_t maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    size_t m_maxBytes;
};
