#include "ListCheck.h"

#include "BigEndian.h"
#include "CodePageText.h"
#include "NameRule.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace {

struct KindInfo {
    Severity severity;
    const char* name;
    const char* key;
};

constexpr KindInfo KINDS[FINDING_KIND_COUNT] = {
    { Severity::Error, "programs of no satellite", "program_without_satellite" },
    { Severity::Error, "programs of no transponder", "program_without_transponder" },
    { Severity::Error, "transponders of no satellite", "transponder_without_satellite" },
    { Severity::Error, "satellite ids used twice", "satellite_id_twice" },
    { Severity::Error, "transponder ids used twice", "transponder_id_twice" },
    { Severity::Warning, "duplicate programs", "duplicate_program" },
    { Severity::Warning, "duplicate transponders", "duplicate_transponder" },
    { Severity::Error, "entries past the end of the image", "entry_outside_image" },
    { Severity::Error, "entries inside the directory block", "entry_in_directory_block" },
    { Severity::Error, "tables over their capacity", "table_over_capacity" },
    { Severity::Warning, "names with a control byte", "name_with_control_byte" },
    { Severity::Warning, "names the code page cannot show", "name_outside_code_page" },
    { Severity::Warning, "satellites with no transponders", "satellite_without_transponders" },
    { Severity::Warning, "transponders with no programs", "transponder_without_programs" },
    { Severity::Error, "files shorter than their flash", "short_file" },
};

constexpr uint16_t NO_POSITION = 0xFFFF; // no table holds that many records

const char* TableWord(int table)
{
    switch (table) {
    case TABLE_SATELLITES:
        return "satellite";
    case TABLE_TRANSPONDERS:
        return "transponder";
    case TABLE_TV:
        return "TV program";
    default:
        return "radio program";
    }
}

const char* TableTitle(int table)
{
    switch (table) {
    case TABLE_SATELLITES:
        return "satellite table";
    case TABLE_TRANSPONDERS:
        return "transponder table";
    case TABLE_TV:
        return "TV table";
    default:
        return "radio table";
    }
}

std::string Number(long value)
{
    return std::to_string(value);
}

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", value);
    return text;
}

// The position of the first satellite and of the first transponder of each
// id. The slots outlive a check, one set per thread: filling 256 KiB for
// every check cost more than checking a small image.
struct FirstPositions {
    std::vector<uint16_t> sat = std::vector<uint16_t>(0x10000, NO_POSITION);
    std::vector<uint16_t> tp = std::vector<uint16_t>(0x10000, NO_POSITION);
};

FirstPositions& ThreadFirstPositions()
{
    thread_local FirstPositions positions;
    return positions;
}

class Checker {
public:
    Checker(const ChannelDatabase& db, const CodePageText& names)
        : m_db(db)
        , m_names(names)
    {
    }

    // Only the ids of the tables can have been set.
    ~Checker()
    {
        for (uint16_t s = 0; s < m_db.m_nSatCount; ++s)
            m_firstSat[m_db.m_SatTable[s].satId] = NO_POSITION;
        for (uint16_t t = 0; t < m_db.m_nTpCount; ++t)
            m_firstTp[m_db.m_TpTable[t].tpId] = NO_POSITION;
    }

    Checker(const Checker&) = delete;
    Checker& operator=(const Checker&) = delete;

    std::vector<Finding> Run()
    {
        CheckDirectory();
        if (m_db.m_DecodeProblem == DecodeProblem::None) {
            CheckSatellites();
            CheckTransponders();
            CheckPrograms(TABLE_TV, m_db.m_TvTable, m_db.m_nTvCount);
            CheckPrograms(TABLE_RADIO, m_db.m_RadioTable, m_db.m_nRadioCount);
        }
        return std::move(m_findings);
    }

private:
    void Add(FindingKind kind, std::vector<RecordRef> records, const std::string& text,
        std::vector<uint64_t> numbers = {}, int table = -1)
    {
        std::vector<RecordWords> described;
        for (const RecordRef record : records)
            described.push_back(WordRecord(m_db, record, m_names));
        m_findings.push_back({ kind, SeverityOf(kind), std::move(records), PrintableText(text), std::move(described),
            std::move(numbers), table });
    }

