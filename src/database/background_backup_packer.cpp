#include "database/background_backup_packer.h"

#include "database/world_backups.h"
#include "database/world_database.h"

namespace torvale {

BackgroundBackupPacker::BackgroundBackupPacker(WorldBackups& backups) : backups_(backups) {}

BackgroundBackupPacker::~BackgroundBackupPacker() { Wait(); }

void BackgroundBackupPacker::Start() {
  std::lock_guard lock(mutex_);
  if (running_) {
    again_ = true;
    return;
  }
  if (worker_.joinable()) worker_.join();  // finished: only its thread object is left
  running_ = true;
  worker_ = std::thread([this] { Work(); });
}

void BackgroundBackupPacker::Work() {
  for (;;) {
    backups_.PackPending();
    std::lock_guard lock(mutex_);
    if (!again_) {
      running_ = false;
      return;
    }
    again_ = false;
  }
}

void BackgroundBackupPacker::Wait() {
  std::thread worker;
  {
    std::lock_guard lock(mutex_);
    worker = std::move(worker_);
  }
  if (worker.joinable()) worker.join();
}

bool BackgroundBackupPacker::Running() const {
  std::lock_guard lock(mutex_);
  return running_;
}

bool SaveWithBackup(const CWorldDatabase& world, SaveErrorReporter& reporter, WorldBackups& backups,
                    BackgroundBackupPacker& packer) {
  const bool saved = world.Save(reporter, &backups);
  // Even after a failed save: what an earlier save or a crash left staged is packed.
  packer.Start();
  return saved;
}

}  // namespace torvale
