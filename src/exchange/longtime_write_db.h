#pragma once
// The interactive master build as a long-time operation: BuildMaster on the worker thread,
// its progress shown in the long-time dialog. In batch mode (the console builds of the admin
// menu) it runs on the calling thread without any dialog. The build's prompts are called on
// the thread that runs it, so the editor's prompts must hand their dialogs to the GUI thread.

#include <string>

#include "exchange/longtime_operation.h"
#include "master/master_build.h"

namespace torvale {

class CLongtimeWriteDB final : public CLongtimeOperation {
 public:
  CLongtimeWriteDB(MasterBuildWorld& world, MasterBuildOptions options, MasterBuildTables tables,
                   MasterBuildPrompts& prompts);
  MasterBuildResult Result() const { return result_; }
  // The master file written (empty unless Result() is kWritten).
  const std::string& WrittenPath() const { return writtenPath_; }

 protected:
  void Execute() override;
  bool RunsWithoutDialog() const override { return options_.batch; }

 private:
  MasterBuildWorld& world_;
  MasterBuildOptions options_;
  MasterBuildTables tables_;
  MasterBuildPrompts& prompts_;
  MasterBuildResult result_ = MasterBuildResult::kWriteFailed;
  std::string writtenPath_;
};

}  // namespace torvale
