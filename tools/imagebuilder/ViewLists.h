#pragma once

#include "ChannelDatabase.h"

#include <vector>

// Fills the view lists the way the record list does when it shows the
// transponders of a satellite (with its TV and radio programs) or the
// programs of a transponder.
void ShowSatellite(ChannelDatabase& db, uint16_t satPosition);
void ShowTransponder(ChannelDatabase& db, uint16_t tpId);

// The entries of a directory table as the image holds them now.
std::vector<DirectoryEntry> ImageEntries(const ChannelDatabase& db, int tableId);
