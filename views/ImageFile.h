#pragma once

#include <QtCore/QString>

#include <cstddef>
#include <cstdint>
#include <vector>

enum class ImageReadResult { Read, TooLarge, Failed };

// Reads a whole file of at most maxSize bytes. On failure `reason` holds the
// system's explanation.
ImageReadResult ReadImageFile(const QString& path, size_t maxSize, std::vector<uint8_t>& bytes, QString& reason);

// Writes through a temporary file in the target's folder that replaces the
// target only once it is completely written and flushed; a failure leaves
// an existing file as it was.
bool WriteImageFile(const QString& path, const uint8_t* data, size_t size, QString& reason);
