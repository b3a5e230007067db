#pragma once
// Reports translated in several threads: they are gathered in batches, each batch is translated
// by one worker thread into output and messages of its own, and the batches are written into
// the sink strictly in input order, so the output is byte for byte what one ReportWriter writes.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/formatters.hpp"
#include "cli/output_sink.hpp"
#include "cli/report_writer.hpp"

namespace vantrel::cli {

struct BatchLimits {
  // Worker threads, at least 1.
  unsigned jobs = 1;
  // A batch holds at most this many reports,
  std::size_t reports = 2048;
  // and is handed on once it holds this many bytes. A report of this size or more is translated
  // on its own by the calling thread, straight into the sink, once everything before it is
  // written: a huge report is then never copied, nor is its output held whole.
  std::size_t bytes = std::size_t{1} << 18;
};

// At most 2 * jobs batches are in flight (handed on and not yet written), so memory stays
// bounded however long the input. Every function is called from one thread, the caller's.
class BatchTranslator {
 public:
  BatchTranslator(OutputSink& sink, const WriterSettings& settings, const BatchLimits& limits);
  ~BatchTranslator();
  BatchTranslator(const BatchTranslator&) = delete;
  BatchTranslator& operator=(const BatchTranslator&) = delete;

  // Starts the worker threads; false when not one could be started.
  bool start();

  // As ReportWriter's, for reports numbered one after the other.
  void setHeaders(bool headers) noexcept;
  void write(Origin origin, std::uint64_t number, std::string_view report);

  // Writes every report written so far into the sink (not synced), waiting for the workers.
  void drain();
  // drain(), then ends the worker threads. After a failed write, batches in flight are dropped.
  void finish();
  // After finish(): 0 when every report was translated, 1 when one was refused or was not UTF-8.
  [[nodiscard]] int status() const noexcept;

 private:
  struct Batch;
  struct Worker;

  void work(Worker& worker);
  void stopWorkers();
  void dispatch();
  void writeBatches(std::size_t atMost);
  void writeBatch(Batch& batch);
  void recycle(std::unique_ptr<Batch> batch);
  void writeAlone(Origin origin, std::uint64_t number, std::string_view report);

  OutputSink& sink_;
  WriterSettings settings_;
  BatchLimits limits_;
  // The text format's state for a batch of its own, and that of the output written so far.
  TextFormatter fresh_;
  TextFormatter written_;
  bool headers_ = false;
  bool blockWritten_ = false;
  int status_ = 0;

  std::unique_ptr<Batch> gathering_;
  std::deque<std::unique_ptr<Batch>> inFlight_;  // in input order
  std::vector<std::unique_ptr<Batch>> spare_;    // written, kept for their buffers

  std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable batchDone_;
  std::deque<Batch*> queue_;  // guarded by mutex_, with Batch::done
  bool stopping_ = false;     // guarded by mutex_
  std::vector<std::unique_ptr<Worker>> workers_;
  std::vector<std::thread> threads_;
};

}  // namespace vantrel::cli
