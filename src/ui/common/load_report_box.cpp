#include "ui/common/load_report_box.h"

#include <algorithm>

#include "ui/common/dlg_error_single.h"

namespace torvale {

bool LoadReportWorthShowing(const LoadReport& report) {
  return std::any_of(report.problems.begin(), report.problems.end(),
                     [](const LoadProblem& problem) { return problem.kind != LoadProblemKind::kMissing; });
}

void ShowLoadReport(const LoadReport& report, QWidget* parent) {
  if (!LoadReportWorthShowing(report)) return;
  LoadReport shown;
  std::copy_if(report.problems.begin(), report.problems.end(), std::back_inserter(shown.problems),
               [](const LoadProblem& problem) { return problem.kind != LoadProblemKind::kMissing; });
  CDlgErrorSingle::Show(parent, "Beim Laden der Datenbank fiel Folgendes auf:", shown.Format());
}

}  // namespace torvale