    const char* RawName(int table, uint16_t position) const
    {
        if (table == TABLE_SATELLITES)
            return m_db.m_SatTable[position].name;
        return table == TABLE_TV ? m_db.m_TvTable[position].name : m_db.m_RadioTable[position].name;
    }

    std::string Describe(int table, uint16_t position) const
    {
        return DescribeRecord(m_db, { table, position }, m_names);
    }

    void CheckDirectory()
    {
        constexpr uint32_t CAPACITY[TABLE_COUNT] = { MAX_SATELLITES, MAX_TRANSPONDERS, MAX_TV, MAX_RADIO };
        constexpr size_t RECORD_SIZE[TABLE_COUNT]
            = { SATELLITE_RECORD_SIZE, TRANSPONDER_RECORD_SIZE, PROGRAM_RECORD_SIZE, PROGRAM_RECORD_SIZE };
        const uint64_t blockStart = m_db.m_nDirBlockOffset;
        const uint64_t blockEnd = std::min<uint64_t>(blockStart + DIRECTORY_BLOCK_SIZE, IMAGE_SIZE);
        uint64_t programs = 0;
        for (int table = 0; table < TABLE_COUNT; ++table) {
            DirectoryTable header;
            const uint32_t q = m_db.FindDirectoryTable(table, &header);
            if (q == 0)
                continue;
            const uint64_t count = header.entryCount;
            if (table == TABLE_TV || table == TABLE_RADIO)
                programs += count;
            if (count > CAPACITY[table])
                Add(FindingKind::TableOverCapacity, {},
                    std::string("the ") + TableTitle(table) + " lists " + std::to_string(count) + " records; it holds "
                        + Number(CAPACITY[table]),
                    { count, CAPACITY[table] }, table);
            const uint64_t entries = uint64_t(q) + DIRECTORY_HEADER_SIZE;
            uint64_t listed = count;
            if (entries + 4 * count > blockEnd) {
                Add(FindingKind::TableOverCapacity, {},
                    std::string("the ") + TableTitle(table) + " runs past the end of the directory block", {}, table);
                listed = (blockEnd - entries) / 4;
            }
            // Positions past the table's capacity cannot be named by a record.
            listed = std::min<uint64_t>(listed, CAPACITY[table]);
            for (uint16_t i = 0; i < listed; ++i) {
                const uint32_t offset = EntryOffset(ReadBE32(m_db.m_Image + entries + 4ull * i));
                const uint64_t end = uint64_t(offset) + RECORD_SIZE[table];
                if (end > IMAGE_SIZE)
                    Add(FindingKind::EntryOutsideImage, { { table, i } },
                        Describe(table, i) + ": its record at " + Hex(offset) + " runs past the end of the image", { offset });
                else if (offset < blockEnd && end > blockStart)
                    Add(FindingKind::EntryInDirectoryBlock, { { table, i } },
                        Describe(table, i) + ": its record at " + Hex(offset) + " lies inside the directory block", { offset });
            }
        }
        if (programs > MAX_PROGRAMS)
            Add(FindingKind::TableOverCapacity, {},
                "the TV and radio tables list " + std::to_string(programs) + " programs together; the receiver holds "
                    + Number(MAX_PROGRAMS),
                { programs, MAX_PROGRAMS });
    }

    void CheckName(int table, uint16_t position)
    {
        const NameCheck check = CheckStoredName(RawName(table, position), m_names);
        if (check.controlCharacter)
            Add(FindingKind::NameWithControlByte, { { table, uint16_t(position) } },
                Describe(table, position) + ": the name holds a control byte");
        if (check.outsideCodePage)
            Add(FindingKind::NameOutsideCodePage, { { table, uint16_t(position) } },
                Describe(table, position) + ": the name holds bytes that code page " + Number(m_names.CodePage())
                    + " cannot show",
                { uint64_t(m_names.CodePage()) });
    }

