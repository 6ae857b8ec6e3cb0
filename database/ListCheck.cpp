#include "ListCheck.h"

#include "BigEndian.h"
#include "CodePageText.h"
#include "NameRule.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

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

std::string Number(uint64_t value)
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

// For each position, the first position with the same key. Sorting the
// (key, position) pairs puts each key's first position at the head of its
// run.
std::vector<uint16_t> FirstOfSameKey(std::vector<std::pair<uint64_t, uint16_t>>& keyed)
{
    std::sort(keyed.begin(), keyed.end());
    std::vector<uint16_t> first(keyed.size());
    for (size_t k = 0; k < keyed.size(); ++k) {
        const bool sameAsPrevious = k > 0 && keyed[k].first == keyed[k - 1].first;
        first[keyed[k].second] = sameAsPrevious ? first[keyed[k - 1].second] : keyed[k].second;
    }
    return first;
}

class Checker {
public:
    Checker(const ChannelDatabase& db, const CodePageText& names, const FindingKinds& wanted)
        : m_db(db)
        , m_names(names)
        , m_wanted(wanted)
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
    void Add(FindingKind kind, std::initializer_list<RecordRef> records, std::initializer_list<uint64_t> numbers = {},
        int table = -1)
    {
        if (!Wanted(kind))
            return;
        std::vector<RecordWords> described;
        described.reserve(records.size());
        for (const RecordRef record : records)
            described.push_back(Words(record));
        m_findings.push_back({ kind, SeverityOf(kind), records, std::move(described), numbers, table });
    }

    bool Wanted(FindingKind kind) const { return m_wanted[static_cast<size_t>(kind)]; }

    const char* RawName(int table, uint16_t position) const
    {
        if (table == TABLE_SATELLITES)
            return m_db.m_SatTable[position].name;
        return table == TABLE_TV ? m_db.m_TvTable[position].name : m_db.m_RadioTable[position].name;
    }

    // The findings about one record follow each other and word it alike:
    // the words last made are kept for the next.
    const RecordWords& Words(RecordRef record)
    {
        if (!m_worded || !(m_wordedRecord == record)) {
            m_words = WordRecord(m_db, record, m_names);
            m_wordedRecord = record;
            m_worded = true;
        }
        return m_words;
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
                Add(FindingKind::TableOverCapacity, {}, { count, CAPACITY[table] }, table);
            const uint64_t entries = uint64_t(q) + DIRECTORY_HEADER_SIZE;
            uint64_t listed = count;
            if (entries + 4 * count > blockEnd) {
                Add(FindingKind::TableOverCapacity, {}, {}, table);
                listed = (blockEnd - entries) / 4;
            }
            // Positions past the table's capacity cannot be named by a record.
            listed = std::min<uint64_t>(listed, CAPACITY[table]);
            for (uint16_t i = 0; i < listed; ++i) {
                const uint32_t offset = EntryOffset(ReadBE32(m_db.m_Image + entries + 4ull * i));
                const uint64_t end = uint64_t(offset) + RECORD_SIZE[table];
                if (end > IMAGE_SIZE)
                    Add(FindingKind::EntryOutsideImage, { { table, i } }, { offset });
                else if (offset < blockEnd && end > blockStart)
                    Add(FindingKind::EntryInDirectoryBlock, { { table, i } }, { offset });
            }
        }
        if (programs > MAX_PROGRAMS)
            Add(FindingKind::TableOverCapacity, {}, { programs, MAX_PROGRAMS });
    }

    void CheckName(int table, uint16_t position)
    {
        if (!Wanted(FindingKind::NameWithControlByte) && !Wanted(FindingKind::NameOutsideCodePage))
            return;
        const NameCheck check = CheckStoredName(RawName(table, position), m_names);
        if (check.controlCharacter)
            Add(FindingKind::NameWithControlByte, { { table, position } });
        if (check.outsideCodePage)
            Add(FindingKind::NameOutsideCodePage, { { table, position } }, { uint64_t(m_names.CodePage()) });
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
                    { sat.satId });
            CheckName(TABLE_SATELLITES, s);
            if (sat.tpCount == 0)
                Add(FindingKind::SatelliteWithoutTransponders, { { TABLE_SATELLITES, s } });
        }
    }

    void CheckTransponders()
    {
        std::vector<std::pair<uint64_t, uint16_t>> channels(m_db.m_nTpCount);
        for (uint16_t t = 0; t < m_db.m_nTpCount; ++t) {
            const TransponderRecord& tp = m_db.m_TpTable[t];
            channels[t] = { (uint64_t(tp.satId) << 16) | (uint64_t(tp.frequency) << 2) | tp.polarization, t };
        }
        const std::vector<uint16_t> firstOnChannel = FirstOfSameKey(channels);
        for (uint16_t t = 0; t < m_db.m_nTpCount; ++t) {
            const TransponderRecord& tp = m_db.m_TpTable[t];
            const RecordRef self { TABLE_TRANSPONDERS, t };
            if (m_firstSat[tp.satId] == NO_POSITION)
                Add(FindingKind::TransponderWithoutSatellite, { self }, { tp.satId });
            uint16_t& first = m_firstTp[tp.tpId];
            if (first == NO_POSITION)
                first = t;
            else
                Add(FindingKind::TransponderIdTwice, { self, { TABLE_TRANSPONDERS, first } });
            const uint16_t same = firstOnChannel[t];
            if (same != t)
                Add(FindingKind::DuplicateTransponder, { self, { TABLE_TRANSPONDERS, same } });
            if (tp.tvCount == 0 && tp.radioCount == 0)
                Add(FindingKind::TransponderWithoutPrograms, { self });
        }
    }

    void CheckPrograms(int table, const ProgramRecord* programs, uint16_t count)
    {
        std::vector<std::pair<uint64_t, uint16_t>> services(count);
        for (uint16_t p = 0; p < count; ++p) {
            const ProgramRecord& prog = programs[p];
            services[p] = { (uint64_t(prog.satId) << 32) | (uint64_t(prog.tpId) << 16) | prog.serviceId, p };
        }
        const std::vector<uint16_t> firstOfService = FirstOfSameKey(services);
        for (uint16_t p = 0; p < count; ++p) {
            const ProgramRecord& prog = programs[p];
            const RecordRef self { table, p };
            if (m_firstSat[prog.satId] == NO_POSITION)
                Add(FindingKind::ProgramWithoutSatellite, { self }, { prog.satId });
            if (m_firstTp[prog.tpId] == NO_POSITION)
                Add(FindingKind::ProgramWithoutTransponder, { self }, { prog.tpId });
            const uint16_t same = firstOfService[p];
            if (same != p)
                Add(FindingKind::DuplicateProgram, { self, { table, same } }, { prog.serviceId });
            CheckName(table, p);
        }
    }

    const ChannelDatabase& m_db;
    const CodePageText& m_names;
    const FindingKinds m_wanted;
    std::vector<Finding> m_findings;
    RecordWords m_words;
    RecordRef m_wordedRecord;
    bool m_worded = false;
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
    // Room for what a finding appends: its text is allocated once.
    std::string text;
    text.reserve(128);
    text += TableWord(record.table);
    text += ' ';
    text += Number(record.number);
    if (!record.detailed)
        return text;
    if (record.table == TABLE_TRANSPONDERS) {
        text += " (id " + Number(record.id) + ", " + Number(record.frequency) + " ";
        text += record.polarisation;
        text += ')';
        return text;
    }
    text += " \"";
    text += record.name;
    text += '"';
    return text;
}

