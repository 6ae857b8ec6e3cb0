#pragma once

#include "ChannelDatabase.h"
#include "CodePageText.h"

#include <memory>
#include <vector>

struct ImportPlan;

// The sample image that the text targets plan their changes for, with the
// checks every plan made from it must pass once applied.
class FuzzSample {
public:
    FuzzSample();

    // The sample, decoded afresh: an applied plan changes the database.
    ChannelDatabase& Decoded();
    const CodePageText& Names(bool chinese) const { return chinese ? m_chinese : m_western; }
    // Planning wrote nothing to the sample.
    bool Unchanged() const;
    // Applies a plan made from Decoded(): a refused plan changes nothing,
    // an applied one leaves an image that decodes with the programs it
    // promised, changed exactly when the plan says it changes it.
    void ApplyAndCheck(const ImportPlan& plan);

private:
    std::vector<uint8_t> m_sample;
    std::unique_ptr<ChannelDatabase> m_db;
    CodePageText m_western { 1252 };
    CodePageText m_chinese { 936 };
};
