#include "database/world_manager.h"

#include <algorithm>

namespace torvale {

WorldManager::WorldManager(WorldEnvironment environment) : environment_(std::move(environment)) {}

WorldManager::~WorldManager() = default;

CWorldDatabase* WorldManager::CreateWorld() {
  if (worlds_.size() >= kMaxWorlds) return nullptr;
  worlds_.push_back(std::make_unique<CWorldDatabase>(environment_));
  current_ = worlds_.back().get();
  current_->InitEmptyWorld();
  return current_;
}

CWorldDatabase* WorldManager::At(size_t index) const {
  return index < worlds_.size() ? worlds_[index].get() : nullptr;
}

size_t WorldManager::IndexOf(const CWorldDatabase* world) const {
  auto it = std::find_if(worlds_.begin(), worlds_.end(), [world](const auto& held) { return held.get() == world; });
  return static_cast<size_t>(std::distance(worlds_.begin(), it));
}

bool WorldManager::SetCurrent(CWorldDatabase* world) {
  if (IndexOf(world) >= worlds_.size()) return false;
  current_ = world;
  return true;
}

bool WorldManager::SelectByIndex(size_t index) { return SetCurrent(At(index)); }

bool WorldManager::RemoveWorld(CWorldDatabase* world) {
  const size_t index = IndexOf(world);
  if (index >= worlds_.size()) return false;
  std::unique_ptr<CWorldDatabase> removed = std::move(worlds_[index]);
  worlds_.erase(worlds_.begin() + static_cast<std::ptrdiff_t>(index));
  removed->Clear();
  // Not the neighbour: the main window always falls back to the first world it opened.
  if (current_ == world) current_ = worlds_.empty() ? nullptr : worlds_.front().get();
  return true;
}

bool WorldManager::CloseCurrent() {
  if (worlds_.size() <= 1 || !current_) return false;
  return RemoveWorld(current_);
}

}  // namespace torvale
