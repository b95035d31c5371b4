#pragma once
// The sample installation loaded the way the editor loads it, once per test program, with a
// club editor context over it and helpers to drive the editor's modal dialogs.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "assets/big_archive.h"
#include "competition/cup_allocation.h"
#include "database/world_database.h"
#include "exchange/text_data_file.h"
#include "support/scratch_dir.h"
#include "ui/club/club_editor_context.h"

namespace torvale::test {

class SampleInstallation {
 public:
  // Made on first use and kept for the whole test program: generating it is the slow part.
  static SampleInstallation& Get();

  const std::string& Install() const { return install_; }
  std::string Database() const { return install_ + "/database"; }
  const CTextDataTables& Tables() const { return tables_; }
  CQZBig& BadgeArchive() { return archive_; }
  // A fresh world loaded from `folder` (the installation's database by default).
  std::unique_ptr<CWorldDatabase> LoadWorld(const std::string& folder = {});

 private:
  SampleInstallation();

  ScratchDir scratch_;
  std::string install_;
  CupAllocationTable allocations_;
  CTextDataTables tables_;
  CQZBig archive_;
};

// A loaded world and a context for the editor on its country 14.
struct ClubEditorWorld {
  ClubEditorWorld();
  CClub& FirstClub();

  std::unique_ptr<CWorldDatabase> world;
  ClubEditorContext context;
  int language = 0;
};

// Runs `drive` on the modal dialog named `objectName` as soon as it is the active modal widget;
// the test's call that opens it returns when `drive` has closed it.
void WhenModalOpens(const QString& objectName, std::function<void(QWidget*)> drive);

}  // namespace torvale::test
