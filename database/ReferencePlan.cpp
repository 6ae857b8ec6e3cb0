#include "ReferencePlan.h"

#include "CodePageText.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstring>

namespace {

struct CarryWord {
    const char* word;
    ReferenceCarry bit;
};

constexpr CarryWord CARRY_WORDS[] = {
    { "order", CARRY_ORDER },
    { "names", CARRY_NAMES },
    { "favorites", CARRY_FAVORITES },
    { "locks", CARRY_LOCKS },
};

size_t TableIndex(int tableId)
{
    return tableId == TABLE_TV ? 0 : tableId == TABLE_RADIO ? 1 : 2;
}

class ReferencePlanner {
public:
    ReferencePlanner(const ChannelDatabase& db, const ReferenceList& list, const ReferenceOptions& options,
        const CodePageText& names)
        : m_db(db)
        , m_list(list)
        , m_options(options)
        , m_names(names)
    {
    }

    ReferencePlan Plan()
    {
        m_plan.tables[0].table = TABLE_TV;
        m_plan.tables[1].table = TABLE_RADIO;
        m_plan.tables[2].table = EITHER_PROGRAM_TABLE;
        m_plan.programs = ProgramRows(m_db, m_names);
        const std::vector<ChannelRow>& rows = m_list.Rows();
        const ReferenceMatcher matcher(m_plan.programs, m_names);
        m_plan.satellite
            = m_options.satellite ? m_options.satellite : matcher.MostMatchedSatellite(rows, m_list.Columns());
        m_plan.matches = matcher.Match(rows, m_list.Columns(), m_plan.satellite);

        ImportPlan& changes = m_plan.changes;
        for (uint16_t i = 0; i < m_db.m_nTvCount; ++i)
            changes.tv.entries.push_back(m_db.m_TvTable[i].entry);
        for (uint16_t i = 0; i < m_db.m_nRadioCount; ++i)
            changes.radio.entries.push_back(m_db.m_RadioTable[i].entry);
        std::vector<bool> found(m_plan.programs.size(), false);
        for (size_t i = 0; i < rows.size(); ++i) {
            const RowMatch& match = m_plan.matches[i];
            if (match.outcome != MatchOutcome::Matched) {
                ReferencePlan::Table& table = m_plan.tables[TableIndex(rows[i].table)];
                (match.outcome == MatchOutcome::Ambiguous ? table.ambiguous
                        : match.outcome == MatchOutcome::Repeated ? table.repeated
                                                                  : table.notFound)
                    .push_back(i);
                ++changes.summary.notPlaced;
                continue;
            }
            const ChannelRow& program = m_plan.programs[match.target];
            found[match.target] = true;
            m_plan.tables[TableIndex(program.table)].matched.push_back(i);
            ProgramTableOf(program.table).listed.push_back(static_cast<uint16_t>(program.source));
            Carry(rows[i], program);
        }
        for (size_t k = 0; k < found.size(); ++k)
            if (!found[k])
                m_plan.tables[TableIndex(m_plan.programs[k].table)].unlisted.push_back(k);
        for (const int tableId : { TABLE_TV, TABLE_RADIO }) {
            ImportPlan::ProgramTable& table = ProgramTableOf(tableId);
            table.deleteUnlisted = m_options.deleteUnlisted && !table.listed.empty();
            if (!(m_options.carry & CARRY_ORDER))
                std::sort(table.listed.begin(), table.listed.end());
        }
        changes.summary.rowsRead = rows.size();
        changes.summary.programRows = rows.size();
        DescribeImportOrder(m_db, changes, "reference", m_names);
        return std::move(m_plan);
    }

private:
    ImportPlan::ProgramTable& ProgramTableOf(int tableId)
    {
        return tableId == TABLE_TV ? m_plan.changes.tv : m_plan.changes.radio;
    }

    bool Carries(unsigned carry, int column) const
    {
        return (m_options.carry & carry) != 0 && m_list.Columns().test(column);
    }

