#include "RecordCodec.h"

#include "BigEndian.h"

#include <cstring>

namespace RecordCodec {

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

void EncodeTransponder(const TransponderRecord& tp, uint8_t* b)
{
    WriteBE16(b + 0, tp.tpId);
    WriteBE16(b + 2, static_cast<uint16_t>((tp.satId << 2) | tp.opaque2));
    WriteBE16(b + 4, static_cast<uint16_t>((tp.frequency << 2) | tp.polarization));
    WriteBE16(b + 6, tp.symbolRate);
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

uint8_t EncodeProgramAttribute(const ProgramRecord& prog, uint8_t oldAttribute)
{
    return static_cast<uint8_t>((oldAttribute & 0x80) | (prog.lockBit & 0x01) | prog.favoriteBits);
}

} // namespace RecordCodec
