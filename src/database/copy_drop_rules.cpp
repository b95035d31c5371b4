#include "database/copy_drop_rules.h"

namespace torvale {

CopyDropAction DecideCopyDrop(const CopyItem& source, const CopyItem* target) {
  if (!target || *target == source) return CopyDropAction::kNothing;
  if (source.kind == CopyItemKind::kClub && target->kind == CopyItemKind::kCountry) return CopyDropAction::kClubIntoCountry;
  if (source.kind != target->kind) return CopyDropAction::kRefusedKinds;
  switch (source.kind) {
    case CopyItemKind::kClub: return CopyDropAction::kClubOntoClub;
    case CopyItemKind::kCountry: return CopyDropAction::kCountryOntoCountry;
    case CopyItemKind::kContinent:
      return source.id == target->id ? CopyDropAction::kContinentOntoContinent : CopyDropAction::kRefusedContinents;
  }
  return CopyDropAction::kNothing;
}

}  // namespace torvale
