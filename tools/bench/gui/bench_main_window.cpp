// The main window on the full-size world (206 countries of 48 clubs with 30 persons each):
// Refresh with the statistics block, and switching countries, each cold (the statistics not
// yet counted, as after a load or an import) and warm (counted before, as after an edit of one
// country). Times are set against a plain pass over every person of the world reading one
// byte each, measured in the same run, so the ratios mean something on a busy machine.
//
//   bench-main-window [folder for the generated installation (default: a new temp folder)]

#include <time.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/dlg_main_menu.h"
#include "exchange/sample_installation.h"
#include "ui/common/editor_context.h"
#include "ui/common/world_changes.h"
#include "ui/theme/editor_theme.h"

namespace fs = std::filesystem;
using namespace torvale;

namespace {

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <typename Work>
double BestOf(int runs, Work work) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    work();
    QApplication::processEvents();
    best = std::min(best, Now() - start);
  }
  return best;
}

void Report(const char* what, double seconds, double reference) {
  std::printf("%-44s %9.2f ms   %7.1f x the person pass\n", what, seconds * 1e3, seconds / reference);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string folder =
      argc > 1 ? std::string(argv[1]) : (fs::temp_directory_path() / ("bench-main-window-" + std::to_string(getpid()))).string();
  SampleInstallOptions options;
  options.sourceFolder = TORVALE_SOURCE_DIR "/data/install";
  options.outFolder = folder;
  options.settingsFolder = folder + "-xdg";
  options.world.scale = 1;
  std::printf("generating the full-size world in %s ...\n", folder.c_str());
  const SampleInstallResult made = MakeSampleInstallation(options);
  if (!made.ok) {
    std::fprintf(stderr, "%s\n", made.error.c_str());
    return 1;
  }
  fs::current_path(folder);

  QApplication app(argc, argv);
  ApplyEditorTheme(app);
  auto context = EditorContext::FromInstallFolder(folder);
  CWorldDatabase& world = *context->CurrentWorld();
  std::printf("%zu persons in the world\n", world.Persons().Count());

  // The reference: one byte of every person, in the person table's order.
  volatile unsigned sink = 0;
  const double personPass = BestOf(5, [&] {
    unsigned sum = 0;
    for (const auto& [id, person] : world.Persons().Persons()) sum += person->talent;
    sink = sink + sum;
  });

  DlgMainMenu window(*context, MainMenuStart{false, {}});
  window.resize(1280, 800);
  window.show();
  window.Initialise();
  WorldChanges& changes = context->ChangesOf(world);

  const double refreshCold = BestOf(3, [&] {
    changes.Commit(ChangeScope::WholeWorld(), "bench", [](CWorldDatabase&) {});
    window.Refresh();
  });
  const double refreshWarm = BestOf(5, [&] { window.Refresh(); });
  const double switchWarm = BestOf(5, [&] {
    window.SelectCountry(45);
    window.SelectCountry(14);
  }) / 2;
  const double switchAfterEdit = BestOf(5, [&] {
    changes.Commit(ChangeScope::Countries({14, 45}), "bench", [](CWorldDatabase&) {});
    window.SelectCountry(45);
    window.SelectCountry(14);
  }) / 2;

  std::printf("\n%-44s %9.2f ms\n", "reference: one pass over every person", personPass * 1e3);
  Report("Refresh, statistics counted afresh", refreshCold, personPass);
  Report("Refresh, statistics kept", refreshWarm, personPass);
  Report("switching countries", switchWarm, personPass);
  Report("switching countries, both just edited", switchAfterEdit, personPass);
  std::error_code ignored;
  if (argc <= 1) {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder, ignored);
    fs::remove_all(folder + "-xdg", ignored);
  }
  return 0;
}
