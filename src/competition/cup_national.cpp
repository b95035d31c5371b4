#include "competition/cup_national.h"

#include <memory>

#include "competition/competition_registry.h"
#include "competition/cup.h"

namespace torvale {

CDBRoot& EnsureCountryRoot(CompetitionRegistry& registry, int country) {
  CompetitionId rootId = MakeCompetitionId(country, CompKind::ROOT, 0);
  if (auto* root = registry.Find<CDBRoot>(rootId)) return *root;
  auto* root = registry.RegisterCompetition(std::make_unique<CDBRoot>(country));
  return static_cast<CDBRoot&>(*root);
}

void ResetCountryCompetitions(CompetitionRegistry& registry, int country) {
  registry.DeleteCountryCompetitions(country);
  int32_t noCup = 0;
  SetNationalCup(registry, country, CompKind::FA_CUP, noCup, 1);
}

void SetNationalCup(CompetitionRegistry& registry, int country, int kind,
                    int32_t& storedAllocation, int32_t allocation) {
  CDBRoot& root = EnsureCountryRoot(registry, country);
  CompetitionId cupId = MakeCompetitionId(country, kind, 0);
  // An unchanged mode keeps the cup with its days and money; a cup that went missing is
  // created again.
  bool unchanged = allocation == storedAllocation &&
                   (allocation == 0 || registry.FindCompetition(cupId) != nullptr);
  if (!unchanged) {
    registry.DeleteCompetition(cupId);
    if (allocation != 0) {
      auto cup = std::make_unique<CDBCup>();
      cup->SetId(cupId);
      cup->SetOwner(root.Id());
      cup->SetAllocation(allocation);
      cup->SetLevel(0);
      auto* filed = static_cast<CDBCup*>(registry.RegisterCompetition(std::move(cup)));
      filed->InstantiateRules();
    }
  }
  storedAllocation = allocation;
  root.RefreshCupIds();
}

}  // namespace torvale
