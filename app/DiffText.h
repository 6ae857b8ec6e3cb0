#pragma once

#include "ChannelDiff.h"
#include "FlashVerify.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

#include <string_view>

// Differences between two channel lists, and a verification of the flash,
// in the user's language. Names and values stay as the lists hold them.
class DiffText {
    Q_DECLARE_TR_FUNCTIONS(DiffText)

public:
    static QString Table(int table);
    static QString Kind(DiffKind kind);
    // What the entry is about: a program's name, a transponder's channel.
    static QString Label(const DiffEntry& entry);
    // The fields a changed entry changed, each with its value before and after.
    static QString Details(const DiffEntry& entry);
    // An entry on one line, as a verification lists it.
    static QString Line(const DiffEntry& entry);
    // The bytes and records that differ, at most `maxListed` of each.
    static QString Verification(const FlashVerification& verification, size_t maxListed);

private:
    static QString Column(int column);
    static QString Value(int column, std::string_view value);
};
