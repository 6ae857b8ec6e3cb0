#pragma once

// Texts of the coded field values, shared by the record list and the editors.
inline constexpr const char* ValueNames[24] = {
    "User", "Single", "Universal",                            // LNB type
    "18V", "13V", "Auto",                                     // LNB power
    "Movies", "Music", "Cartoons", "News", "Sport", "Adult",  // favourite groups, bits 1 to 6
    "Off", "DiSEqC1", "DiSEqC2", "DiSEqC3", "DiSEqC4",        // DiSEqC 1.0 port
    "Off", "On",                                              // switches
    "H", "V",                                                 // polarisation
    "Left", "Right", "Stereo",                                // audio track
};

constexpr int VALUE_LNB_TYPE = 0;
constexpr int VALUE_LNB_POWER = 3;
constexpr int VALUE_FAVORITE = 6;
constexpr int VALUE_DISEQC10 = 12;
constexpr int VALUE_SWITCH = 17;
constexpr int VALUE_POLARIZATION = 19;
constexpr int VALUE_TRACK = 21;
