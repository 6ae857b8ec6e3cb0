#pragma once

#include "ChannelDatabase.h"

#include <string>
#include <string_view>

class CodePageText;

// Every record of the chosen tables (a set of TableBit), in table order,
// tables in id order. CSV: one header row with the columns any of the
// tables has, then one row per record. JSON: one array of objects per
// table; a column of the record's context it lacks is null.
std::string ExportCsv(const ChannelDatabase& db, unsigned tables, const CodePageText& names);
std::string ExportJson(const ChannelDatabase& db, unsigned tables, const CodePageText& names);

struct ChannelRow;

// A column value in JSON: a number column holds a number, empty is null.
void AppendJsonValue(std::string& json, int column, std::string_view value);
// A row as one JSON object of the columns its table has, "table" left out.
void AppendJsonRow(std::string& json, const ChannelRow& row);
