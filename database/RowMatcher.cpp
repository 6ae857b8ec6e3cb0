#include "RowMatcher.h"

#include <initializer_list>
#include <string>
#include <unordered_map>

namespace {

struct KeyColumns {
    std::vector<int> primary;
    std::vector<int> fallback;
};

KeyColumns ReferenceKey(int tableId)
{
    switch (tableId) {
    case TABLE_SATELLITES:
        return { { COLUMN_NAME }, { COLUMN_LONGITUDE } };
    case TABLE_TRANSPONDERS:
        return { { COLUMN_SATELLITE_NAME, COLUMN_FREQUENCY, COLUMN_POLARIZATION },
            { COLUMN_FREQUENCY, COLUMN_POLARIZATION } };
    default:
        return { { COLUMN_SERVICE_ID, COLUMN_FREQUENCY, COLUMN_POLARIZATION }, { COLUMN_NAME } };
    }
}

// The row's key over these columns, or empty when `columns` lacks one.
std::string Key(const ChannelRow& row, const std::vector<int>& keyColumns, const ColumnSet& columns)
{
    std::string key = std::to_string(row.table);
    for (const int column : keyColumns) {
        if (!columns.test(column))
            return {};
        key += '\x1F';
        key += row.Field(column);
    }
    return key;
}

using RowIndex = std::unordered_map<std::string, std::vector<int>>;

class Matcher {
public:
    Matcher(std::span<const ChannelRow> from, std::span<const ChannelRow> to, const ColumnSet& columns)
        : m_from(from)
        , m_to(to)
        , m_columns(columns)
        , m_takenBy(to.size(), -1)
    {
    }

    std::vector<RowMatch> ByOffset()
    {
        const RowIndex index = Index([](int) { return std::vector<int> { COLUMN_OFFSET }; });
        std::vector<RowMatch> matches;
        for (size_t i = 0; i < m_from.size(); ++i)
            matches.push_back(Pick(static_cast<int>(i), Find(index, m_from[i], { COLUMN_OFFSET }), Tiebreak::InOrder));
        return matches;
    }

    std::vector<RowMatch> ByReference()
    {
        const RowIndex primary = Index([](int tableId) { return ReferenceKey(tableId).primary; });
        const RowIndex fallback = Index([](int tableId) { return ReferenceKey(tableId).fallback; });
        std::vector<RowMatch> matches;
        for (size_t i = 0; i < m_from.size(); ++i) {
            const ChannelRow& row = m_from[i];
            const KeyColumns key = ReferenceKey(row.table);
            if (const std::vector<int>* candidates = Find(primary, row, key.primary)) {
                matches.push_back(Pick(static_cast<int>(i), candidates, Tiebreak::ByName));
                continue;
            }
            matches.push_back(Pick(static_cast<int>(i), Find(fallback, row, key.fallback), Tiebreak::OnlyAlike));
        }
        return matches;
    }

private:
    // What decides among several free records with the row's key.
    enum class Tiebreak {
        InOrder,   // the first in table order: they are one record listed twice
        ByName,    // the first with the row's name
        OnlyAlike, // none, unless they are alike in every field
    };

    template <typename ColumnsOf>
    RowIndex Index(ColumnsOf columnsOf) const
    {
        RowIndex index;
        const ColumnSet all = ColumnSet().set();
        for (size_t k = 0; k < m_to.size(); ++k)
            index[Key(m_to[k], columnsOf(m_to[k].table), all)].push_back(static_cast<int>(k));
        return index;
    }

    const std::vector<int>* Find(const RowIndex& index, const ChannelRow& row, const std::vector<int>& keyColumns) const
    {
        const std::string key = Key(row, keyColumns, m_columns);
        if (key.empty())
            return nullptr;
        const auto hit = index.find(key);
        return hit == index.end() ? nullptr : &hit->second;
    }

    RowMatch Pick(int row, const std::vector<int>* candidates, Tiebreak tiebreak)
    {
        RowMatch match;
        if (!candidates)
            return match;
        std::vector<int> free;
        for (const int k : *candidates)
            if (m_takenBy[k] < 0)
                free.push_back(k);
        if (free.empty()) {
            match.outcome = MatchOutcome::Repeated;
            match.earlier = m_takenBy[candidates->front()];
            return match;
        }
        int chosen = free.front();
        if (free.size() > 1 && tiebreak == Tiebreak::ByName && m_columns.test(COLUMN_NAME)) {
            chosen = -1;
            for (const int k : free) {
                if (m_to[k].Field(COLUMN_NAME) == m_from[row].Field(COLUMN_NAME)) {
                    chosen = k;
                    break;
                }
            }
        } else if (free.size() > 1 && tiebreak == Tiebreak::OnlyAlike && !AllAlike(free)) {
            chosen = -1;
        }
        if (chosen < 0) {
            match.outcome = MatchOutcome::Ambiguous;
            return match;
        }
        m_takenBy[chosen] = row;
        match.outcome = MatchOutcome::Matched;
        match.target = chosen;
        return match;
    }

    // Whether these rows of `to` are alike in every field but where they stand.
    bool AllAlike(const std::vector<int>& rows) const
    {
        for (const int k : rows)
            for (int column = COLUMN_NAME; column < COLUMN_COUNT; ++column)
                if (m_to[k].Field(column) != m_to[rows.front()].Field(column))
                    return false;
        return true;
    }

    std::span<const ChannelRow> m_from;
    std::span<const ChannelRow> m_to;
    const ColumnSet& m_columns;
    std::vector<int> m_takenBy;
};

} // namespace

std::vector<RowMatch> MatchRows(std::span<const ChannelRow> from, std::span<const ChannelRow> to, MatchMode mode,
    const ColumnSet& columns)
{
    Matcher matcher(from, to, columns);
    return mode == MatchMode::Offset ? matcher.ByOffset() : matcher.ByReference();
}

int IdentityColumn(int tableId)
{
    switch (tableId) {
    case TABLE_SATELLITES:
        return COLUMN_SAT_ID;
    case TABLE_TRANSPONDERS:
        return COLUMN_TP_ID;
    default:
        return COLUMN_SERVICE_ID;
    }
}

bool SameImage(std::span<const ChannelRow> from, std::span<const ChannelRow> to, const ColumnSet& columns)
{
    if (!columns.test(COLUMN_OFFSET))
        return false;
    std::unordered_map<std::string, const ChannelRow*> byOffset;
    const ColumnSet all = ColumnSet().set();
    for (const ChannelRow& row : to)
        byOffset.try_emplace(Key(row, { COLUMN_OFFSET }, all), &row);
    bool shared = false;
    for (const ChannelRow& row : from) {
        const auto hit = byOffset.find(Key(row, { COLUMN_OFFSET }, columns));
        if (hit == byOffset.end())
            continue;
        shared = true;
        const int identity = IdentityColumn(row.table);
        if (columns.test(identity) && hit->second->Field(identity) != row.Field(identity))
            return false;
    }
    return shared;
}
