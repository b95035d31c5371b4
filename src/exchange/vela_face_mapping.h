#pragma once
// The Vela face command: gives every person in a squad the PC head of the face list
// ("faceIDs.txt" of the database's language folder) whose name matches the person's full
// name after accent folding.

#include <string_view>

#include "exchange/sibling_mapping.h"

namespace torvale {

class CBaseTextFile;

// With `overwrite` every person's head is cleared first, so persons not found end with 0;
// without it they keep theirs. Does nothing when the face list holds no face (a missing file
// leaves only made-up entries). Writes the statistics to `reportPath` unless it is empty.
MappingResult MapVelaFaces(CWorldDatabase* world, const CBaseTextFile& faces, std::string_view reportPath,
                           bool overwrite);

}  // namespace torvale
