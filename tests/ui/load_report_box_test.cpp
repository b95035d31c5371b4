#include <gtest/gtest.h>

#include "database/load_report.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/load_report_box.h"
#include "ui/common/save_error_box.h"

namespace torvale {
namespace {

TEST(LoadReportBox, TellsWhatWasUnreadableOrDamagedButNotWhatIsMissing) {
  ScopedDialogAnswers answers;
  LoadReport report;
  report.Add("Country3.sav", LoadProblemKind::kMissing, 0, "Die Datei fehlt.");
  ShowLoadReport(report, nullptr);
  EXPECT_TRUE(answers.Shown().empty());  // a database may hold only some countries

  report.Add("Country14.sav", LoadProblemKind::kUnreadable, 0, "Nicht lesbar.");
  report.Add("Country7.sav", LoadProblemKind::kDamaged, 812, "Endet vorzeitig.");
  ShowLoadReport(report, nullptr);
  ASSERT_EQ(answers.Shown().size(), 1u);
  const ShownDialog& shown = answers.Shown()[0];
  EXPECT_EQ(shown.kind, ShownDialogKind::kErrorSingle);
  EXPECT_TRUE(shown.text.contains("Country14.sav (nicht lesbar): Nicht lesbar.")) << shown.text.toStdString();
  EXPECT_TRUE(shown.text.contains("Country7.sav, Zeile 812")) << shown.text.toStdString();
  EXPECT_FALSE(shown.text.contains("Country3.sav"));
}

TEST(SaveErrorBox, NamesTheFilesASaveLeftAlone) {
  ScopedDialogAnswers answers;
  SaveErrorBox box;
  box.ReportFilesNotWritten({"Country14.sav", "Rules.sav"});
  ASSERT_EQ(answers.Shown().size(), 1u);
  EXPECT_TRUE(answers.Shown()[0].text.endsWith("Country14.sav, Rules.sav")) << answers.Shown()[0].text.toStdString();
}

}  // namespace
}  // namespace torvale
