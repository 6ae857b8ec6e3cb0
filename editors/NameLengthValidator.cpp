#include "NameLengthValidator.h"

#include "CodePageText.h"
#include "NameRule.h"

#include <string>

NameLengthValidator::NameLengthValidator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State NameLengthValidator::validate(QString& input, int&) const
{
    std::string bytes;
    return CheckNameText(input.toStdString(), AnsiCodePageText(), bytes).Passes() ? Acceptable : Invalid;
}
