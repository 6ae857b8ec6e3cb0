#pragma once

#include "ChannelDatabase.h"

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: how an input becomes a flash image, the
// recognition marks as the targets find them, and the abort that tells the
// fuzzer an invariant broke.
namespace FuzzFrame {

void Check(bool holds, const char* what);

// The input as a flash image. An input whose first byte is odd is laid over
// a valid-looking frame, so that the fuzzer spends its time on the tables;
// in that frame an input of 1 + 0xFFFC bytes fills a whole directory block.
void Load(ChannelDatabase& db, const uint8_t* data, size_t size);

// The first place of pattern in [from, to) of the image, or -1.
long Find(const uint8_t* image, size_t from, size_t to, const void* pattern, size_t length);
long FirstSignature(const uint8_t* image);
// The directory magic as it stands in the image.
const uint8_t* Magic();

} // namespace FuzzFrame
