#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace zq {

// A NUL-terminated text copy that the caller of a text read owns. It is either a copy of a
// non-empty text or no text at all; there is never an empty copy. Being move-only, a copy
// cannot be released twice, and it is released when it goes out of scope at the latest.
class OwnedText {
 public:
  OwnedText() noexcept = default;
  ~OwnedText();
  OwnedText(OwnedText&& other) noexcept;
  OwnedText& operator=(OwnedText&& other) noexcept;
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;

  // A copy of `bytes` with a terminating NUL, or no text when `bytes` is empty.
  static OwnedText copyOf(std::string_view bytes);

  // The bytes with their terminating NUL, or nullptr when there is no text.
  const char* get() const noexcept { return bytes_.get(); }
  char* data() noexcept { return bytes_.get(); }
  std::string_view view() const noexcept { return {bytes_.get(), size_}; }
  std::size_t size() const noexcept { return size_; }
  explicit operator bool() const noexcept { return bytes_ != nullptr; }

  // Drops the copy now.
  void reset() noexcept;

  // How many copies exist in the whole program right now; lets tests see leaks and the
  // moment a handler lets go of its copy.
  static long liveCopies() noexcept;

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace zq
