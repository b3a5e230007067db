#include "cli/output_sink.hpp"

#include <algorithm>
#include <cerrno>
#include <ios>
#include <limits>

namespace vantrel::cli {

OutputSink::OutputSink(std::ostream& out, std::ostream& err, std::size_t flushSize)
    : out_(&out), err_(&err), flushSize_(std::max<std::size_t>(flushSize, 1)) {
  buffer_.reserve(flushSize_ + 4096);
}

// Never full: every text is appended, however long.
OutputSink::OutputSink() : flushSize_(std::numeric_limits<std::size_t>::max()) {}

void OutputSink::appendLong(std::string_view text) {
  if (text.size() < flushSize_) {
    buffer_ += text;
    return;
  }
  flush();
  writeRaw(text);
}

void OutputSink::flush() {
  if (out_ == nullptr) return;
  writeRaw(buffer_);
  buffer_.clear();
  if (diagnostics_.empty()) return;
  // The output first: where both streams show together, a message then follows the lines
  // handed on with it.
  syncStream();
  err_->write(diagnostics_.data(), static_cast<std::streamsize>(diagnostics_.size()));
  err_->flush();
  diagnostics_.clear();
}

void OutputSink::sync() {
  flush();
  if (out_ != nullptr) syncStream();
}

void OutputSink::syncStream() {
  if (!failed_ && out_->rdbuf()->pubsync() == -1) {
    failed_ = true;
    failureErrno_ = errno;
  }
}

void OutputSink::writeRaw(std::string_view bytes) {
  if (failed_ || bytes.empty()) return;
  errno = 0;
  const auto size = static_cast<std::streamsize>(bytes.size());
  if (out_->rdbuf()->sputn(bytes.data(), size) != size) {
    failed_ = true;
    failureErrno_ = errno;
  }
}

}  // namespace vantrel::cli