std::string DescribeRecord(const ChannelDatabase& db, RecordRef record, const CodePageText& names)
{
    return DescribeRecord(WordRecord(db, record, names));
}

std::string Finding::Text() const
{
    const auto record = [this](size_t k) { return k < described.size() ? DescribeRecord(described[k]) : std::string(); };
    const auto number = [this](size_t k) { return k < numbers.size() ? Number(numbers[k]) : std::string(); };
    const std::string offset = numbers.empty() ? std::string() : Hex(uint32_t(numbers.front()));
    std::string text;
    switch (kind) {
    case FindingKind::ProgramWithoutSatellite:
    case FindingKind::TransponderWithoutSatellite:
        text = record(0) + ": satellite id " + number(0) + " names no satellite";
        break;
    case FindingKind::ProgramWithoutTransponder:
        text = record(0) + ": transponder id " + number(0) + " names no transponder";
        break;
    case FindingKind::SatelliteIdTwice:
        text = record(0) + ": its id " + number(0) + " is also that of " + record(1);
        break;
    case FindingKind::TransponderIdTwice:
        text = record(0) + ": its id is also that of " + record(1);
        break;
    case FindingKind::DuplicateProgram:
        text = record(0) + ": same satellite, transponder and service id " + number(0) + " as " + record(1);
        break;
    case FindingKind::DuplicateTransponder:
        text = record(0) + ": same satellite, frequency and polarisation as " + record(1);
        break;
    case FindingKind::EntryOutsideImage:
        text = record(0) + ": its record at " + offset + " runs past the end of the image";
        break;
    case FindingKind::EntryInDirectoryBlock:
        text = record(0) + ": its record at " + offset + " lies inside the directory block";
        break;
    case FindingKind::TableOverCapacity:
        if (table < 0)
            text = "the TV and radio tables list " + number(0) + " programs together; the receiver holds " + number(1);
        else if (numbers.empty())
            text = std::string("the ") + TableTitle(table) + " runs past the end of the directory block";
        else
            text = std::string("the ") + TableTitle(table) + " lists " + number(0) + " records; it holds " + number(1);
        break;
    case FindingKind::NameWithControlByte:
        text = record(0) + ": the name holds a control byte";
        break;
    case FindingKind::NameOutsideCodePage:
        text = record(0) + ": the name holds bytes that code page " + number(0) + " cannot show";
        break;
    case FindingKind::SatelliteWithoutTransponders:
        text = record(0) + " has no transponders";
        break;
    case FindingKind::TransponderWithoutPrograms:
        text = record(0) + " carries no programs";
        break;
    case FindingKind::ShortFile:
        text = "the file is " + number(0) + " bytes, shorter than its flash of " + number(1) + "; an upgrade refuses it";
        break;
    }
    // The parts are printable already; this is what keeps every finding on one line.
    if (FindControlCharacter(text) != std::string::npos)
        text = PrintableText(text);
    return text;
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
    return Run(db, names, FindingKinds().set());
}

std::vector<Finding> ListCheck::Run(const ChannelDatabase& db, const CodePageText& names, const FindingKinds& wanted)
{
    if (!Checkable(db))
        return {};
    return Checker(db, names, wanted).Run();
}

size_t ListCheck::CountErrors(const std::vector<Finding>& findings)
{
    return static_cast<size_t>(std::count_if(
        findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }));
}
