#include "cli/output_sink.hpp"

#include <algorithm>
#include <cerrno>
#include <ios>

namespace vantrel::cli {

OutputSink::OutputSink(std::ostream& out, std::size_t flushSize)
    : out_(out), flushSize_(std::max<std::size_t>(flushSize, 1)) {
  buffer_.reserve(flushSize_ + 4096);
}

void OutputSink::appendLong(std::string_view text) {
  if (text.size() < flushSize_) {
    buffer_ += text;
    return;
  }
  flush();
  writeRaw(text);
}

void OutputSink::flush() {
  writeRaw(buffer_);
  buffer_.clear();
}

void OutputSink::sync() {
  flush();
  if (!failed_ && out_.rdbuf()->pubsync() == -1) {
    failed_ = true;
    failureErrno_ = errno;
  }
}

void OutputSink::writeRaw(std::string_view bytes) {
  if (failed_ || bytes.empty()) return;
  errno = 0;
  const auto size = static_cast<std::streamsize>(bytes.size());
  if (out_.rdbuf()->sputn(bytes.data(), size) != size) {
    failed_ = true;
    failureErrno_ = errno;
  }
}

}  // namespace vantrel::cli
