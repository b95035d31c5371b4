#pragma once
// Runs one person search on a thread of its own and hands the hits to the GUI thread in
// batches through a queued signal, already made into rows (the texts of a row are read on the
// worker, so a search over the whole world leaves the GUI thread free). The worker never touches a widget; the world must not
// change while it runs (the result dialogs are modal and refuse their commands meanwhile).

#include <QObject>
#include <atomic>
#include <thread>
#include <vector>

#include "persons/person_search.h"

namespace torvale {

class SearchWorker : public QObject {
  Q_OBJECT
 public:
  explicit SearchWorker(QObject* parent = nullptr);
  ~SearchWorker() override;

  // Stops a running walk, then starts a new one over `world` with `patterns`.
  void Start(const CWorldDatabase& world, const PersonSearchPatterns& patterns);
  // Asks the walk to stop and waits for its thread; batches it posted before are dropped.
  void Stop();
  // True from Start until the final batch has been received on the GUI thread.
  bool Running() const { return running_; }

 signals:
  // On the GUI thread: rows of the hits found since the previous batch; `final` ends the walk.
  void batchReady(const std::vector<torvale::SearchResultRow>& rows, bool final);

 private:
  void Receive(const std::vector<SearchResultRow>& rows, bool final, unsigned generation);

  std::thread thread_;
  std::atomic<bool> cancel_{false};
  unsigned generation_ = 0;
  bool running_ = false;
};

}  // namespace torvale

Q_DECLARE_METATYPE(std::vector<torvale::SearchResultRow>)
