#pragma once

#include <cstddef>
#include <string>

// Why a set of loader blocks cannot be used: a file or folder of it that
// cannot be read, is no folder, or is not the size the receiver expects.
struct LoaderProblem {
    enum class Kind { Unreadable, NotAFolder, TooLarge, WrongSize };
    Kind kind = Kind::Unreadable;
    std::string path;
    // Unreadable: the reason, as ReadImageFile or the system gives it.
    std::string reason;
    size_t bytes = 0;    // WrongSize: the file's
    size_t expected = 0; // TooLarge and WrongSize

    bool operator==(const LoaderProblem&) const = default;
};

// The problem on one line in English, the path first.
std::string LoaderProblemText(const LoaderProblem& problem);
