// The three values every operation is written over: GbkText (code page 936
// bytes without 0x00), ByteBlock (any bytes) and TextList (texts numbered
// from 1).
//
// Texts and blocks are immutable values over shared storage: copying one, or
// cutting a piece out of one, costs a reference count and never copies bytes.
// That keeps a 100 MB text split into millions of lines at one buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace yanqi {

// Immutable bytes shared between all values cut from the same buffer. The
// owner keeps the buffer alive: a string, a block read from a file, ...
class SharedBytes {
 public:
  SharedBytes() = default;
  explicit SharedBytes(std::string&& owned);
  SharedBytes(std::shared_ptr<const void> owner, std::string_view bytes);

  std::string_view View() const { return view_; }
  std::size_t Size() const { return view_.size(); }
  bool Empty() const { return view_.empty(); }
  // The bytes [offset, offset + count), sharing this storage; the range must lie inside.
  SharedBytes Sub(std::size_t offset, std::size_t count) const;

 private:
  std::shared_ptr<const void> owner_;
  std::string_view view_;
};

// A byte string in code page 936 that never holds 0x00. A default-constructed
// text is the one empty text.
class GbkText {
 public:
  GbkText() = default;
  // Copies the bytes up to, not including, the first 0x00 (as a C string would end there).
  GbkText(std::string_view bytes);  // NOLINT(google-explicit-constructor): literals are texts
  GbkText(const char* bytes) : GbkText(std::string_view(bytes)) {}  // NOLINT
  // Takes the string over, cut at its first 0x00 byte.
  static GbkText FromOwned(std::string&& bytes);
  // The shared bytes up to their first 0x00, without a copy.
  static GbkText FromShared(const SharedBytes& bytes);

  std::string_view Bytes() const { return bytes_.View(); }
  const SharedBytes& Shared() const { return bytes_; }
  std::size_t Size() const { return bytes_.Size(); }
  bool Empty() const { return bytes_.Empty(); }
  // The bytes [offset, offset + count) as a text sharing this one's storage.
  GbkText Sub(std::size_t offset, std::size_t count) const;

  friend bool operator==(const GbkText& a, const GbkText& b) { return a.Bytes() == b.Bytes(); }

 private:
  explicit GbkText(SharedBytes bytes) : bytes_(std::move(bytes)) {}
  SharedBytes bytes_;
};

// A counted run of bytes of any value, 0x00 included. Default-constructed: the one empty block.
class ByteBlock {
 public:
  ByteBlock() = default;
  explicit ByteBlock(std::string_view bytes) : bytes_(std::string(bytes)) {}
  explicit ByteBlock(SharedBytes bytes) : bytes_(std::move(bytes)) {}
  static ByteBlock FromOwned(std::string&& bytes) { return ByteBlock(SharedBytes(std::move(bytes))); }

  std::string_view Bytes() const { return bytes_.View(); }
  const SharedBytes& Shared() const { return bytes_; }
  std::size_t Size() const { return bytes_.Size(); }
  bool Empty() const { return bytes_.Empty(); }

  friend bool operator==(const ByteBlock& a, const ByteBlock& b) { return a.Bytes() == b.Bytes(); }

 private:
  SharedBytes bytes_;
};

// An ordered list of texts numbered from 1. An element number outside 1 to
// Count() is a fatal error of the program, as on the original platform.
class TextList {
 public:
  TextList() = default;
  explicit TextList(std::vector<GbkText> elements) : elements_(std::move(elements)) {}

  std::int32_t Count() const { return static_cast<std::int32_t>(elements_.size()); }
  const GbkText& At(std::int32_t number) const;
  void Set(std::int32_t number, GbkText text);
  // Exchanges two elements, as two Set calls would, without copying either.
  void Exchange(std::int32_t first, std::int32_t second);

  // Zero-based access for loops that already know their bounds.
  const std::vector<GbkText>& Elements() const { return elements_; }

 private:
  void CheckNumber(std::int32_t number) const;
  std::vector<GbkText> elements_;
};

}  // namespace yanqi
