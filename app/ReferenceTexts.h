#pragma once

#include <QtCore/QString>

#include <cstddef>

class ReferenceList;
struct ReferencePlan;

// How the window shows a reference list and what it finds: the texts the
// preview and the reference window share.

// A row's number in its source: its number in a text list, its position in
// an image, its row in a CSV.
QString ReferenceRowNumber(const ReferenceList& list, size_t row);
// The program a row found ("TV 12 News"), or why it found none.
QString ReferenceRowFound(const ReferenceList& list, const ReferencePlan& plan, size_t row);
// One line per table: how many rows were matched, not found, fit several
// and repeated, and how many programs the reference does not list.
QString ReferenceCounts(const ReferencePlan& plan);