    void Carry(const ChannelRow& row, const ChannelRow& program)
    {
        ProgramRecord prog = (program.table == TABLE_TV ? m_db.m_TvTable : m_db.m_RadioTable)[program.source];
        ImportSummary& summary = m_plan.changes.summary;
        const std::string where
            = std::string(TableName(program.table)) + " " + std::string(program.Field(COLUMN_POSITION)) + " ";
        const size_t changesBefore = m_plan.changes.changes.size();
        auto describe = [&](int column, const std::string& now) {
            m_plan.changes.changes.push_back(where + QuotedText(program.Field(COLUMN_NAME)) + ": "
                + ColumnInfoOf(column).name + " " + QuotedText(program.Field(column)) + " -> " + QuotedText(now));
        };
        if (Carries(CARRY_NAMES, COLUMN_NAME) && !row.Field(COLUMN_NAME).empty()
            && row.Field(COLUMN_NAME) != program.Field(COLUMN_NAME)) {
            const std::string_view name = row.Field(COLUMN_NAME);
            const auto bytes = FindControlCharacter(name) == std::string_view::npos ? m_names.FromUtf8Exactly(name)
                                                                                   : std::nullopt;
            if (bytes && bytes->size() <= NAME_BYTES) {
                std::memcpy(prog.name, bytes->data(), bytes->size());
                prog.name[bytes->size()] = 0;
                describe(COLUMN_NAME, std::string(name));
                ++summary.renamed;
            } else {
                ++m_plan.namesNotFitting;
            }
        }
        if (Carries(CARRY_FAVORITES, COLUMN_FAVORITES)) {
            const auto bits = ParseFavorites(row.Field(COLUMN_FAVORITES));
            if (bits && *bits != prog.favoriteBits) {
                prog.favoriteBits = *bits;
                describe(COLUMN_FAVORITES, FavoritesText(*bits));
                ++summary.favouritesChanged;
            }
        }
        const std::string_view lock = row.Field(COLUMN_CHILD_LOCK);
        if (Carries(CARRY_LOCKS, COLUMN_CHILD_LOCK) && (lock == "0" || lock == "1")
            && lock != program.Field(COLUMN_CHILD_LOCK)) {
            prog.lockBit = lock == "1" ? 0 : 1;
            describe(COLUMN_CHILD_LOCK, std::string(lock));
            ++summary.locksChanged;
        }
        if (m_plan.changes.changes.size() > changesBefore)
            ProgramTableOf(program.table).writes.push_back(prog);
    }

    const ChannelDatabase& m_db;
    const ReferenceList& m_list;
    const ReferenceOptions& m_options;
    const CodePageText& m_names;
    ReferencePlan m_plan;
};

} // namespace

unsigned DefaultCarry(const ReferenceList& list)
{
    unsigned carry = CARRY_ORDER;
    if (list.Columns().test(COLUMN_FAVORITES))
        carry |= CARRY_FAVORITES;
    if (list.Columns().test(COLUMN_CHILD_LOCK))
        carry |= CARRY_LOCKS;
    return carry;
}

std::optional<unsigned> ParseCarry(std::string_view text)
{
    unsigned carry = 0;
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view word = text.substr(0, comma);
        const auto known = std::find_if(
            std::begin(CARRY_WORDS), std::end(CARRY_WORDS), [word](const CarryWord& c) { return word == c.word; });
        if (known == std::end(CARRY_WORDS))
            return std::nullopt;
        carry |= known->bit;
        if (comma == std::string_view::npos)
            return carry;
        text.remove_prefix(comma + 1);
    }
}

const ReferencePlan::Table& ReferencePlan::TableOf(int tableId) const
{
    return tables[TableIndex(tableId)];
}

size_t ReferencePlan::Matched() const
{
    return tables[0].matched.size() + tables[1].matched.size();
}

ReferencePlan PlanReference(const ChannelDatabase& db, const ReferenceList& list, const ReferenceOptions& options,
    const CodePageText& names)
{
    return ReferencePlanner(db, list, options, names).Plan();
}
