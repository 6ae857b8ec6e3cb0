#pragma once

#include "ChannelDatabase.h"
#include "ListRepair.h"
#include "RecordDeletes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class CodePageText;
struct ImportPlan;

// The records a list shows: its list type, its tab (0 TV, 1 radio) and,
// for the lists of a satellite or a transponder, that record's offset.
struct ListKey {
    int listType = LIST_SATELLITES;
    int serviceTab = 0;
    uint32_t satellite = 0;
    uint32_t transponder = 0;
};

// One change of an image, keyed by the offsets of the records it changes.
// Only ImageDocument applies an edit, and only the factories below make
// one: nothing else can write the image or its tables.
class ImageEdit {
public:
    // A record written back in place: the record whose entry the given
    // record carries, which its table must list.
    static ImageEdit WriteSatellite(const SatelliteRecord& sat);
    static ImageEdit WriteTransponder(const TransponderRecord& tp);
    static ImageEdit WriteProgram(int table, const ProgramRecord& prog);
    // The lock and favourite groups of programs, each with its table.
    static ImageEdit WriteProgramFlags(std::vector<std::pair<int, ProgramRecord>> programs);
    static ImageEdit Delete(std::vector<RecordKey> records);
    // The records of `list` in a new order: `order` names each record the
    // list shows once, by offset; `moved` the records the user moved.
    // Refused when the order does not name the list's records.
    static ImageEdit Reorder(const ListKey& list, std::vector<uint32_t> order, std::vector<uint32_t> moved);
    // A plan made from the image as it is now.
    static ImageEdit Import(const ImportPlan& plan);
    // Removes what the list check finds, telling `report` what went;
    // refused, with nothing removed, when the directory cannot be rewritten.
    static ImageEdit Repair(unsigned kinds, const CodePageText& names, ListRepair::Report& report);

private:
    // Writes the image; false when it refuses. Adds the offsets of the
    // records it changed to `touched`.
    using Run = std::function<bool(ChannelDatabase& db, std::vector<uint32_t>& touched)>;

    explicit ImageEdit(Run run)
        : m_run(std::move(run))
    {
    }

    Run m_run;

    friend class ImageDocument;
};
