#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class ImageReadResult { Read, TooLarge, Failed };

// What erased flash reads as.
constexpr uint8_t ERASED_FLASH = 0xFF;

// Places a file's bytes at the start of a 1 MiB image buffer and erased
// flash after them, so that nothing of an earlier image survives.
void PlaceImage(std::span<const uint8_t> fileBytes, uint8_t* image);

// Why a path is refused when the reason is not the system's to give: it is
// not a regular file, or there is nothing to write.
enum class FileRefusal { NamedPipe, Device, Socket, NotRegular, NothingToWrite };
// The English reason, as `reason` below holds it.
const char* FileRefusalText(FileRefusal refusal);
// The refusal a reason words, when it is one of these.
std::optional<FileRefusal> FileRefusalOf(std::string_view reason);

// Reads a whole regular file of at most maxSize bytes. Anything else (a
// folder, a named pipe, a device, a socket) is refused before it is opened,
// so that nothing blocks and no device is touched. On failure `reason`
// holds the system's explanation.
ImageReadResult ReadImageFile(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes,
    std::string& reason);

// Writes through a temporary file in the target's folder that replaces the
// target only once it is completely written and flushed; a failure leaves
// an existing file as it was. A replaced file keeps its mode and, where the
// process may set them, its owner and group; a symbolic link keeps pointing
// at its target, which is the file replaced.
bool WriteImageFile(const std::string& path, std::span<const uint8_t> data, std::string& reason);

// True when both paths name one existing file (one device and inode), links
// followed: a command must not write its output over one of its inputs.
bool IsSameFile(const std::string& a, const std::string& b);

// A size as the user reads it: "64 MiB", "512 KiB", "100 bytes".
std::string SizeText(size_t bytes);
