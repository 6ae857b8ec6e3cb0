#pragma once

#include "IdTally.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Directory table ids, in the order the directory block stores them.
constexpr int TABLE_SATELLITES = 0;
constexpr int TABLE_TRANSPONDERS = 1;
constexpr int TABLE_TV = 2;
constexpr int TABLE_RADIO = 3;
constexpr int TABLE_COUNT = 4;

// What the record list shows; 3 is deliberately not a list.
constexpr int LIST_SATELLITES = 0;
constexpr int LIST_TRANSPONDERS = 1;
constexpr int LIST_PROGRAMS = 2;
constexpr int LIST_TP_PROGRAMS = 4;

// Kinds of ReorderRecords.
constexpr int REORDER_SATELLITES = 0;
constexpr int REORDER_TV = 2;
constexpr int REORDER_RADIO = 3;
constexpr int REORDER_SAT_TPS = 4;
constexpr int REORDER_TP_TV = 9;
constexpr int REORDER_TP_RADIO = 10;

constexpr size_t IMAGE_SIZE = 0x100000;

constexpr uint16_t MAX_SATELLITES = 150;
constexpr uint16_t MAX_TRANSPONDERS = 3000;
constexpr uint16_t MAX_TV = 5000;
constexpr uint16_t MAX_RADIO = 2000;
constexpr uint16_t MAX_PROGRAMS = 5000;
constexpr uint16_t MAX_SAT_TPS = 300;
constexpr uint16_t MAX_SAT_TV = 3000;
constexpr uint16_t MAX_SAT_RADIO = 2000;
constexpr uint16_t MAX_TP_TV = 300;
constexpr uint16_t MAX_TP_RADIO = 100;
// How many entries each directory table may list, by table id.
constexpr uint16_t TABLE_CAPACITY[TABLE_COUNT] = { MAX_SATELLITES, MAX_TRANSPONDERS, MAX_TV, MAX_RADIO };

// The bytes of a name in a record, without the terminating zero.
constexpr size_t NAME_BYTES = 12;

// Recognition marks. Only the first signature in the image counts.
constexpr char IMAGE_SIGNATURE[] = "6CGHLSWZ";
constexpr size_t IMAGE_SIGNATURE_SIZE = sizeof IMAGE_SIGNATURE - 1;
constexpr char KEY_AREA_START[] = "SLYBS310";
constexpr char KEY_AREA_END[] = "ELYBS310";
constexpr size_t KEY_AREA_MARKER_SIZE = sizeof KEY_AREA_START - 1;
// Four bytes that read 0xFF when the boot header is erased.
constexpr uint32_t ERASED_HEADER_OFFSET = 0x17C;

constexpr uint32_t DIRECTORY_MAGIC = 0x7702ABCD;
constexpr uint32_t DIRECTORY_HEADER_END = 0xFFFFFFFF;
constexpr uint32_t DIRECTORY_TRAILER = 0xABCD7702;
constexpr uint32_t BLOCK_MARKER = 0x19851019;
constexpr uint32_t DIRECTORY_BLOCK_SIZE = 0x10000;
constexpr uint32_t BLOCK_MARKER_OFFSET = DIRECTORY_BLOCK_SIZE - 4;
constexpr uint32_t DIRECTORY_HEADER_SIZE = 20;

// The two flash layouts. A directory magic first found up to
// FLASH_TYPE_1_LIMIT makes a 512 KiB flash (type 1), above it a 1 MiB
// flash (type 2). The directory block lies lower when the boot header is
// erased; a type-2 block may also stand one block above its candidate.
constexpr uint32_t FLASH_TYPE_1_LIMIT = 0x80000;
constexpr uint32_t FLASH_TYPE_1_SIZE = 0x80000;
constexpr uint32_t FLASH_TYPE_2_SIZE = 0x100000;
constexpr uint32_t FLASH_TYPE_1_BLOCK = 0x70000;
constexpr uint32_t FLASH_TYPE_1_BLOCK_ERASED = 0x60000;
constexpr uint32_t FLASH_TYPE_2_BLOCK = 0xD0000;
constexpr uint32_t FLASH_TYPE_2_BLOCK_ERASED = 0xC0000;
constexpr uint32_t FLASH_TYPE_1_SEARCH_LENGTH = 0x8000;
constexpr uint32_t FLASH_TYPE_2_SEARCH_LENGTH = DIRECTORY_BLOCK_SIZE;

constexpr size_t SATELLITE_RECORD_SIZE = 22;
constexpr size_t TRANSPONDER_RECORD_SIZE = 8;
constexpr size_t PROGRAM_RECORD_SIZE = 36;

// One 32-bit directory entry: attribute byte in bits 31..24, record offset in 23..0.
using DirectoryEntry = uint32_t;

inline uint32_t EntryOffset(DirectoryEntry entry) { return entry & 0xFFFFFF; }
inline uint8_t EntryAttribute(DirectoryEntry entry) { return static_cast<uint8_t>(entry >> 24); }

struct SatelliteRecord {
    uint16_t satId;
    uint16_t longitude;
    uint16_t lnbFreLow;
    uint16_t lnbFreHigh;
    uint16_t power012v : 1;
    uint16_t tone22k : 1;
    uint16_t diseqc10 : 3;
    uint16_t diseqc12En : 1;
    uint16_t lnbType : 2;
    uint16_t lnbPower : 2;
    uint16_t position : 6;
    char name[NAME_BYTES + 1];
    uint32_t entry;
    uint16_t tpCount;
    uint16_t tvCount;
    uint16_t radioCount;
};

