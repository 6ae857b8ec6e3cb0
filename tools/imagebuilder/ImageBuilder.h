#pragma once

#include "ChannelDatabase.h"

#include <cstdint>
#include <vector>

// Composes a valid flash image from records, so that a test, a benchmark or
// a tool can state its case in a few lines. The defaults give an image that
// DecodeDatabase accepts; each option moves one recognition mark.
class ImageBuilder {
public:
    explicit ImageBuilder(int flashType = 2);

    ImageBuilder& SignatureAt(uint32_t offset);
    ImageBuilder& ErasedHeader(bool erased);
    // Flash type 2 only: put the block marker at the end of the second
    // candidate block instead of the first.
    ImageBuilder& MarkerInSecondCandidate(bool second);
    ImageBuilder& WithoutMarker();
    ImageBuilder& KeyArea(bool start, bool end);
    ImageBuilder& KeyArea(bool present) { return KeyArea(present, present); }
    // Places a table header at this offset from the block start (a multiple
    // of 4) instead of packing the tables in id order.
    ImageBuilder& TableAt(int tableId, uint32_t blockOffset);
    ImageBuilder& OmitTable(int tableId);

    // Each record gets the next free place in the data area; the returned
    // value is its image offset.
    uint32_t AddSatellite(const SatelliteRecord& sat, uint8_t attribute = 0);
    uint32_t AddTransponder(const TransponderRecord& tp, uint8_t attribute = 0);
    uint32_t AddTv(const ProgramRecord& prog, uint8_t attribute = 0x7F);
    uint32_t AddRadio(const ProgramRecord& prog, uint8_t attribute = 0x7F);

    uint32_t DirectoryBlockOffset() const;
    uint32_t FlashSize() const;

    // Writes the whole 1 MiB image into `image`.
    void Build(uint8_t* image) const;
    std::vector<uint8_t> Build() const;

private:
    struct Entry {
        uint32_t value;
        std::vector<uint8_t> bytes;
    };

    uint32_t Place(int tableId, std::vector<uint8_t> bytes, uint8_t attribute);

    int m_flashType;
    uint32_t m_signature;
    bool m_erased = false;
    bool m_secondCandidate = false;
    bool m_marker = true;
    bool m_keyStart = false;
    bool m_keyEnd = false;
    bool m_signatureMoved = false;
    uint32_t m_nextRecord = 0x20000;
    std::vector<Entry> m_tables[TABLE_COUNT];
    int64_t m_tableAt[TABLE_COUNT] = { -1, -1, -1, -1 };
    bool m_omitted[TABLE_COUNT] = {};
};

// Handy record constructors for tests and tools.
SatelliteRecord MakeSatellite(uint16_t satId, const char* name, uint16_t longitude = 192);
TransponderRecord MakeTransponder(uint16_t tpId, uint16_t satId, uint16_t frequency, uint16_t symbolRate = 27500,
    uint16_t polarization = 0);
ProgramRecord MakeProgram(uint16_t satId, uint16_t tpId, uint16_t serviceId, const char* name, uint16_t videoPid,
    uint16_t audioPid = 0x100);

// The entries of a directory table as the image holds them now.
std::vector<DirectoryEntry> ImageEntries(const ChannelDatabase& db, int tableId);
