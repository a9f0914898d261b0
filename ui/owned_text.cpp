#include "ui/owned_text.h"

#include <cstring>
#include <utility>

namespace zq {
namespace {
// The program has one thread; no synchronisation is needed.
long gLiveCopies = 0;
}  // namespace

OwnedText::~OwnedText() {
  reset();
}

OwnedText::OwnedText(OwnedText&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)) {}

OwnedText& OwnedText::operator=(OwnedText&& other) noexcept {
  if (this != &other) {
    reset();
    bytes_ = std::move(other.bytes_);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

OwnedText OwnedText::copyOf(std::string_view bytes) {
  OwnedText text;
  if (bytes.empty()) {
    return text;
  }
  text.bytes_ = std::make_unique<char[]>(bytes.size() + 1);
  std::memcpy(text.bytes_.get(), bytes.data(), bytes.size());
  text.bytes_[bytes.size()] = '\0';
  text.size_ = bytes.size();
  ++gLiveCopies;
  return text;
}

void OwnedText::reset() noexcept {
  if (bytes_) {
    bytes_.reset();
    size_ = 0;
    --gLiveCopies;
  }
}

long OwnedText::liveCopies() noexcept {
  return gLiveCopies;
}

}  // namespace zq
