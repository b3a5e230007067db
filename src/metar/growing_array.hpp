#pragma once
// A growing array of plain values, for the few that each line or each translation keeps (where
// a line's groups begin, where each line ends). Appending is inline and one comparison long; the
// rare growth is out of line, so that the many places that append stay small.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>

namespace vantrel {

template <class T>
class GrowingArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  GrowingArray() = default;
  GrowingArray(const GrowingArray& other) { append(other.begin(), other.end()); }
  GrowingArray& operator=(const GrowingArray& other) {
    if (this != &other) {
      clear();
      append(other.begin(), other.end());
    }
    return *this;
  }
  GrowingArray(GrowingArray&&) noexcept = default;
  GrowingArray& operator=(GrowingArray&&) noexcept = default;
  ~GrowingArray() = default;

  void push_back(T value) {
    if (size_ == capacity_) [[unlikely]]
      grow(size_ + 1);
    data_[size_++] = value;
  }
  // Room for one more value, which the caller fills field by field: a struct filled on the stack
  // and copied whole would be read back wider than it was written, which stalls the processor.
  T& extend() {
    if (size_ == capacity_) [[unlikely]]
      grow(size_ + 1);
    return data_[size_++];
  }
  void append(const T* first, const T* last) {
    const auto n = static_cast<std::size_t>(last - first);
    if (n > capacity_ - size_) grow(size_ + n);
    std::copy(first, last, data_.get() + size_);
    size_ += n;
  }
  void clear() noexcept { size_ = 0; }

  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  T operator[](std::size_t i) const noexcept { return data_[i]; }
  const T* begin() const noexcept { return data_.get(); }
  const T* end() const noexcept { return data_.get() + size_; }

 private:
  [[gnu::noinline]] void grow(std::size_t atLeast) {
    std::size_t capacity = capacity_ < 16 ? 16 : capacity_ * 2;
    if (capacity < atLeast) capacity = atLeast;
    std::unique_ptr<T[]> data(new T[capacity]);
    std::copy(begin(), end(), data.get());
    data_ = std::move(data);
    capacity_ = capacity;
  }

  std::unique_ptr<T[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vantrel
