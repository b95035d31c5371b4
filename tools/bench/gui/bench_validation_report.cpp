// "Datenbank prüfen" on the full-size world (206 countries of 48 clubs with 30 persons each):
// opening the report dialog (validation, tree, shown) and changing its filters, on the world
// as generated and on the world with every regular club broken (a finding or two per club,
// about ten thousand rows). The reference, measured in the same run, is the core's
// validation alone, so the ratios say what the dialog adds to the checks themselves.
//
//   bench-validation-report INSTALL_FOLDER   (made by `torvale-make-install DIR --scale 1`)

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <cstdio>
#include <string>

#include "../bench_timing.h"
#include "ui/common/editor_context.h"
#include "ui/theme/editor_theme.h"
#include "ui/validation/dlg_validation_report.h"
#include "ui/validation/validation_commands.h"
#include "world/club.h"
#include "world/country.h"

using namespace torvale;

namespace {

// The best CPU time of `runs` calls of `work`, each with the events it posted.
template <typename Work>
double BestOf(int runs, Work work) {
  Timing timing;
  Best(runs, timing, [&] {
    work();
    QApplication::processEvents();
    return true;
  });
  return timing.cpu;
}

void Report(const char* what, double seconds, double reference) {
  std::printf("%-52s %9.2f ms   %6.2f x the validation\n", what, seconds * 1e3, seconds / reference);
}

// Opening the dialog, then each severity filter and a search text, against the validation.
void Measure(EditorContext& context, const char* label) {
  CWorldDatabase& world = *context.CurrentWorld();
  size_t findings = 0;
  const double validation = BestOf(3, [&] { findings = ValidateForEditor(context, world).findings.size(); });
  const double open = BestOf(3, [&] {
    CDlgValidationReport dialog(context, 0);
    dialog.resize(1000, 660);
    dialog.show();
    QApplication::processEvents();
  });
  CDlgValidationReport dialog(context, 0);
  dialog.resize(1000, 660);
  dialog.show();
  auto* severity = dialog.findChild<QComboBox*>("severityFilter");
  auto* search = dialog.findChild<QLineEdit*>("searchText");
  const double filter = BestOf(3, [&] {
    severity->setCurrentIndex(1);
    severity->setCurrentIndex(2);
    severity->setCurrentIndex(0);
  }) / 3;
  const double typing = BestOf(3, [&] {
    search->setText("Verein");
    search->clear();
  }) / 2;
  std::printf("\n%s: %zu findings\n%-52s %9.2f ms\n", label, findings, "reference: the validation", validation * 1e3);
  Report("opening the report (validation, tree, shown)", open, validation);
  Report("changing the severity filter", filter, validation);
  Report("typing a search text", typing, validation);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-validation-report INSTALL_FOLDER\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ApplyEditorTheme(app);
  const std::string install = argv[1];
  if (!QDir::setCurrent(QString::fromStdString(install))) return 1;
  auto context = EditorContext::FromInstallFolder(install);
  if (!context || !context->CurrentWorld()) return 1;
  CWorldDatabase& world = *context->CurrentWorld();
  std::printf("world: %zu persons\n", world.Persons().Count());

  Measure(*context, "the generated world");
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (CCountry* country = world.Country(n))
      for (const auto& [id, club] : country->Clubs())
        if (club->Number() != kAmateurClubNumber) club->facilities[kClubCentre] = 0;
  Measure(*context, "every regular club without its club centre");
  return 0;
}
