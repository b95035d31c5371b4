#include "ui/common/editor_context.h"

#include "database/background_backup_packer.h"
#include "database/database_folder.h"
#include "database/world_backups.h"
#include "platform/documents_folder.h"
#include "platform/path.h"
#include "platform/pc/file.h"
#include "ui/common/message_box.h"
#include "ui/undo/world_history.h"

namespace torvale {

EditorContext::EditorContext(const std::string& installFolder)
    : installFolder_(NormalizePath(installFolder.empty() ? GetWorkingDirectory().value_or(".") : installFolder)) {
  cupAllocations_.LoadCupAllocations(DataFolder("script"));
  textTables_.Load(JoinPath(installFolder_, kGameDatabaseFolder));
  // The badge archive's complaints are the user's to read; the lists it needs are extras.
  tools_.Init(installFolder_, [](const std::string& text) { ShowMessage(text); });

  WorldEnvironment environment;
  environment.countryIndexPath = JoinPath(installFolder_, "database/countries.sav");
  environment.scriptFolder = DataFolder("script");
  environment.cupAllocations = &cupAllocations_;
  environment.sibling = &tools_.SiblingLists();
  worlds_ = std::make_unique<WorldManager>(environment);
  worlds_->SetActiveDatabasePath(kGameDatabaseFolder);
  RegisterEditors(commands_);
}

EditorContext::~EditorContext() {
  // What was staged is packed before the editor ends.
  backupPacker_.reset();
  // The histories observe the change doors, which observe the worlds: they go first.
  histories_.clear();
  changes_.clear();
  worlds_.reset();
  cupAllocations_.FreeCupAllocations();
}

std::unique_ptr<EditorContext> EditorContext::FromInstallFolder(const std::string& installFolder) {
  auto context = std::make_unique<EditorContext>(installFolder);
  context->OpenGameDatabase();
  return context;
}

WorldBackups& EditorContext::Backups() {
  if (!backups_) {
    const std::string documents = PersonalDocumentsFolder().value_or(std::string());
    backups_ = std::make_unique<WorldBackups>(WorldBackups::FolderBeside(DatabasesRoot(documents)));
  }
  return *backups_;
}

BackgroundBackupPacker& EditorContext::BackupPacker() {
  if (!backupPacker_) backupPacker_ = std::make_unique<BackgroundBackupPacker>(Backups());
  return *backupPacker_;
}

std::string EditorContext::DataFolder(const std::string& name) const { return JoinPath(installFolder_, name); }

CWorldDatabase* EditorContext::CreateWorld() {
  CWorldDatabase* world = worlds_->CreateWorld();
  if (world) ChangesOf(*world);
  return world;
}

CWorldDatabase* EditorContext::OpenWorld(const std::string& folder) {
  CWorldDatabase* world = CreateWorld();
  if (!world) return nullptr;
  world->Load(folder);
  ChangesOf(*world).MarkSaved();
  return world;
}

bool EditorContext::CloseWorld(CWorldDatabase* world) {
  if (!world || worlds_->IndexOf(world) == worlds_->Count()) return false;
  histories_.erase(world);
  changes_.erase(world);
  return worlds_->RemoveWorld(world);
}

WorldChanges& EditorContext::ChangesOf(CWorldDatabase& world) {
  std::unique_ptr<WorldChanges>& changes = changes_[&world];
  if (!changes) {
    changes = std::make_unique<WorldChanges>(world);
    histories_[&world] = std::make_unique<WorldHistory>(*changes);
  }
  return *changes;
}

WorldHistory& EditorContext::HistoryOf(CWorldDatabase& world) {
  ChangesOf(world);
  return *histories_.at(&world);
}

}  // namespace torvale
