#include "cli/line_reader.hpp"

#include <algorithm>
#include <cstring>
#include <ios>
#include <utility>

namespace vantrel::cli {
namespace {

// What a text editor may put before the first character of a UTF-8 file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t blockSize, std::function<void()> beforeWait)
    : in_(in),
      blockSize_(std::max<std::size_t>(blockSize, 1)),
      beforeWait_(std::move(beforeWait)),
      block_(std::make_unique<char[]>(blockSize_)) {}

bool LineReader::next(std::string_view& line) {
  if (lineInCarry_) {
    carry_.clear();
    lineInCarry_ = false;
  }
  for (;;) {
    if (begin_ < end_) {
      const char* const start = block_.get() + begin_;
      const std::size_t available = end_ - begin_;
      const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
      if (newline == nullptr) {
        carry_.append(start, available);
        begin_ = end_;
      } else {
        const auto length = static_cast<std::size_t>(newline - start);
        begin_ += length + 1;
        if (carry_.empty()) {
          line_ = std::string_view(start, length);
        } else {
          carry_.append(start, length);
          line_ = carry_;
          lineInCarry_ = true;
        }
        if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
        return handOut(line);
      }
    }
    if (!fill()) break;
  }
  // A byte-order mark alone is an empty input, not an empty line.
  if (carry_.empty() || (lineNumber_ == 0 && carry_ == kByteOrderMark)) return false;
  line_ = carry_;
  lineInCarry_ = true;
  return handOut(line);
}

// The byte-order mark at the very start of the input is not part of the first line.
bool LineReader::handOut(std::string_view& line) {
  if (++lineNumber_ == 1 && line_.starts_with(kByteOrderMark)) {
    line_.remove_prefix(kByteOrderMark.size());
  }
  line = line_;
  return true;
}

void LineReader::take(std::string& owner) {
  if (lineInCarry_) {
    // The line may start after a byte-order mark at the front of the carry buffer.
    const auto skipped = static_cast<std::size_t>(line_.data() - carry_.data());
    const std::size_t length = line_.size();
    owner.swap(carry_);
    owner.resize(skipped + length);
    owner.erase(0, skipped);
    carry_.clear();
    lineInCarry_ = false;
  } else {
    owner.assign(line_);
  }
  line_ = {};
}

// Reads what the stream has ready, up to one block, without waiting for a full block: a report
// piped in slowly is translated as soon as its line is complete.
bool LineReader::fill() {
  if (atEnd_) return false;
  begin_ = end_ = 0;
  try {
    std::streambuf* const buffer = in_.rdbuf();
    if (buffer == nullptr) {
      atEnd_ = true;
      return false;
    }
    std::streamsize ready = buffer->in_avail();
    if (ready == 0) {
      if (beforeWait_) beforeWait_();
      if (std::istream::traits_type::eq_int_type(buffer->sgetc(),
                                                 std::istream::traits_type::eof())) {
        atEnd_ = true;
        return false;
      }
      // At least the character sgetc() saw is there, even when the buffer cannot tell more.
      ready = std::max<std::streamsize>(buffer->in_avail(), 1);
    }
    if (ready < 0) {
      atEnd_ = true;
      return false;
    }
    const auto wanted =
        static_cast<std::streamsize>(std::min(static_cast<std::size_t>(ready), blockSize_));
    const std::streamsize got = buffer->sgetn(block_.get(), wanted);
    if (got <= 0) {
      atEnd_ = true;
      return false;
    }
    end_ = static_cast<std::size_t>(got);
    return true;
  } catch (const std::ios_base::failure& failure) {
    error_ = failure.code();
  }
  atEnd_ = true;
  return false;
}

}  // namespace vantrel::cli
