#pragma once

#include "BigEndian.h"
#include "ChannelDatabase.h"

#include <cstring>

// The byte encodings of the three record types. Decode reads exactly the
// record's own bytes, encode writes exactly the bytes the tool owns: a
// satellite's 0..21, a transponder's 0..7, a program's 0..25 and 28..35.
// Neither touches entry, derived counts or attribute fields.
namespace RecordCodec {

inline void DecodeSatellite(const uint8_t* bytes, SatelliteRecord& sat);
void EncodeSatellite(const SatelliteRecord& sat, uint8_t* bytes);

inline void DecodeTransponder(const uint8_t* bytes, TransponderRecord& tp);
void EncodeTransponder(const TransponderRecord& tp, uint8_t* bytes);

inline void DecodeProgram(const uint8_t* bytes, ProgramRecord& prog);
void EncodeProgram(const ProgramRecord& prog, uint8_t* bytes);

// Attribute byte of a program entry: bit 0 lock, bits 1..6 favourite groups,
// bit 7 carried from the old entry.
inline void DecodeProgramAttribute(uint8_t attribute, ProgramRecord& prog);
uint8_t EncodeProgramAttribute(const ProgramRecord& prog, uint8_t oldAttribute);

// The decoders are inline: the loader runs them for every record of an image.

inline void DecodeSatellite(const uint8_t* b, SatelliteRecord& sat)
{
    sat.satId = ReadBE16(b + 0);
    sat.longitude = ReadBE16(b + 2);
    sat.lnbFreLow = ReadBE16(b + 4);
    sat.lnbFreHigh = ReadBE16(b + 6);
    const uint16_t flags = ReadBE16(b + 8);
    sat.power012v = (flags >> 15) & 0x1;
    sat.tone22k = (flags >> 14) & 0x1;
    sat.diseqc10 = (flags >> 11) & 0x7;
    sat.diseqc12En = (flags >> 10) & 0x1;
    sat.lnbType = (flags >> 8) & 0x3;
    sat.lnbPower = (flags >> 6) & 0x3;
    sat.position = flags & 0x3F;
    std::memcpy(sat.name, b + 10, 12);
    sat.name[12] = 0;
}

inline void DecodeTransponder(const uint8_t* b, TransponderRecord& tp)
{
    tp.tpId = ReadBE16(b + 0);
    const uint16_t sat = ReadBE16(b + 2);
    tp.satId = sat >> 2;
    tp.opaque2 = sat & 0x3;
    const uint16_t freq = ReadBE16(b + 4);
    tp.frequency = freq >> 2;
    tp.polarization = freq & 0x3;
    tp.symbolRate = ReadBE16(b + 6);
}

inline void DecodeProgram(const uint8_t* b, ProgramRecord& prog)
{
    prog.satId = ReadBE16(b + 0);
    prog.tpId = ReadBE16(b + 2);
    prog.serviceId = ReadBE16(b + 4);
    const uint16_t pcr = ReadBE16(b + 6);
    prog.pcrPid = pcr >> 3;
    prog.scramble = (pcr >> 2) & 0x1;
    prog.track = pcr & 0x3;
    const uint32_t video = ReadBE32(b + 8);
    prog.opaqueFlag = video >> 31;
    prog.opaque13 = (video >> 18) & 0x1FFF;
    prog.opaque5 = (video >> 13) & 0x1F;
    prog.videoPid = video & 0x1FFF;
    const uint16_t audio = ReadBE16(b + 12);
    prog.audioPid = audio >> 3;
    prog.opaque3 = audio & 0x7;
    std::memcpy(prog.name, b + 14, 12);
    prog.name[12] = 0;
    std::memcpy(prog.bissKey, b + 28, 8);
}

inline void DecodeProgramAttribute(uint8_t attribute, ProgramRecord& prog)
{
    prog.lockBit = attribute & 0x01;
    prog.favoriteBits = attribute & 0x7E;
}

} // namespace RecordCodec
