#include "RowMatcher.h"

#include "CodePageText.h"

#include <algorithm>
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
            matches.push_back(Pick(static_cast<int>(i), Find(index, m_from[i], { COLUMN_OFFSET }), First));
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
                matches.push_back(Pick(static_cast<int>(i), candidates, [&](const std::vector<int>& free) {
                    if (!m_columns.test(COLUMN_NAME))
                        return free.front();
                    const auto named = std::find_if(free.begin(), free.end(),
                        [&](int k) { return m_to[k].Field(COLUMN_NAME) == row.Field(COLUMN_NAME); });
                    return named == free.end() ? -1 : *named;
                }));
                continue;
            }
            matches.push_back(Pick(static_cast<int>(i), Find(fallback, row, key.fallback),
                [this](const std::vector<int>& free) { return AllAlike(free) ? free.front() : -1; }));
        }
        return matches;
    }

    // Takes the one free candidate, or the one `choose` picks among several
    // free ones (-1: none of them).
    template <typename Choose>
    RowMatch Pick(int row, const std::vector<int>* candidates, Choose choose)
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
        const int chosen = free.size() == 1 ? free.front() : choose(free);
        if (chosen < 0) {
            match.outcome = MatchOutcome::Ambiguous;
            return match;
        }
        m_takenBy[chosen] = row;
        match.outcome = MatchOutcome::Matched;
        match.target = chosen;
        return match;
    }

    static int First(const std::vector<int>& free) { return free.front(); }

    // Whether these rows of `to` are alike in every field but where they stand.
    bool AllAlike(const std::vector<int>& rows) const
    {
        for (const int k : rows)
            for (int column = COLUMN_NAME; column < COLUMN_COUNT; ++column)
                if (m_to[k].Field(column) != m_to[rows.front()].Field(column))
                    return false;
        return true;
    }

private:
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

ReferenceMatcher::ReferenceMatcher(std::span<const ChannelRow> programs, const CodePageText& names)
    : m_programs(programs)
    , m_names(names)
{
    m_nameKeys.reserve(programs.size());
    for (size_t k = 0; k < programs.size(); ++k) {
        const ChannelRow& program = programs[k];
        m_nameKeys.push_back(NameKey(program.Field(COLUMN_NAME), names));
        m_byService[program.Field(COLUMN_SERVICE_ID)].push_back(static_cast<int>(k));
        const std::string_view satellite = program.Field(COLUMN_SAT_ID);
        if (std::find(m_satellites.begin(), m_satellites.end(), satellite) == m_satellites.end())
            m_satellites.push_back(satellite);
        if (!program.Field(COLUMN_SATELLITE_NAME).empty())
            m_satelliteNamed.try_emplace(NameKey(program.Field(COLUMN_SATELLITE_NAME), names), satellite);
    }
    for (size_t k = 0; k < programs.size(); ++k)
        if (!m_nameKeys[k].empty())
            m_byName[m_nameKeys[k]].push_back(static_cast<int>(k));
}

template <typename Fits>
std::vector<int> ReferenceMatcher::Candidates(const Index& index, std::string_view key, Fits fits)
{
    std::vector<int> candidates;
    if (const auto hit = index.find(key); hit != index.end())
        std::copy_if(hit->second.begin(), hit->second.end(), std::back_inserter(candidates), fits);
    return candidates;
}

std::optional<uint16_t> ReferenceMatcher::MostMatchedSatellite(
    std::span<const ChannelRow> from, const ColumnSet& columns) const
{
    std::unordered_map<std::string_view, size_t> found;
    for (const ChannelRow& row : from) {
        auto inTable = [&](int k) { return row.table == EITHER_PROGRAM_TABLE || m_programs[k].table == row.table; };
        const std::string_view service = columns.test(COLUMN_SERVICE_ID) ? row.Field(COLUMN_SERVICE_ID) : "";
        std::vector<int> candidates;
        if (!service.empty())
            candidates = Candidates(m_byService, service, inTable);
        else if (columns.test(COLUMN_NAME))
            candidates = Candidates(m_byName, NameKey(row.Field(COLUMN_NAME), m_names), inTable);
        std::vector<std::string_view> satellites;
        for (const int k : candidates)
            if (std::find(satellites.begin(), satellites.end(), m_programs[k].Field(COLUMN_SAT_ID)) == satellites.end())
                satellites.push_back(m_programs[k].Field(COLUMN_SAT_ID));
        for (const std::string_view satellite : satellites)
            ++found[satellite];
    }
    std::optional<std::string_view> best;
    for (const std::string_view satellite : m_satellites)
        if (found[satellite] > 0 && (!best || found[satellite] > found[*best]))
            best = satellite;
    if (!best)
        return std::nullopt;
    return static_cast<uint16_t>(ParseNumber(*best).value_or(0));
}

