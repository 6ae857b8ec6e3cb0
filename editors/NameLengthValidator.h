#pragma once

#include <QtGui/QValidator>

// A name that follows the name rule: a character that would take the name
// beyond its bytes, that the code page lacks, or a control character (a
// pasted line break or tab) is refused as it is typed, so nothing is cut
// or changed at OK.
class NameLengthValidator : public QValidator {
    Q_OBJECT

public:
    explicit NameLengthValidator(QObject* parent);

    State validate(QString& input, int& pos) const override;
};
