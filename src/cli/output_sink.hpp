#pragma once
// Output gathered in one buffer and handed to a stream in large pieces, with the first failed
// write remembered.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace vantrel::cli {

class OutputSink {
 public:
  // The buffer is handed to `out` once it holds `flushSize` bytes (at least 1).
  OutputSink(std::ostream& out, std::size_t flushSize);

  // Where the formatters append; flushIfFull() passes it on.
  std::string& buffer() noexcept { return buffer_; }
  [[nodiscard]] std::size_t flushSize() const noexcept { return flushSize_; }

  // Appends `text` as it is. Text of a buffer's worth or more goes straight to the stream, so a
  // huge report is never copied whole into the buffer.
  void appendLong(std::string_view text);

  void flushIfFull() {
    if (buffer_.size() >= flushSize_) flush();
  }
  // Hands everything buffered to the stream.
  void flush();
  // flush(), then asks the stream to pass it on.
  void sync();

  // True once writing to the stream failed; later output is dropped.
  [[nodiscard]] bool failed() const noexcept { return failed_; }
  // The system's reason for the failed write, when it gave one (0 otherwise).
  [[nodiscard]] int failureErrno() const noexcept { return failureErrno_; }

 private:
  void writeRaw(std::string_view bytes);

  std::ostream& out_;
  std::size_t flushSize_;
  std::string buffer_;
  bool failed_ = false;
  int failureErrno_ = 0;
};

}  // namespace vantrel::cli
