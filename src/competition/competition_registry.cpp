#include "competition/competition_registry.h"

#include <vector>

namespace torvale {

CompetitionRegistry::~CompetitionRegistry() = default;

CDBCompetition* CompetitionRegistry::FindCompetition(CompetitionId id) const {
  auto it = nodes_.find(id);
  return it != nodes_.end() ? it->second.get() : nullptr;
}

CDBCompetition* CompetitionRegistry::RegisterCompetition(std::unique_ptr<CDBCompetition> node) {
  if (!node) return nullptr;
  CDBCompetition* raw = node.get();
  raw->registry_ = this;
  nodes_[raw->Id()] = std::move(node);  // destroys a node filed under the same id
  return raw;
}

std::unique_ptr<CDBCompetition> CompetitionRegistry::UnregisterCompetition(CompetitionId id) {
  auto it = nodes_.find(id);
  if (it == nodes_.end()) return nullptr;
  std::unique_ptr<CDBCompetition> node = std::move(it->second);
  nodes_.erase(it);
  node->registry_ = nullptr;
  return node;
}

void CompetitionRegistry::DeleteCompetition(CompetitionId id) {
  CDBCompetition* node = FindCompetition(id);
  if (!node) return;
  for (int i = 0; i < node->PredecessorCount(); ++i)
    if (CDBCompetition* pred = FindCompetition(node->GetPredecessor(i))) pred->RemoveSuccessor(id);
  for (int i = 0; i < node->SuccessorCount(); ++i)
    if (CDBCompetition* succ = FindCompetition(node->GetSuccessor(i))) succ->RemovePredecessor(id);
  CDBCompetition* previous = FindCompetition(node->Previous());
  CDBCompetition* next = FindCompetition(node->Next());
  if (previous) previous->SetNext(node->Next());
  if (next) next->SetPrevious(node->Previous());
  UnregisterCompetition(id);
}

void CompetitionRegistry::DeleteCountryCompetitions(int country) {
  std::vector<CompetitionId> ids;
  for (const auto& [id, node] : nodes_)
    if (CompetitionCountry(id) == country) ids.push_back(id);
  for (CompetitionId id : ids) DeleteCompetition(id);
}

void CompetitionRegistry::Clear() {
  nodes_.clear();
  rules_.Clear();
}

int CompetitionRegistry::RemoveSuccessorCycles() {
  enum class Mark { kUnseen, kOnPath, kDone };
  std::map<CompetitionId, Mark> marks;
  int removed = 0;
  struct Frame {
    CDBCompetition* node;
    int next;  // index of the successor to visit next
  };
  for (const auto& [startId, start] : nodes_) {
    if (marks[startId] != Mark::kUnseen) continue;
    // Depth-first walk with an explicit stack: chains in a damaged file may be long.
    std::vector<Frame> path{{start.get(), 0}};
    marks[startId] = Mark::kOnPath;
    while (!path.empty()) {
      Frame& top = path.back();
      if (top.next >= top.node->SuccessorCount()) {
        marks[top.node->Id()] = Mark::kDone;
        path.pop_back();
        continue;
      }
      CompetitionId id = top.node->GetSuccessor(top.next);
      CDBCompetition* successor = FindCompetition(id);
      if (!successor) {
        ++top.next;
        continue;
      }
      Mark& mark = marks[id];
      if (mark == Mark::kOnPath) {
        top.node->RemoveSuccessor(id);  // the next successor moves into this slot
        successor->RemovePredecessor(top.node->Id());
        ++removed;
      } else if (mark == Mark::kUnseen) {
        mark = Mark::kOnPath;
        ++top.next;
        path.push_back({successor, 0});
      } else {
        ++top.next;
      }
    }
  }
  return removed;
}

void CompetitionRegistry::ForEach(const std::function<void(CDBCompetition&)>& visit) const {
  for (const auto& [id, node] : nodes_) visit(*node);
}

}  // namespace torvale
