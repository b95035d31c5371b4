#include "ui/search/search_worker.h"

#include <QMetaObject>
#include <QPointer>

namespace torvale {
namespace {

// Forwards each batch to the GUI thread, tagged with the walk it belongs to, so batches still
// queued from a stopped walk can be told apart from the current one.
class QueuedSink : public PersonSearchSink {
 public:
  QueuedSink(SearchWorker* worker, unsigned generation,
             std::function<void(std::vector<SearchHit>, bool, unsigned)> receive)
      : worker_(worker), generation_(generation), receive_(std::move(receive)) {}

  void DeliverBatch(std::vector<SearchHit> hits, bool final) override {
    QMetaObject::invokeMethod(
        worker_, [receive = receive_, hits = std::move(hits), final, g = generation_]() { receive(hits, final, g); },
        Qt::QueuedConnection);
  }

 private:
  SearchWorker* worker_;
  unsigned generation_;
  std::function<void(std::vector<SearchHit>, bool, unsigned)> receive_;
};

}  // namespace

SearchWorker::SearchWorker(QObject* parent) : QObject(parent) {
  qRegisterMetaType<std::vector<SearchHit>>();
}

SearchWorker::~SearchWorker() { Stop(); }

void SearchWorker::Start(const CWorldDatabase& world, const PersonSearchPatterns& patterns) {
  Stop();
  cancel_ = false;
  running_ = true;
  const unsigned generation = ++generation_;
  auto receive = [this](std::vector<SearchHit> hits, bool final, unsigned g) { Receive(hits, final, g); };
  thread_ = std::thread([this, &world, patterns, generation, receive] {
    QueuedSink sink(this, generation, receive);
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

void SearchWorker::Receive(const std::vector<SearchHit>& hits, bool final, unsigned generation) {
  if (generation != generation_) return;
  if (final) {
    if (thread_.joinable()) thread_.join();
    running_ = false;
  }
  emit batchReady(hits, final);
}

}  // namespace torvale
