#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The SHA-256 digest of the bytes, and the same as 64 lower-case hex digits:
// what a user compares with the checksum the maker of a file publishes.
std::array<uint8_t, 32> Sha256(std::span<const uint8_t> bytes);
std::string Sha256Hex(std::span<const uint8_t> bytes);
