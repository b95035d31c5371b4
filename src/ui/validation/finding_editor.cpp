#include "ui/validation/finding_editor.h"

#include "database/world_database.h"
#include "master/world_validation.h"
#include "world/country.h"

namespace torvale {

namespace {

// Findings about the persons a club lists are mended in its squad; the rest of a club's
// findings in the club editor.
bool ConcernsSquad(const ValidationFinding& finding) {
  switch (finding.kind) {
    case FindingKind::kSquadCheck:
    case FindingKind::kMissingPerson:
    case FindingKind::kDuplicatePerson:
    case FindingKind::kPersonListedTwice:
      return true;
    default:
      return finding.personId != 0;
  }
}

}  // namespace

std::optional<FindingEditor> EditorForFinding(const CWorldDatabase& world, const ValidationFinding& finding) {
  const CCountry* country = world.Country(finding.country);
  if (!country) {
    // Persons of no country are the players without club, or listed nowhere at all.
    if (finding.personId != 0)
      return finding.kind == FindingKind::kUnlistedPerson
                 ? std::nullopt
                 : std::optional(FindingEditor{EditorCommand::kPlayersWithoutClub, {}});
    if (finding.kind == FindingKind::kMissingClub || finding.kind == FindingKind::kMissingStadium)
      return FindingEditor{EditorCommand::kGlobalRules, {}};
    return std::nullopt;
  }
  // A competition's reference to a club that does not exist names that club: there is
  // nothing to open but the country's competitions.
  if (finding.clubId != 0 && finding.kind != FindingKind::kCompetition && country->FindClub(finding.clubId)) {
    const MainSelection selection{finding.country, finding.clubId};
    return FindingEditor{ConcernsSquad(finding) ? EditorCommand::kSquadEditor : EditorCommand::kClubEditor, selection};
  }
  return FindingEditor{EditorCommand::kCountryEditor, MainSelection{finding.country, 0}};
}

}  // namespace torvale
