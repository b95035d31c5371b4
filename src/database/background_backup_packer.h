#pragma once
// Packs the staged backups on a worker thread of its own, so that a save returns as soon as
// its files are in place. Start after each save; a start while the worker runs makes it look
// again when it is done. The worker touches nothing but the backup folder. Destroying the
// packer waits for the worker, so what was staged is packed before the editor ends (and what
// a crash left staged is packed by the next start).

#include <mutex>
#include <thread>

namespace torvale {

class CWorldDatabase;
class SaveErrorReporter;
class WorldBackups;

class BackgroundBackupPacker {
 public:
  explicit BackgroundBackupPacker(WorldBackups& backups);
  BackgroundBackupPacker(const BackgroundBackupPacker&) = delete;
  BackgroundBackupPacker& operator=(const BackgroundBackupPacker&) = delete;
  ~BackgroundBackupPacker();

  void Start();
  // Returns when the worker has nothing left to pack.
  void Wait();
  bool Running() const;

 private:
  void Work();

  WorldBackups& backups_;
  mutable std::mutex mutex_;
  std::thread worker_;
  bool running_ = false;
  bool again_ = false;
};

// The save of a database folder the user asks for: the folder's previous files are kept in
// `backups`, and packing them starts on `packer` once the save is done. A failed backup leaves
// the save alone; its report waits in `backups`.
bool SaveWithBackup(const CWorldDatabase& world, SaveErrorReporter& reporter, WorldBackups& backups,
                    BackgroundBackupPacker& packer);

}  // namespace torvale
