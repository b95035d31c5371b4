#include "exchange/longtime_write_db.h"

namespace torvale {

namespace {

// The build's progress interface, shown through the operation's dialog values.
class OperationMasterProgress final : public MasterProgress {
 public:
  explicit OperationMasterProgress(CLongtimeOperation& operation) : operation_(operation) {}
  void Show(bool visible) override { operation_.ShowDialog(visible); }
  void SetTitle(std::string_view title) override { operation_.SetTitle(title); }
  void SetText(std::string_view text) override { operation_.SetDescription(text); }
  void SetStatus(std::string_view status) override { operation_.SetStatus(status); }
  void SetDetail(std::string_view detail) override { operation_.SetDetail(detail); }
  void SetRange(int low, int high) override { operation_.SetRange(low, high); }
  void SetPosition(int position) override { operation_.SetPos(position); }
  int Position() const override { return operation_.Position(); }
  void EnableCancel(bool enabled) override { operation_.EnableCancel(enabled); }
  bool CancelRequested() const override { return operation_.CancelRequested(); }

 private:
  CLongtimeOperation& operation_;
};

}  // namespace

CLongtimeWriteDB::CLongtimeWriteDB(MasterBuildWorld& world, MasterBuildOptions options, MasterBuildTables tables,
                                   MasterBuildPrompts& prompts)
    : world_(world), options_(std::move(options)), tables_(std::move(tables)), prompts_(prompts) {}

void CLongtimeWriteDB::Execute() {
  OperationMasterProgress progress(*this);
  writtenPath_.clear();
  result_ = BuildMaster(world_, options_, tables_, progress, prompts_, &writtenPath_);
}

}  // namespace torvale
