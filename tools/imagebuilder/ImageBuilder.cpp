#include "ImageBuilder.h"

#include "BigEndian.h"
#include "RecordCodec.h"

#include <algorithm>
#include <cstring>

ImageBuilder::ImageBuilder(int flashType)
    : m_flashType(flashType)
    , m_signature(0)
{
}

ImageBuilder& ImageBuilder::SignatureAt(uint32_t offset)
{
    m_signature = offset;
    m_signatureMoved = true;
    return *this;
}

ImageBuilder& ImageBuilder::ErasedHeader(bool erased)
{
    m_erased = erased;
    return *this;
}

ImageBuilder& ImageBuilder::MarkerInSecondCandidate(bool second)
{
    m_secondCandidate = second;
    return *this;
}

ImageBuilder& ImageBuilder::WithoutMarker()
{
    m_marker = false;
    return *this;
}

ImageBuilder& ImageBuilder::KeyArea(bool start, bool end)
{
    m_keyStart = start;
    m_keyEnd = end;
    return *this;
}

ImageBuilder& ImageBuilder::TableAt(int tableId, uint32_t blockOffset)
{
    m_tableAt[tableId] = blockOffset;
    return *this;
}

ImageBuilder& ImageBuilder::OmitTable(int tableId)
{
    m_omitted[tableId] = true;
    return *this;
}

uint32_t ImageBuilder::Place(int tableId, std::vector<uint8_t> bytes, uint8_t attribute)
{
    const uint32_t offset = m_nextRecord;
    m_nextRecord += static_cast<uint32_t>(bytes.size());
    m_tables[tableId].push_back({ (uint32_t(attribute) << 24) | offset, std::move(bytes) });
    return offset;
}

uint32_t ImageBuilder::AddSatellite(const SatelliteRecord& sat, uint8_t attribute)
{
    std::vector<uint8_t> bytes(SATELLITE_RECORD_SIZE);
    RecordCodec::EncodeSatellite(sat, bytes.data());
    return Place(TABLE_SATELLITES, std::move(bytes), attribute);
}

uint32_t ImageBuilder::AddTransponder(const TransponderRecord& tp, uint8_t attribute)
{
    std::vector<uint8_t> bytes(TRANSPONDER_RECORD_SIZE);
    RecordCodec::EncodeTransponder(tp, bytes.data());
    return Place(TABLE_TRANSPONDERS, std::move(bytes), attribute);
}

uint32_t ImageBuilder::AddTv(const ProgramRecord& prog, uint8_t attribute)
{
    std::vector<uint8_t> bytes(PROGRAM_RECORD_SIZE, 0xFF);
    RecordCodec::EncodeProgram(prog, bytes.data());
    return Place(TABLE_TV, std::move(bytes), attribute);
}

uint32_t ImageBuilder::AddRadio(const ProgramRecord& prog, uint8_t attribute)
{
    std::vector<uint8_t> bytes(PROGRAM_RECORD_SIZE, 0xFF);
    RecordCodec::EncodeProgram(prog, bytes.data());
    return Place(TABLE_RADIO, std::move(bytes), attribute);
}

uint32_t ImageBuilder::DirectoryBlockOffset() const
{
    if (m_flashType == 1)
        return m_erased ? FLASH_TYPE_1_BLOCK_ERASED : FLASH_TYPE_1_BLOCK;
    const uint32_t candidate = m_erased ? FLASH_TYPE_2_BLOCK_ERASED : FLASH_TYPE_2_BLOCK;
    return m_secondCandidate ? candidate + DIRECTORY_BLOCK_SIZE : candidate;
}

uint32_t ImageBuilder::FlashSize() const
{
    return m_flashType == 1 ? FLASH_TYPE_1_SIZE : FLASH_TYPE_2_SIZE;
}

