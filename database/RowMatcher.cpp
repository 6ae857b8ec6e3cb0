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

    std::vector<RowMatch> ByReferenceList(std::optional<uint16_t> satellite, const CodePageText& names)
    {
        const bool eitherTable = std::any_of(
            m_from.begin(), m_from.end(), [](const ChannelRow& row) { return row.table == EITHER_PROGRAM_TABLE; });
        std::vector<std::string> toNames;
        std::unordered_map<std::string, std::string_view> satelliteNamed;
        for (const ChannelRow& program : m_to) {
            toNames.push_back(NameKey(program.Field(COLUMN_NAME), names));
            if (!program.Field(COLUMN_SATELLITE_NAME).empty())
                satelliteNamed.try_emplace(
                    NameKey(program.Field(COLUMN_SATELLITE_NAME), names), program.Field(COLUMN_SAT_ID));
        }
        const std::string chosen = satellite ? std::to_string(*satellite) : ANY_SATELLITE;
        std::vector<std::string> rowSatellite;
        for (const ChannelRow& row : m_from) {
            const auto named = m_columns.test(COLUMN_SATELLITE_NAME)
                ? satelliteNamed.find(NameKey(row.Field(COLUMN_SATELLITE_NAME), names))
                : satelliteNamed.end();
            rowSatellite.push_back(named == satelliteNamed.end() ? chosen : std::string(named->second));
        }
        const bool anySatellite = std::find(rowSatellite.begin(), rowSatellite.end(), ANY_SATELLITE) != rowSatellite.end();

        RowIndex full;
        RowIndex byService;
        RowIndex byName;
        for (size_t k = 0; k < m_to.size(); ++k) {
            const ChannelRow& program = m_to[k];
            const int target = static_cast<int>(k);
            for (const int table : { program.table, EITHER_PROGRAM_TABLE }) {
                if (table == EITHER_PROGRAM_TABLE && !eitherTable)
                    continue;
                const std::string tableText = std::to_string(table);
                for (const std::string_view sat : { program.Field(COLUMN_SAT_ID), std::string_view(ANY_SATELLITE) }) {
                    if (sat == ANY_SATELLITE && !anySatellite)
                        continue;
                    full[Joined({ tableText, sat, program.Field(COLUMN_SERVICE_ID), program.Field(COLUMN_FREQUENCY),
                        program.Field(COLUMN_POLARIZATION) })]
                        .push_back(target);
                    byService[Joined({ tableText, sat, program.Field(COLUMN_SERVICE_ID) })].push_back(target);
                }
                if (!toNames[k].empty())
                    byName[Joined({ tableText, toNames[k] })].push_back(target);
            }
        }

        const bool byTransponder = m_columns.test(COLUMN_SERVICE_ID) && m_columns.test(COLUMN_FREQUENCY)
            && m_columns.test(COLUMN_POLARIZATION);
        std::vector<RowMatch> matches;
        for (size_t i = 0; i < m_from.size(); ++i) {
            const ChannelRow& row = m_from[i];
            const int index = static_cast<int>(i);
            const std::string table = std::to_string(row.table);
            const std::string_view service = m_columns.test(COLUMN_SERVICE_ID) ? row.Field(COLUMN_SERVICE_ID) : "";
            const std::string name = m_columns.test(COLUMN_NAME) ? NameKey(row.Field(COLUMN_NAME), names) : "";
            if (byTransponder && !service.empty() && !row.Field(COLUMN_FREQUENCY).empty()) {
                const std::string key = Joined({ table, rowSatellite[i], service, row.Field(COLUMN_FREQUENCY),
                    row.Field(COLUMN_POLARIZATION) });
                if (const auto hit = full.find(key); hit != full.end()) {
                    matches.push_back(Pick(index, &hit->second, [&](const std::vector<int>& free) {
                        const auto named = std::find_if(
                            free.begin(), free.end(), [&](int k) { return !name.empty() && toNames[k] == name; });
                        return named == free.end() ? -1 : *named;
                    }));
                    continue;
                }
            }
            if (!service.empty()) {
                const auto hit = byService.find(Joined({ table, rowSatellite[i], service }));
                if (hit != byService.end() && hit->second.size() == 1) {
                    matches.push_back(Pick(index, &hit->second, First));
                    continue;
                }
            }
            const auto hit = name.empty() ? byName.end() : byName.find(Joined({ table, name }));
            if (hit == byName.end()) {
                matches.emplace_back();
                continue;
            }
            matches.push_back(Pick(index, &hit->second, [&](std::vector<int> free) {
                // Among programs of one name, the row's service id and then
                // its satellite tell which.
                auto keep = [&free](auto fits) {
                    std::vector<int> kept;
                    std::copy_if(free.begin(), free.end(), std::back_inserter(kept), fits);
                    if (!kept.empty())
                        free = std::move(kept);
                };
                if (!service.empty())
                    keep([&](int k) { return m_to[k].Field(COLUMN_SERVICE_ID) == service; });
                keep([&](int k) { return m_to[k].Field(COLUMN_SAT_ID) == rowSatellite[i]; });
                return free.size() == 1 || AllAlike(free) ? free.front() : -1;
            }));
        }
        return matches;
    }

