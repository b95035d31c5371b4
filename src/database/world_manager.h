#pragma once
// The open worlds of the editor: one to six CWorldDatabase objects in the order they were
// opened, one of them current (every editor works on the current world), and the active
// database path, the folder last chosen in the "open" dialog. The application owns one
// manager; tests make their own.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/world_database.h"

namespace torvale {

class WorldManager {
 public:
  static constexpr size_t kMaxWorlds = 6;

  // New worlds are created with `environment` (the install folder's index and script files).
  explicit WorldManager(WorldEnvironment environment = {});
  WorldManager(const WorldManager&) = delete;
  WorldManager& operator=(const WorldManager&) = delete;
  ~WorldManager();

  // A new world with the countries of the index, appended and made current; null (and nothing
  // changes) when six worlds are open.
  CWorldDatabase* CreateWorld();
  // Makes `world` current; false for a world this manager does not hold.
  bool SetCurrent(CWorldDatabase* world);
  // Makes the i-th world (in list order) current; false when there is none.
  bool SelectByIndex(size_t index);
  // Takes the world out of the list, clears and destroys it. When it was current, the first
  // remaining world becomes current. False for a world the manager does not hold.
  bool RemoveWorld(CWorldDatabase* world);
  // Closing from the main window: removes the current world, refused while it is the only one.
  bool CloseCurrent();

  size_t Count() const { return worlds_.size(); }
  CWorldDatabase* Current() const { return current_; }
  CWorldDatabase* At(size_t index) const;
  // Position of the world in the list; Count() when it is not held.
  size_t IndexOf(const CWorldDatabase* world) const;

  const std::string& ActiveDatabasePath() const { return activeDatabasePath_; }
  void SetActiveDatabasePath(std::string_view path) { activeDatabasePath_ = std::string(path); }

 private:
  WorldEnvironment environment_;
  std::vector<std::unique_ptr<CWorldDatabase>> worlds_;
  CWorldDatabase* current_ = nullptr;
  std::string activeDatabasePath_;
};

}  // namespace torvale
