#pragma once
// The same-level chain of the matchday calendar: a node's successors on its own level share
// its calendar column and take the matchdays it has no room for (a league's play-off).

namespace torvale {

class CDBCompetition;

// True when `successor` plays on `node`'s level; a successor without a level set (negative)
// goes with any node.
bool IsSameLevelSuccessor(const CDBCompetition& node, const CDBCompetition& successor);

}  // namespace torvale