void ImageBuilder::Build(uint8_t* image) const
{
    // Erased flash reads 0xFF; the boot header is written.
    std::memset(image, 0xFF, IMAGE_SIZE);
    std::memset(image + FlashSize(), 0, IMAGE_SIZE - FlashSize());
    std::memset(image, 0, 0x200);
    if (m_erased)
        std::memset(image + ERASED_HEADER_OFFSET, 0xFF, 4);

    const uint32_t block = DirectoryBlockOffset();
    // The signature goes just below the directory block so that no record
    // byte can pass for the directory magic.
    const uint32_t signature = m_signatureMoved ? m_signature : block - 0x100;
    std::memcpy(image + signature, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE);
    if (m_keyStart)
        std::memcpy(image + 0x1000, KEY_AREA_START, KEY_AREA_MARKER_SIZE);
    if (m_keyEnd)
        std::memcpy(image + 0x1100, KEY_AREA_END, KEY_AREA_MARKER_SIZE);

    for (const auto& table : m_tables)
        for (const Entry& entry : table)
            std::copy(entry.bytes.begin(), entry.bytes.end(), image + EntryOffset(entry.value));

    if (m_marker)
        WriteBE32(image + block + BLOCK_MARKER_OFFSET, BLOCK_MARKER);

    uint32_t packed = 0;
    for (int id = 0; id < TABLE_COUNT; ++id) {
        if (m_omitted[id])
            continue;
        const uint32_t at = m_tableAt[id] >= 0 ? static_cast<uint32_t>(m_tableAt[id]) : packed;
        uint8_t* p = image + block + at;
        const auto& entries = m_tables[id];
        WriteBE32(p, DIRECTORY_MAGIC);
        WriteBE32(p + 4, static_cast<uint32_t>(id));
        WriteBE32(p + 8, static_cast<uint32_t>(entries.size()));
        WriteBE32(p + 12, 0);
        WriteBE32(p + 16, DIRECTORY_HEADER_END);
        for (size_t i = 0; i < entries.size(); ++i)
            WriteBE32(p + 20 + 4 * i, entries[i].value);
        WriteBE32(p + 20 + 4 * entries.size(), DIRECTORY_TRAILER);
        packed = std::max(packed, at + 24 + 4 * static_cast<uint32_t>(entries.size()));
    }
}

std::vector<uint8_t> ImageBuilder::Build() const
{
    std::vector<uint8_t> image(IMAGE_SIZE);
    Build(image.data());
    return image;
}

SatelliteRecord MakeSatellite(uint16_t satId, const char* name, uint16_t longitude)
{
    SatelliteRecord sat {};
    sat.satId = satId;
    sat.longitude = longitude;
    sat.lnbFreLow = 9750;
    sat.lnbFreHigh = 10600;
    sat.lnbType = 2;
    sat.lnbPower = 2;
    std::strncpy(sat.name, name, NAME_BYTES);
    return sat;
}

TransponderRecord MakeTransponder(uint16_t tpId, uint16_t satId, uint16_t frequency, uint16_t symbolRate,
    uint16_t polarization)
{
    TransponderRecord tp {};
    tp.tpId = tpId;
    tp.satId = satId & 0x3FFF;
    tp.frequency = frequency & 0x3FFF;
    tp.polarization = polarization & 0x3;
    tp.symbolRate = symbolRate;
    return tp;
}

ProgramRecord MakeProgram(uint16_t satId, uint16_t tpId, uint16_t serviceId, const char* name, uint16_t videoPid,
    uint16_t audioPid)
{
    ProgramRecord prog {};
    prog.satId = satId;
    prog.tpId = tpId;
    prog.serviceId = serviceId;
    prog.pcrPid = videoPid ? videoPid : audioPid;
    prog.track = 2;
    prog.videoPid = videoPid & 0x1FFF;
    prog.audioPid = audioPid & 0x1FFF;
    std::strncpy(prog.name, name, NAME_BYTES);
    return prog;
}

std::vector<DirectoryEntry> ImageEntries(const ChannelDatabase& db, int tableId)
{
    DirectoryTable header;
    const uint32_t q = db.FindDirectoryTable(tableId, &header);
    std::vector<DirectoryEntry> entries;
    for (uint32_t i = 0; q != 0 && i < header.entryCount; ++i)
        entries.push_back(ReadBE32(db.m_Image + q + DIRECTORY_HEADER_SIZE + 4 * i));
    return entries;
}