    void CheckSatellites()
    {
        for (uint16_t s = 0; s < m_db.m_nSatCount; ++s) {
            const SatelliteRecord& sat = m_db.m_SatTable[s];
            uint16_t& first = m_firstSat[sat.satId];
            if (first == NO_POSITION)
                first = s;
            else
                Add(FindingKind::SatelliteIdTwice, { { TABLE_SATELLITES, s }, { TABLE_SATELLITES, first } },
                    Describe(TABLE_SATELLITES, s) + ": its id " + Number(sat.satId) + " is also that of "
                        + Describe(TABLE_SATELLITES, first),
                    { sat.satId });
            CheckName(TABLE_SATELLITES, s);
            if (sat.tpCount == 0)
                Add(FindingKind::SatelliteWithoutTransponders, { { TABLE_SATELLITES, s } },
                    Describe(TABLE_SATELLITES, s) + " has no transponders");
        }
    }

    void CheckTransponders()
    {
        std::unordered_map<uint32_t, uint16_t> firstOnChannel;
        firstOnChannel.reserve(m_db.m_nTpCount);
        for (uint16_t t = 0; t < m_db.m_nTpCount; ++t) {
            const TransponderRecord& tp = m_db.m_TpTable[t];
            const RecordRef self { TABLE_TRANSPONDERS, t };
            if (m_firstSat[tp.satId] == NO_POSITION)
                Add(FindingKind::TransponderWithoutSatellite, { self },
                    Describe(TABLE_TRANSPONDERS, t) + ": satellite id " + Number(tp.satId) + " names no satellite",
                    { tp.satId });
            uint16_t& first = m_firstTp[tp.tpId];
            if (first == NO_POSITION)
                first = t;
            else
                Add(FindingKind::TransponderIdTwice, { self, { TABLE_TRANSPONDERS, first } },
                    Describe(TABLE_TRANSPONDERS, t) + ": its id is also that of "
                        + Describe(TABLE_TRANSPONDERS, first));
            const uint32_t channel = (uint32_t(tp.satId) << 16) | (uint32_t(tp.frequency) << 2) | tp.polarization;
            const auto [same, isNew] = firstOnChannel.try_emplace(channel, t);
            if (!isNew)
                Add(FindingKind::DuplicateTransponder, { self, { TABLE_TRANSPONDERS, same->second } },
                    Describe(TABLE_TRANSPONDERS, t) + ": same satellite, frequency and polarisation as "
                        + Describe(TABLE_TRANSPONDERS, same->second));
            if (tp.tvCount == 0 && tp.radioCount == 0)
                Add(FindingKind::TransponderWithoutPrograms, { self },
                    Describe(TABLE_TRANSPONDERS, t) + " carries no programs");
        }
    }

    void CheckPrograms(int table, const ProgramRecord* programs, uint16_t count)
    {
        std::unordered_map<uint64_t, uint16_t> firstOfService;
        firstOfService.reserve(count);
        for (uint16_t p = 0; p < count; ++p) {
            const ProgramRecord& prog = programs[p];
            const RecordRef self { table, p };
            if (m_firstSat[prog.satId] == NO_POSITION)
                Add(FindingKind::ProgramWithoutSatellite, { self },
                    Describe(table, p) + ": satellite id " + Number(prog.satId) + " names no satellite",
                    { prog.satId });
            if (m_firstTp[prog.tpId] == NO_POSITION)
                Add(FindingKind::ProgramWithoutTransponder, { self },
                    Describe(table, p) + ": transponder id " + Number(prog.tpId) + " names no transponder",
                    { prog.tpId });
            const uint64_t service = (uint64_t(prog.satId) << 32) | (uint64_t(prog.tpId) << 16) | prog.serviceId;
            const auto [same, isNew] = firstOfService.try_emplace(service, p);
            if (!isNew)
                Add(FindingKind::DuplicateProgram, { self, { table, same->second } },
                    Describe(table, p) + ": same satellite, transponder and service id " + Number(prog.serviceId)
                        + " as " + Describe(table, same->second),
                    { prog.serviceId });
            CheckName(table, p);
        }
    }

