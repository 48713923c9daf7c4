#pragma once
// The starter library: a few common blocks and cutting-tool sketches that ship with
// the program, so that a new user's libraries are not empty. They are drawn here as
// points and segments and written with the program's own block writer.

#include "blocks/BlockObject.h"

#include <filesystem>
#include <string>
#include <vector>

struct TStarterItem {
    std::string FileName; // with its extension: .blk for blocks, .ins for instruments
    TBlockObject Block;
};

std::vector<TStarterItem> StarterBlocks();
std::vector<TStarterItem> StarterInstruments();

// Writes the blocks into folder/Blocks and the instruments into folder/Instrument,
// making the folders. A file already there is kept as it is unless replace is set: it
// may be the user's own. Returns the number of files written.
int WriteStarterLibrary(const std::filesystem::path& folder, bool replace);