struct TransponderRecord {
    uint16_t tpId;
    uint16_t satId : 14;
    uint16_t opaque2 : 2;
    uint16_t frequency : 14;
    uint16_t polarization : 2;
    uint16_t symbolRate;
    uint32_t entry;
    uint16_t tvCount;
    uint16_t radioCount;
};

struct ProgramRecord {
    uint16_t satId;
    uint16_t tpId;
    uint16_t serviceId;
    uint16_t pcrPid : 13;
    uint16_t scramble : 1;
    uint16_t track : 2;
    uint32_t opaqueFlag : 1;
    uint32_t opaque13 : 13;
    uint32_t opaque5 : 5;
    uint32_t videoPid : 13;
    uint16_t audioPid : 13;
    uint16_t opaque3 : 3;
    char name[NAME_BYTES + 1];
    uint8_t bissKey[8];
    uint32_t entry;
    uint16_t tableIndex;
    uint8_t lockBit;
    uint8_t favoriteBits;
};

// The five header fields of a directory table, in image order.
struct DirectoryTable {
    uint32_t magic;
    uint32_t tableId;
    uint32_t entryCount;
    uint32_t reserved;
    uint32_t headerEnd;
};

// Why the last DecodeDatabase returned 0.
enum class DecodeProblem {
    None,
    NoSignature,
    SignatureAtFour,
    NoDirectoryMagic,
    NoBlockMarker,
    TableTooLarge,      // more entries than the table holds
    TableOutsideBlock,  // its entries run past the directory block
    RecordOutsideImage, // an entry points so close to the end that its record leaves the image
    TooManyPrograms,    // TV and radio together hold more than 5000
};

const char* DecodeProblemText(DecodeProblem problem);

// The channel database of one flash image: the image bytes are the single
// source of truth, the tables are what the last DecodeDatabase made of them.
// A few MiB large: allocate it on the heap.
class ChannelDatabase {
public:
    // Loader and queries.
    int DecodeDatabase();
    int DetectFlashType();
    int SelectFlashLayout(int flashType);
    int DetectKeyArea();
    // Offset of the first image signature, -1 when there is none.
    long FindSignature() const;
    uint32_t FindDirectoryTable(int tableId, DirectoryTable* header = nullptr) const;
    uint16_t CopySatelliteTransponders(std::span<TransponderRecord> dest, uint16_t satId) const;
    uint16_t CopyTransponderPrograms(std::span<ProgramRecord> dest, uint16_t tpId) const;
    uint16_t CopySatellitePrograms(std::span<ProgramRecord> dest, uint16_t satId, int kind) const;

    // Single records written back in place.
    void WriteSatellite(const SatelliteRecord& sat);
    void WriteTransponder(const TransponderRecord& tp);
    void WriteProgram(const ProgramRecord& prog, int serviceTab);
    // Only the attribute byte of the program's directory entry: its lock
    // and favourite groups.
    void WriteProgramAttribute(const ProgramRecord& prog, int serviceTab);
    uint16_t FindSatellitePosition(uint16_t satId) const;
    uint16_t FindTransponderPosition(uint16_t tpId) const;

    // Directory rewrites: rows are positions in the list the record list shows.
    void DeleteSatellites(std::span<const uint16_t> rows);
    void DeleteTransponders(std::span<const uint16_t> rows);
    void DeletePrograms(std::span<const uint16_t> rows, int listType, int radioFlag);
    int ReorderRecords(int kind, std::span<const uint16_t> order);

    uint8_t m_Image[IMAGE_SIZE] = {};

    int m_nFlashType = 0;
    uint32_t m_nFlashSize = 0;
    uint32_t m_nDirBlockOffset = 0;
    uint32_t m_nDirSearchLength = 0;
    int m_bKeyArea = 0;
    DecodeProblem m_DecodeProblem = DecodeProblem::None;
    int m_nProblemTable = -1; // the table of a table problem

    SatelliteRecord m_SatTable[MAX_SATELLITES] = {};
    uint16_t m_nSatCount = 0;
    TransponderRecord m_TpTable[MAX_TRANSPONDERS] = {};
    uint16_t m_nTpCount = 0;
    ProgramRecord m_TvTable[MAX_TV] = {};
    uint16_t m_nTvCount = 0;
    ProgramRecord m_RadioTable[MAX_RADIO] = {};
    uint16_t m_nRadioCount = 0;
    ProgramRecord m_ProgTable[MAX_PROGRAMS] = {};
    uint16_t m_nProgCount = 0;

    TransponderRecord m_SatTpList[MAX_SAT_TPS] = {};
    uint16_t m_nSatTpCount = 0;
    ProgramRecord m_SatTvList[MAX_SAT_TV] = {};
    uint16_t m_nSatTvCount = 0;
    ProgramRecord m_SatRadioList[MAX_SAT_RADIO] = {};
    uint16_t m_nSatRadioCount = 0;
    ProgramRecord m_TpTvList[MAX_TP_TV] = {};
    uint16_t m_nTpTvCount = 0;
    ProgramRecord m_TpRadioList[MAX_TP_RADIO] = {};
    uint16_t m_nTpRadioCount = 0;

private:
    void ClearCounts();
    void ClearTables();
    void ClearBeyondCounts();
    bool DecodeTables();
    void DeriveCounts();
    void ClearTallies();

    // How many records of each table the last decode wrote; the rest of
    // every table is zero.
    struct TableExtent {
        uint16_t sats, tps, tv, radio, progs;
    };
    TableExtent m_Decoded = {};

    // Per-id tallies of the derived counts, added up as the tables are
    // decoded; nothing is known outside a decode.
    IdTally m_SatTally;
    IdTally m_TpTally;
};
