#include "cli/batch_translator.hpp"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

namespace vantrel::cli {

struct BatchTranslator::Batch {
  Origin origin = Origin::kLine;
  std::uint64_t first = 0;        // the number of its first report
  std::string reports;            // end to end
  std::vector<std::size_t> ends;  // where each report ends in `reports`
  // The text format's state: before the batch when handed on, after it when done.
  TextFormatter text;
  // What the worker wrote.
  TextBuffer out;
  std::string diagnostics;
  bool done = false;  // guarded by mutex_
};

// A thread's own translator and formatter state, writing into a sink that keeps everything.
struct BatchTranslator::Worker {
  explicit Worker(const WriterSettings& settings) : writer(sink, settings) {}
  OutputSink sink;
  ReportWriter writer;
};

BatchTranslator::BatchTranslator(OutputSink& sink, const WriterSettings& settings,
                                 const BatchLimits& limits)
    : sink_(sink), settings_(settings), limits_(limits) {
  limits_.jobs = std::max(limits_.jobs, 1U);
  limits_.reports = std::max<std::size_t>(limits_.reports, 1);
  limits_.bytes = std::max<std::size_t>(limits_.bytes, 1);
}

BatchTranslator::~BatchTranslator() {
  stopWorkers();
}

bool BatchTranslator::start() {
  try {
    while (threads_.size() < limits_.jobs) {
      workers_.push_back(std::make_unique<Worker>(settings_));
      threads_.emplace_back([this, worker = workers_.back().get()] { work(*worker); });
    }
  } catch (const std::system_error&) {
    // Fewer threads than asked for: those that started do the work.
  }
  return !threads_.empty();
}

void BatchTranslator::setHeaders(bool headers) noexcept {
  headers_ = headers;
  fresh_.setHeaders(headers);
  written_.setHeaders(headers);
}

void BatchTranslator::write(Origin origin, std::uint64_t number, std::string_view report) {
  if (sink_.failed()) return;
  if (report.size() >= limits_.bytes) {
    drain();
    writeAlone(origin, number, report);
    return;
  }
  if (!gathering_) {
    if (spare_.empty()) {
      gathering_ = std::make_unique<Batch>();
    } else {
      gathering_ = std::move(spare_.back());
      spare_.pop_back();
    }
    gathering_->origin = origin;
    gathering_->first = number;
  }
  gathering_->reports += report;
  gathering_->ends.push_back(gathering_->reports.size());
  if (gathering_->ends.size() >= limits_.reports || gathering_->reports.size() >= limits_.bytes) {
    dispatch();
  }
}

void BatchTranslator::drain() {
  dispatch();
  writeBatches(0);
}

void BatchTranslator::finish() {
  drain();
  stopWorkers();
}

// A worker ends once its batch is done; batches not yet begun are dropped.
void BatchTranslator::stopWorkers() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
}

int BatchTranslator::status() const noexcept {
  int status = status_;
  for (const std::unique_ptr<Worker>& worker : workers_) {
    status = std::max(status, worker->writer.status());
  }
  return status;
}

void BatchTranslator::work(Worker& worker) {
  for (;;) {
    Batch* batch = nullptr;
    {
      std::unique_lock lock(mutex_);
      workReady_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      batch = queue_.front();
      queue_.pop_front();
    }
    worker.writer.setTextFormatter(batch->text);
    const std::string_view reports = batch->reports;
    std::uint64_t number = batch->first;
    std::size_t begin = 0;
    for (const std::size_t end : batch->ends) {
      worker.writer.write(batch->origin, number++, reports.substr(begin, end - begin));
      begin = end;
    }
    batch->text = worker.writer.textFormatter();
    batch->out.swap(worker.sink.buffer());
    worker.sink.buffer().clear();
    batch->diagnostics.swap(worker.sink.diagnostics());
    worker.sink.diagnostics().clear();
    {
      const std::lock_guard lock(mutex_);
      batch->done = true;
    }
    batchDone_.notify_one();
  }
}

// Hands the batch being gathered to the workers, once there is room for it.
void BatchTranslator::dispatch() {
  if (!gathering_) return;
  const std::size_t most = 2 * std::size_t{limits_.jobs};
  writeBatches(most - 1);
  Batch* const batch = gathering_.get();
  if (sink_.failed()) {
    recycle(std::move(gathering_));
    return;
  }
  batch->text = fresh_;
  batch->done = false;
  inFlight_.push_back(std::move(gathering_));
  {
    const std::lock_guard lock(mutex_);
    queue_.push_back(batch);
  }
  workReady_.notify_one();
  writeBatches(most);
}

// Writes the batches in flight in input order: waits for them while more than `atMost` are in
// flight, then writes those already done.
void BatchTranslator::writeBatches(std::size_t atMost) {
  while (!inFlight_.empty() && !sink_.failed()) {
    Batch& front = *inFlight_.front();
    {
      std::unique_lock lock(mutex_);
      if (inFlight_.size() > atMost) {
        batchDone_.wait(lock, [&front] { return front.done; });
      } else if (!front.done) {
        return;
      }
    }
    writeBatch(front);
    recycle(std::move(inFlight_.front()));
    inFlight_.pop_front();
  }
}

// Keeps the batch for its buffers.
void BatchTranslator::recycle(std::unique_ptr<Batch> batch) {
  batch->reports.clear();
  batch->ends.clear();
  batch->out.clear();
  batch->diagnostics.clear();
  spare_.push_back(std::move(batch));
}

// A worker began each batch as the first of the output: its first block needs the empty line
// that sets it apart from the blocks already written.
void BatchTranslator::writeBatch(Batch& batch) {
  if (settings_.format == OutputFormat::kText && !batch.out.empty()) {
    if (headers_ && blockWritten_) sink_.buffer() += '\n';
    blockWritten_ = true;
    written_ = batch.text;
  }
  sink_.appendLong(batch.out);
  sink_.diagnostics() += batch.diagnostics;
  sink_.flushIfFull();
}

void BatchTranslator::writeAlone(Origin origin, std::uint64_t number, std::string_view report) {
  if (sink_.failed()) return;
  ReportWriter writer(sink_, settings_);
  writer.setTextFormatter(written_);
  writer.write(origin, number, report);
  written_ = writer.textFormatter();
  // Text output is a block for each translated report.
  blockWritten_ = blockWritten_ || writer.status() == 0;
  status_ = std::max(status_, writer.status());
}

}  // namespace vantrel::cli
