#pragma once
// The start of every editor GUI test: a private copy of the generated sample installation
// (build/install) as the working folder, a home folder of its own (the user's databases go
// to its documents folder), an EditorContext built from it with the game's database loaded
// as the first world, and a dialog-answer hook, so no message box ever waits for a click.
//
//   class ClubEditorTest : public test::EditorFixture {};
//   TEST_F(ClubEditorTest, RenamesTheClub) {
//     CCountry& germany = *World().Country(14);
//     ...
//     EXPECT_THAT(Answers().Texts(), ...);
//   }

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/scratch_dir.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/editor_context.h"

namespace torvale::test {

// The generated sample installation of this build.
std::string SampleInstallFolder();

class EditorFixture : public testing::Test {
 protected:
  EditorFixture();
  ~EditorFixture() override;

  EditorContext& Context() { return *context_; }
  CWorldDatabase& World() { return *context_->CurrentWorld(); }
  WorldChanges& Changes() { return context_->CurrentChanges(); }
  ScopedDialogAnswers& Answers() { return answers_; }
  // The copied installation (the working folder during the test).
  const std::string& InstallFolder() const { return install_; }
  // The user's documents folder, where "Database" holds the user's own databases.
  std::string DocumentsFolder() const;

 private:
  ScratchDir scratch_;
  std::string install_;
  std::unique_ptr<ScopedEnv> home_;
  std::unique_ptr<ScopedEnv> configHome_;
  std::unique_ptr<ScopedWorkingDir> workingDir_;
  ScopedDialogAnswers answers_;
  std::unique_ptr<EditorContext> context_;
};

}  // namespace torvale::test
