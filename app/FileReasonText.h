#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

#include <string>

// Why a file could not be read or written, in the user's language: the
// system's reason comes from the C library already in it, ours is worded here.
class FileReasonText {
    Q_DECLARE_TR_FUNCTIONS(FileReasonText)

public:
    static QString Of(const std::string& reason);
};
