#pragma once

#include "ChannelDatabase.h"

// The byte encodings of the three record types. Decode reads exactly the
// record's own bytes, encode writes exactly the bytes the tool owns: a
// satellite's 0..21, a transponder's 0..7, a program's 0..25 and 28..35.
// Neither touches entry, derived counts or attribute fields.
namespace RecordCodec {

void DecodeSatellite(const uint8_t* bytes, SatelliteRecord& sat);
void EncodeSatellite(const SatelliteRecord& sat, uint8_t* bytes);

void DecodeTransponder(const uint8_t* bytes, TransponderRecord& tp);
void EncodeTransponder(const TransponderRecord& tp, uint8_t* bytes);

void DecodeProgram(const uint8_t* bytes, ProgramRecord& prog);
void EncodeProgram(const ProgramRecord& prog, uint8_t* bytes);

// Attribute byte of a program entry: bit 0 lock, bits 1..6 favourite groups,
// bit 7 carried from the old entry.
void DecodeProgramAttribute(uint8_t attribute, ProgramRecord& prog);
uint8_t EncodeProgramAttribute(const ProgramRecord& prog, uint8_t oldAttribute);

} // namespace RecordCodec
