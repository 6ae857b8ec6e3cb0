#pragma once

#include "ChannelDatabase.h"

#include <QtCore/QString>

#include <cstdint>

class QLineEdit;

// How the record editors show fields and read them back.

// The decimal number the field starts with, read from its first maxChars
// characters in the ANSI code page; 0 when it does not start with a digit.
uint32_t ReadNumberField(const QString& text, int maxChars);

// A 12-byte name field of a record as text.
QString NameFieldText(const char* name);

// Stores the first 12 characters of text as at most 12 bytes in the ANSI
// code page, never splitting a character, followed by a zero byte; the bytes
// after that zero keep their values.
void StoreNameField(const QString& text, char (&name)[NAME_BYTES + 1]);

// Eight bytes as "xx " groups of lower-case hex digits.
QString BissKeyText(const uint8_t (&key)[8]);

// Reads 16 hex digits after dropping the blanks; a character that is no hex
// digit, or one missing because the text is short, counts as 0.
void ReadBissKey(const QString& text, uint8_t (&key)[8]);

// Fields that take only what their record field holds, and say so in their
// tool tip: a number up to `maximum`, a name of at most 12 bytes in the
// ANSI code page, a key of at most 16 hex digits with blanks between.
void LimitNumberField(QLineEdit* edit, uint32_t maximum);
void LimitNameField(QLineEdit* edit);
void LimitKeyField(QLineEdit* edit);

// Largest values of the record fields the editors show.
constexpr uint32_t MAX_PID = 0x1FFF;
constexpr uint32_t MAX_WORD = 0xFFFF;
constexpr uint32_t MAX_FREQUENCY = 0x3FFF;
constexpr uint32_t MAX_POSITION = 0x3F;
