#include "ui/search/search_worker.h"

#include <QMetaObject>
#include <QPointer>

namespace torvale {
namespace {

// Forwards each batch to the GUI thread, tagged with the walk it belongs to, so batches still
// queued from a stopped walk can be told apart from the current one.
class QueuedSink : public PersonSearchSink {
 public:
  using Receive = std::function<void(const std::vector<SearchResultRow>&, bool, unsigned)>;
  QueuedSink(const CWorldDatabase& world, SearchWorker* worker, unsigned generation, Receive receive)
      : world_(world), worker_(worker), generation_(generation), receive_(std::move(receive)) {}

  void DeliverBatch(std::vector<SearchHit> hits, bool final) override {
    std::vector<SearchResultRow> rows;
    rows.reserve(hits.size());
    SearchResultRow row;
    for (const SearchHit& hit : hits) {
      if (MakeSearchResultRow(world_, hit, row)) rows.push_back(row);
    }
    QMetaObject::invokeMethod(
        worker_, [receive = receive_, rows = std::move(rows), final, g = generation_]() { receive(rows, final, g); },
        Qt::QueuedConnection);
  }

 private:
  const CWorldDatabase& world_;
  SearchWorker* worker_;
  unsigned generation_;
  Receive receive_;
};

}  // namespace

SearchWorker::SearchWorker(QObject* parent) : QObject(parent) {
  qRegisterMetaType<std::vector<SearchResultRow>>();
}

SearchWorker::~SearchWorker() { Stop(); }

void SearchWorker::Start(const CWorldDatabase& world, const PersonSearchPatterns& patterns) {
  Stop();
  cancel_ = false;
  running_ = true;
  const unsigned generation = ++generation_;
  auto receive = [this](const std::vector<SearchResultRow>& rows, bool final, unsigned g) { Receive(rows, final, g); };
  thread_ = std::thread([this, &world, patterns, generation, receive] {
    QueuedSink sink(world, this, generation, receive);
    RunPersonSearch(world, patterns, sink, cancel_);
  });
}

void SearchWorker::Stop() {
  if (!thread_.joinable()) return;
  cancel_ = true;
  thread_.join();
  ++generation_;  // whatever the stopped walk still has queued is ignored
  running_ = false;
}

void SearchWorker::Receive(const std::vector<SearchResultRow>& rows, bool final, unsigned generation) {
  if (generation != generation_) return;
  if (final) {
    if (thread_.joinable()) thread_.join();
    running_ = false;
  }
  emit batchReady(rows, final);
}

}  // namespace torvale
