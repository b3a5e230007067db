#pragma once
// The buffer sentences are built in. A sentence is a handful of short fragments, so what counts
// is the cost of each append: one capacity check, no terminating zero, no zero-filling of room
// about to be overwritten, and short fragments copied inline instead of through a call.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>

namespace vantrel {

// Copies `n` bytes. Up to 32 bytes, the usual fragment or line, with two overlapping loads and
// stores of the widest size that fits, which the compiler keeps inline.
inline void copyBytes(char* out, const char* in, std::size_t n) noexcept {
  const auto copyTwo = [out, in, n](auto width) {
    char head[width], tail[width];
    std::memcpy(head, in, width);
    std::memcpy(tail, in + n - width, width);
    std::memcpy(out, head, width);
    std::memcpy(out + n - width, tail, width);
  };
  if (n > 32) {
    std::memcpy(out, in, n);
  } else if (n >= 16) {
    copyTwo(std::integral_constant<std::size_t, 16>{});
  } else if (n >= 8) {
    copyTwo(std::integral_constant<std::size_t, 8>{});
  } else if (n >= 4) {
    copyTwo(std::integral_constant<std::size_t, 4>{});
  } else if (n != 0) {
    // One, two or three bytes: the first, the middle and the last.
    out[0] = in[0];
    out[n / 2] = in[n / 2];
    out[n - 1] = in[n - 1];
  }
}

class TextBuffer {
 public:
  TextBuffer() = default;
  TextBuffer(const TextBuffer& other) { append(other.view()); }
  TextBuffer& operator=(const TextBuffer& other) {
    if (this != &other) assign(other.view());
    return *this;
  }
  TextBuffer(TextBuffer&& other) noexcept
      : data_(std::move(other.data_)),
        size_(std::exchange(other.size_, 0)),
        capacity_(std::exchange(other.capacity_, 0)) {}
  TextBuffer& operator=(TextBuffer&& other) noexcept {
    data_ = std::move(other.data_);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    return *this;
  }
  ~TextBuffer() = default;

  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  const char* data() const noexcept { return data_.get(); }
  char* data() noexcept { return data_.get(); }
  std::string_view view() const noexcept { return {data_.get(), size_}; }
  operator std::string_view() const noexcept { return view(); }  // NOLINT: used as text
  char operator[](std::size_t i) const noexcept { return data_[i]; }
  char& operator[](std::size_t i) noexcept { return data_[i]; }
  char back() const noexcept { return data_[size_ - 1]; }

  void clear() noexcept { size_ = 0; }
  // Keeps the first `n` bytes (n at most the size).
  void truncate(std::size_t n) noexcept { size_ = n < size_ ? n : size_; }
  void reserve(std::size_t n) {
    if (n > capacity_) grow(n);
  }

  // Makes room for `n` more bytes and returns where they go; the caller fills all of them.
  char* extend(std::size_t n) {
    if (n > capacity_ - size_) grow(size_ + n);
    char* const at = data_.get() + size_;
    size_ += n;
    return at;
  }
  void append(std::string_view text) {
    if (!text.empty()) copyBytes(extend(text.size()), text.data(), text.size());
  }
  void assign(std::string_view text) {
    clear();
    append(text);
  }
  TextBuffer& operator+=(std::string_view text) {
    append(text);
    return *this;
  }
  TextBuffer& operator+=(char c) {
    *extend(1) = c;
    return *this;
  }
  TextBuffer& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  void swap(TextBuffer& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
  }

  friend bool operator==(const TextBuffer& a, std::string_view b) noexcept { return a.view() == b; }

 private:
  void grow(std::size_t atLeast) {
    std::size_t capacity = capacity_ < 64 ? 64 : capacity_ * 2;
    if (capacity < atLeast) capacity = atLeast;
    std::unique_ptr<char[]> data(new char[capacity]);
    if (size_ != 0) std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
  }

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vantrel
