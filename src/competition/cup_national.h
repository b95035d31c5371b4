#pragma once
// The national cups of a country (FA cup, league cup, super cup) as the country's cup modes
// choose them: the mode is the allocation number the cup follows, 0 for no cup.

#include <cstdint>

namespace torvale {

class CDBRoot;
class CompetitionRegistry;

// The country's root, created and filed first when the country has none.
CDBRoot& EnsureCountryRoot(CompetitionRegistry& registry, int country);

// The structure every country starts with before its record is read: a fresh root and an FA
// cup of allocation 1; whatever the country had is deleted.
void ResetCountryCompetitions(CompetitionRegistry& registry, int country);

// Sets the cup of `kind` (FA_CUP, LE_CUP or SUPERCUP) to `allocation`: a changed mode deletes
// the old cup and, unless the new mode is 0, files a fresh cup of that allocation under the
// country's root. `storedAllocation` is the country's mode; it takes the new value.
void SetNationalCup(CompetitionRegistry& registry, int country, int kind,
                    int32_t& storedAllocation, int32_t allocation);

}  // namespace torvale
