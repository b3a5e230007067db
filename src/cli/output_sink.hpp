#pragma once
// Output gathered in one buffer and handed to a stream in large pieces, with the first failed
// write remembered. Messages for the error stream are gathered beside it and handed on with it.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "metar/text_buffer.hpp"

namespace vantrel::cli {

class OutputSink {
 public:
  // The buffer is handed to `out` once it holds `flushSize` bytes (at least 1), and the messages
  // to `err` right after it.
  OutputSink(std::ostream& out, std::ostream& err, std::size_t flushSize);
  // Keeps everything, output and messages, until taken from buffer() and diagnostics(): one
  // batch of reports translated apart from the stream it will go to.
  OutputSink();

  // Where the formatters append; flushIfFull() passes it on.
  TextBuffer& buffer() noexcept { return buffer_; }
  [[nodiscard]] std::size_t flushSize() const noexcept { return flushSize_; }

  // Messages for the error stream, each ending in a newline. They wait for the next flush() (or
  // fill a buffer of their own), so a run of refused reports costs no write each.
  std::string& diagnostics() noexcept { return diagnostics_; }

  // Appends `text` as it is. Text of a buffer's worth or more goes straight to the stream, so a
  // huge report is never copied whole into the buffer.
  void appendLong(std::string_view text);

  void flushIfFull() {
    if (buffer_.size() >= flushSize_ || diagnostics_.size() >= flushSize_) flush();
  }
  // Hands everything buffered to the stream, then, once the stream has passed it on, the messages
  // to the error stream (also after a failed write: they tell about reports already read).
  void flush();
  // flush(), then asks the stream to pass it on.
  void sync();

  // True once writing to the stream failed; later output is dropped.
  [[nodiscard]] bool failed() const noexcept { return failed_; }
  // The system's reason for the failed write, when it gave one (0 otherwise).
  [[nodiscard]] int failureErrno() const noexcept { return failureErrno_; }

 private:
  void writeRaw(std::string_view bytes);
  void syncStream();

  std::ostream* out_ = nullptr;
  std::ostream* err_ = nullptr;
  std::size_t flushSize_;
  TextBuffer buffer_;
  std::string diagnostics_;
  bool failed_ = false;
  int failureErrno_ = 0;
};

}  // namespace vantrel::cli
