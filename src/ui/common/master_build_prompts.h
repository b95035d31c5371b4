#pragma once
// The questions and notices of an interactive master build, shown in the editor's error
// dialogs (CDlgErrorSingle, CDlgErrorMessage). The build may run on a worker thread; the
// dialogs are then shown on the GUI thread and the worker waits for the answer.

#include "master/master_build.h"

class QWidget;

namespace torvale {

class DialogMasterBuildPrompts final : public MasterBuildPrompts {
 public:
  explicit DialogMasterBuildPrompts(QWidget* parent) : parent_(parent) {}
  void ShowSingle(std::string_view heading, std::string_view text) override;
  bool AskMessage(std::string_view heading, std::string_view text) override;

 private:
  QWidget* parent_;
};

}  // namespace torvale
