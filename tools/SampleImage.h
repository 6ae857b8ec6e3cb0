#pragma once

#include <cstdint>
#include <vector>

// A realistic image: a handful of satellites with their transponders, a few
// hundred TV and radio programs, some locked, some in favourite groups, and
// a key area.
std::vector<uint8_t> MakeSampleImage();

// An image filled to the database's capacity: 150 satellites, 3000
// transponders, 4000 TV and 1000 radio programs.
std::vector<uint8_t> MakeCapacityImage();