std::vector<RowMatch> ReferenceMatcher::Match(
    std::span<const ChannelRow> from, const ColumnSet& columns, std::optional<uint16_t> satellite) const
{
    Matcher matcher(from, m_programs, columns);
    const std::string chosen = satellite ? std::to_string(*satellite) : "";
    const bool byTransponder
        = columns.test(COLUMN_SERVICE_ID) && columns.test(COLUMN_FREQUENCY) && columns.test(COLUMN_POLARIZATION);
    std::vector<RowMatch> matches;
    for (size_t i = 0; i < from.size(); ++i) {
        const ChannelRow& row = from[i];
        const int index = static_cast<int>(i);
        const auto named = columns.test(COLUMN_SATELLITE_NAME)
            ? m_satelliteNamed.find(NameKey(row.Field(COLUMN_SATELLITE_NAME), m_names))
            : m_satelliteNamed.end();
        const std::string_view rowSatellite = named == m_satelliteNamed.end() ? chosen : named->second;
        auto inTable = [&](int k) { return row.table == EITHER_PROGRAM_TABLE || m_programs[k].table == row.table; };
        auto onSatellite = [&](int k) { return rowSatellite.empty() || m_programs[k].Field(COLUMN_SAT_ID) == rowSatellite; };
        const std::string_view service = columns.test(COLUMN_SERVICE_ID) ? row.Field(COLUMN_SERVICE_ID) : "";
        const std::string name = columns.test(COLUMN_NAME) ? NameKey(row.Field(COLUMN_NAME), m_names) : "";

        if (!service.empty()) {
            const std::vector<int> same
                = Candidates(m_byService, service, [&](int k) { return inTable(k) && onSatellite(k); });
            std::vector<int> onTransponder;
            if (byTransponder && !row.Field(COLUMN_FREQUENCY).empty())
                std::copy_if(same.begin(), same.end(), std::back_inserter(onTransponder), [&](int k) {
                    return m_programs[k].Field(COLUMN_FREQUENCY) == row.Field(COLUMN_FREQUENCY)
                        && m_programs[k].Field(COLUMN_POLARIZATION) == row.Field(COLUMN_POLARIZATION);
                });
            if (!onTransponder.empty()) {
                matches.push_back(matcher.Pick(index, &onTransponder, [&](const std::vector<int>& free) {
                    const auto alike = std::find_if(
                        free.begin(), free.end(), [&](int k) { return !name.empty() && m_nameKeys[k] == name; });
                    return alike == free.end() ? -1 : *alike;
                }));
                continue;
            }
            if (same.size() == 1) {
                matches.push_back(matcher.Pick(index, &same, Matcher::First));
                continue;
            }
        }
        const std::vector<int> sameName = name.empty() ? std::vector<int>() : Candidates(m_byName, name, inTable);
        if (sameName.empty()) {
            matches.emplace_back();
            continue;
        }
        matches.push_back(matcher.Pick(index, &sameName, [&](std::vector<int> free) {
            // Among programs of one name, the row's service id and then its
            // satellite tell which.
            auto keep = [&free](auto fits) {
                std::vector<int> kept;
                std::copy_if(free.begin(), free.end(), std::back_inserter(kept), fits);
                if (!kept.empty())
                    free = std::move(kept);
            };
            if (!service.empty())
                keep([&](int k) { return m_programs[k].Field(COLUMN_SERVICE_ID) == service; });
            keep(onSatellite);
            return free.size() == 1 || matcher.AllAlike(free) ? free.front() : -1;
        }));
    }
    return matches;
}

std::string NameKey(std::string_view name, const CodePageText& names)
{
    const std::string stored = names.FromUtf8(name, NAME_BYTES);
    std::string text = names.ToUtf8(stored.data(), stored.size());
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return FoldedCase(text);
}
