#include "RecordCodec.h"

#include "BigEndian.h"

#include <cstring>

namespace RecordCodec {

void DecodeSatellite(const uint8_t* b, SatelliteRecord& sat)
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
    std::memcpy(sat.name, b + 10, NAME_BYTES);
    sat.name[NAME_BYTES] = 0;
}

void EncodeSatellite(const SatelliteRecord& sat, uint8_t* b)
{
    WriteBE16(b + 0, sat.satId);
    WriteBE16(b + 2, sat.longitude);
    WriteBE16(b + 4, sat.lnbFreLow);
    WriteBE16(b + 6, sat.lnbFreHigh);
    const uint16_t flags = static_cast<uint16_t>((sat.power012v << 15) | (sat.tone22k << 14) | (sat.diseqc10 << 11)
        | (sat.diseqc12En << 10) | (sat.lnbType << 8) | (sat.lnbPower << 6) | sat.position);
    WriteBE16(b + 8, flags);
    std::memcpy(b + 10, sat.name, NAME_BYTES);
}

void DecodeTransponder(const uint8_t* b, TransponderRecord& tp)
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

void EncodeTransponder(const TransponderRecord& tp, uint8_t* b)
{
    WriteBE16(b + 0, tp.tpId);
    WriteBE16(b + 2, static_cast<uint16_t>((tp.satId << 2) | tp.opaque2));
    WriteBE16(b + 4, static_cast<uint16_t>((tp.frequency << 2) | tp.polarization));
    WriteBE16(b + 6, tp.symbolRate);
}

void DecodeProgram(const uint8_t* b, ProgramRecord& prog)
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
    std::memcpy(prog.name, b + 14, NAME_BYTES);
    prog.name[NAME_BYTES] = 0;
    std::memcpy(prog.bissKey, b + 28, 8);
}

void EncodeProgram(const ProgramRecord& prog, uint8_t* b)
{
    WriteBE16(b + 0, prog.satId);
    WriteBE16(b + 2, prog.tpId);
    WriteBE16(b + 4, prog.serviceId);
    WriteBE16(b + 6, static_cast<uint16_t>((prog.pcrPid << 3) | (prog.scramble << 2) | prog.track));
    WriteBE32(b + 8, (uint32_t(prog.opaqueFlag) << 31) | (uint32_t(prog.opaque13) << 18) | (uint32_t(prog.opaque5) << 13)
        | prog.videoPid);
    WriteBE16(b + 12, static_cast<uint16_t>((prog.audioPid << 3) | prog.opaque3));
    std::memcpy(b + 14, prog.name, NAME_BYTES);
    std::memcpy(b + 28, prog.bissKey, 8);
}

void DecodeProgramAttribute(uint8_t attribute, ProgramRecord& prog)
{
    prog.lockBit = attribute & 0x01;
    prog.favoriteBits = attribute & 0x7E;
}

uint8_t EncodeProgramAttribute(const ProgramRecord& prog, uint8_t oldAttribute)
{
    return static_cast<uint8_t>((oldAttribute & 0x80) | (prog.lockBit & 0x01) | prog.favoriteBits);
}

} // namespace RecordCodec
