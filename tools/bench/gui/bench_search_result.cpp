// bench-search-result INSTALL_FOLDER [runs]: the person search's result dialog on the world
// of an installation (made with `torvale-make-install DIR --scale 1`: 206 countries x 48
// clubs x 30 persons). For "*" and for one rare surname it measures the time from showing
// the dialog until its list holds every hit, and the longest the event loop went without a
// turn meanwhile (how long the window could not answer the user). The core walk over the same
// world with the same patterns, measured in the same run, is the reference the ratios use.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "../bench_timing.h"
#include "persons/person_search.h"
#include "platform/path.h"
#include "ui/common/editor_context.h"
#include "ui/search/dlg_search_result.h"
#include "ui/search/search_result_model.h"
#include "ui/theme/editor_theme.h"
#include "world/fixed_text.h"

using namespace torvale;

namespace {

class CountingSink final : public PersonSearchSink {
 public:
  void DeliverBatch(std::vector<SearchHit> hits, bool) override { hits_ += hits.size(); }
  size_t hits_ = 0;
};

struct DialogRun {
  double seconds = 1e9;
  double longestStall = 0;
  int rows = 0;
};

DialogRun RunDialog(EditorContext& context, const PersonSearchPatterns& patterns) {
  DialogRun run;
  CDlgSearchResult dialog(context, patterns);
  bool done = false;
  QObject::connect(&dialog, &CDlgSearchResult::batchShown, [&](bool final) { done = done || final; });
  QElapsedTimer stall;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    run.longestStall = std::max(run.longestStall, stall.nsecsElapsed() * 1e-9);
    stall.restart();
  });
  QElapsedTimer clock;
  clock.start();
  stall.start();
  ticker.start(0);
  dialog.show();
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  run.seconds = clock.nsecsElapsed() * 1e-9;
  run.rows = dialog.Model().rowCount();
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-search-result INSTALL_FOLDER [runs]\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ApplyEditorTheme(app);
  const std::string install = argv[1];
  const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 3);
  if (!QDir::setCurrent(QString::fromStdString(install))) return 1;
  auto context = EditorContext::FromInstallFolder(install);
  if (!context || !context->CurrentWorld()) return 1;
  const CWorldDatabase& world = *context->CurrentWorld();
  std::printf("world: %zu persons\n", world.Persons().Count());

  std::map<std::string, int> surnames;
  for (const auto& [id, person] : world.Persons().Persons()) ++surnames[std::string(FixedText(person->surname))];
  std::string rare;
  int rareCount = 0;
  for (const auto& [name, count] : surnames)
    if (!name.empty() && (rare.empty() || count < rareCount)) rare = name, rareCount = count;

  std::atomic<bool> cancel{false};
  for (const auto& [label, texts] : {std::pair<const char*, PersonSearchTexts>{"\"*\" (first name)", {"*", "", ""}},
                                     {"rare surname", {"", "", rare}}}) {
    const PersonSearchPatterns patterns = PersonSearchPatterns::FromTexts(texts);
    Timing walk;
    size_t hits = 0;
    Best(runs, walk, [&] {
      CountingSink sink;
      RunPersonSearch(world, patterns, sink, cancel);
      hits = sink.hits_;
      return true;
    });
    DialogRun best;
    for (int i = 0; i < runs; ++i) {
      const DialogRun run = RunDialog(*context, patterns);
      if (run.seconds < best.seconds) best = run;
    }
    std::printf("%-18s core walk %8.1f ms (%zu hits)  dialog shows all %8.1f ms (%d rows, x%.1f of the walk)  "
                "longest stall %6.1f ms\n",
                label, walk.wall * 1e3, hits, best.seconds * 1e3, best.rows, best.seconds / walk.wall,
                best.longestStall * 1e3);
  }
  return 0;
}
