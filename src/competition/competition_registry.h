#pragma once
// CompetitionRegistry: the world's competition nodes, filed by id and owned here, together
// with the team-selection rule list they share. Nodes reach each other through it by id.

#include <functional>
#include <map>
#include <memory>

#include "competition/competition_id.h"
#include "competition/competition_rules.h"
#include "competition/competition_tree.h"

namespace torvale {

class CupAllocationTable;

class CompetitionRegistry {
 public:
  CompetitionRegistry() = default;
  CompetitionRegistry(const CompetitionRegistry&) = delete;
  CompetitionRegistry& operator=(const CompetitionRegistry&) = delete;
  ~CompetitionRegistry();

  CDBCompetition* FindCompetition(CompetitionId id) const;
  // Files the node under its id; a node already filed there is destroyed. Returns the node.
  CDBCompetition* RegisterCompetition(std::unique_ptr<CDBCompetition> node);
  // Takes the node out of the registry and hands it back (null when not filed).
  std::unique_ptr<CDBCompetition> UnregisterCompetition(CompetitionId id);
  // Unlinks the node from its predecessors, successors and chain neighbours, unregisters and
  // destroys it. Does nothing for a node that is not filed here.
  void DeleteCompetition(CompetitionId id);
  // Deletes every node of the country (any kind, any index).
  void DeleteCountryCompetitions(int country);
  void Clear();
  // Removes every successor link that closes a cycle (and its mirrored predecessor entry).
  // The game's structures never loop, but the calendar and consistency walks follow the
  // successors recursively, so a damaged file must not be able to make them run forever.
  // Returns the number of links removed.
  int RemoveSuccessorCycles();

  template <typename Node>
  Node* Find(CompetitionId id) const {
    return dynamic_cast<Node*>(FindCompetition(id));
  }
  size_t Size() const { return nodes_.size(); }
  // Visits every node in ascending id order.
  void ForEach(const std::function<void(CDBCompetition&)>& visit) const;

  TeamSelectionRuleList& Rules() { return rules_; }
  const TeamSelectionRuleList& Rules() const { return rules_; }

  // The process-wide cup allocation table the cups of this world follow (not owned).
  const CupAllocationTable* CupAllocations() const { return cupAllocations_; }
  void SetCupAllocations(const CupAllocationTable* table) { cupAllocations_ = table; }

 private:
  std::map<CompetitionId, std::unique_ptr<CDBCompetition>> nodes_;
  TeamSelectionRuleList rules_;
  const CupAllocationTable* cupAllocations_ = nullptr;
};

}  // namespace torvale
