#pragma once
// Splits a stream into lines, reading it in large blocks.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace vantrel::cli {

// Reads `in` block by block and hands out its lines. A line ends at "\n"; one "\r" right before
// that "\n" is dropped; a last line without "\n" counts as a line (its "\r", if any, is kept).
// A UTF-8 byte-order mark (EF BB BF) at the very start of the input, as some Windows editors save
// it, is skipped; one alone is an empty input.
// A line held inside one block is handed out as a view into the block; only a line that crosses
// a block boundary is copied, into a carry buffer that grows to the longest such line. Memory is
// therefore one block plus the longest line, whatever the size of the input.
class LineReader {
 public:
  // `beforeWait` is called before a read that may have to wait for input (none is available at
  // once), so that output produced so far can be pushed out first.
  LineReader(std::istream& in, std::size_t blockSize, std::function<void()> beforeWait = {});

  // The next line, without its line end; valid until the next call of next() or take().
  // Returns false at the end of the input or after a read error.
  [[gnu::hot]] bool next(std::string_view& line);

  // Moves the line last returned by next() into `owner` (without copying it when it sits in
  // the carry buffer). The view that next() gave is no longer valid afterwards.
  void take(std::string& owner);

  // 1-based number of the line last returned by next().
  [[nodiscard]] std::uint64_t lineNumber() const noexcept { return lineNumber_; }

  // The read error that ended the input early, if any.
  [[nodiscard]] const std::error_code& error() const noexcept { return error_; }

 private:
  bool fill();
  bool handOut(std::string_view& line);

  std::istream& in_;
  std::size_t blockSize_;
  std::function<void()> beforeWait_;
  std::unique_ptr<char[]> block_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::string carry_;
  bool lineInCarry_ = false;
  std::string_view line_;
  std::uint64_t lineNumber_ = 0;
  bool atEnd_ = false;
  std::error_code error_;
};

}  // namespace vantrel::cli