private:
    static constexpr const char* ANY_SATELLITE = "*";

    static int First(const std::vector<int>& free) { return free.front(); }

    static std::string Joined(std::initializer_list<std::string_view> parts)
    {
        std::string key;
        for (const std::string_view part : parts) {
            key += part;
            key += '\x1F';
        }
        return key;
    }

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

std::vector<RowMatch> MatchReferenceRows(std::span<const ChannelRow> from, std::span<const ChannelRow> to,
    const ColumnSet& columns, std::optional<uint16_t> satellite, const CodePageText& names)
{
    return Matcher(from, to, columns).ByReferenceList(satellite, names);
}

std::optional<uint16_t> MostMatchedSatellite(std::span<const ChannelRow> from, std::span<const ChannelRow> to,
    const ColumnSet& columns, const CodePageText& names)
{
    auto serviceKey = [](int table, std::string_view service) { return std::to_string(table) + 's' + std::string(service); };
    auto nameKey = [&names](int table, std::string_view name) { return std::to_string(table) + 'n' + NameKey(name, names); };
    // The satellites with programs of each service id and each name, by table.
    std::unordered_map<std::string, std::vector<uint16_t>> satellitesOf;
    std::vector<uint16_t> satellites;
    auto add = [](std::vector<uint16_t>& ids, uint16_t id) {
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    };
    for (const ChannelRow& program : to) {
        const auto satellite = ParseNumber(program.Field(COLUMN_SAT_ID));
        if (!satellite)
            continue;
        const auto id = static_cast<uint16_t>(*satellite);
        add(satellites, id);
        for (const int table : { program.table, EITHER_PROGRAM_TABLE }) {
            add(satellitesOf[serviceKey(table, program.Field(COLUMN_SERVICE_ID))], id);
            add(satellitesOf[nameKey(table, program.Field(COLUMN_NAME))], id);
        }
    }
    std::unordered_map<uint16_t, size_t> found;
    for (const ChannelRow& row : from) {
        const std::string_view service = columns.test(COLUMN_SERVICE_ID) ? row.Field(COLUMN_SERVICE_ID) : "";
        if (service.empty() && !columns.test(COLUMN_NAME))
            continue;
        const auto hit = satellitesOf.find(
            service.empty() ? nameKey(row.table, row.Field(COLUMN_NAME)) : serviceKey(row.table, service));
        if (hit != satellitesOf.end())
            for (const uint16_t id : hit->second)
                ++found[id];
    }
    std::optional<uint16_t> best;
    for (const uint16_t id : satellites)
        if (found[id] > 0 && (!best || found[id] > found[*best]))
            best = id;
    return best;
}

std::string NameKey(std::string_view name, const CodePageText& names)
{
    const std::string stored = names.FromUtf8(name, NAME_BYTES);
    std::string text = names.ToUtf8(stored.data(), stored.size());
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return FoldedCase(text);
}