    const ChannelDatabase& m_db;
    const CodePageText& m_names;
    std::vector<Finding> m_findings;
    std::vector<uint16_t>& m_firstSat = ThreadFirstPositions().sat;
    std::vector<uint16_t>& m_firstTp = ThreadFirstPositions().tp;
};

} // namespace

RecordWords WordRecord(const ChannelDatabase& db, RecordRef record, const CodePageText& names)
{
    const int table = record.table;
    const uint16_t position = record.position;
    RecordWords words;
    words.table = table;
    words.number = uint32_t(position) + 1;
    const uint16_t counts[TABLE_COUNT] = { db.m_nSatCount, db.m_nTpCount, db.m_nTvCount, db.m_nRadioCount };
    if (db.m_DecodeProblem != DecodeProblem::None || table < 0 || table >= TABLE_COUNT || position >= counts[table])
        return words;
    words.detailed = true;
    if (table == TABLE_TRANSPONDERS) {
        const TransponderRecord& tp = db.m_TpTable[position];
        words.id = tp.tpId;
        words.frequency = tp.frequency;
        words.polarisation = "HV23"[tp.polarization & 3];
        return words;
    }
    const char* name = table == TABLE_SATELLITES ? db.m_SatTable[position].name
        : table == TABLE_TV                      ? db.m_TvTable[position].name
                                                 : db.m_RadioTable[position].name;
    words.name = PrintableText(names.ToUtf8(name, NAME_BYTES));
    return words;
}

std::string DescribeRecord(const RecordWords& record)
{
    const std::string text = std::string(TableWord(record.table)) + " " + Number(record.number);
    if (!record.detailed)
        return text;
    if (record.table == TABLE_TRANSPONDERS)
        return text + " (id " + Number(record.id) + ", " + Number(record.frequency) + " " + record.polarisation + ")";
    return text + " \"" + record.name + "\"";
}

std::string DescribeRecord(const ChannelDatabase& db, RecordRef record, const CodePageText& names)
{
    return DescribeRecord(WordRecord(db, record, names));
}

Severity SeverityOf(FindingKind kind)
{
    return KINDS[static_cast<int>(kind)].severity;
}

const char* FindingKindName(FindingKind kind)
{
    return KINDS[static_cast<int>(kind)].name;
}

const char* FindingKindKey(FindingKind kind)
{
    return KINDS[static_cast<int>(kind)].key;
}

bool IsOrphan(FindingKind kind)
{
    return kind == FindingKind::ProgramWithoutSatellite || kind == FindingKind::ProgramWithoutTransponder
        || kind == FindingKind::TransponderWithoutSatellite;
}

bool IsDuplicate(FindingKind kind)
{
    return kind == FindingKind::DuplicateProgram || kind == FindingKind::DuplicateTransponder;
}

bool ListCheck::Checkable(const ChannelDatabase& db)
{
    switch (db.m_DecodeProblem) {
    case DecodeProblem::None:
    case DecodeProblem::TableTooLarge:
    case DecodeProblem::TableOutsideBlock:
    case DecodeProblem::RecordOutsideImage:
    case DecodeProblem::TooManyPrograms:
        return db.m_nFlashSize != 0;
    default:
        return false;
    }
}

std::vector<Finding> ListCheck::Run(const ChannelDatabase& db, const CodePageText& names)
{
    if (!Checkable(db))
        return {};
    return Checker(db, names).Run();
}

size_t ListCheck::CountErrors(const std::vector<Finding>& findings)
{
    return static_cast<size_t>(std::count_if(
        findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }));
}
