// The set of distinct lines behind 除重复文本: texts kept in the order they
// were first added, with a hash index beside them so that Add costs the same
// for the millionth line as for the first.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "text/GbkText.h"

namespace yanqi {

class LineTable {
 public:
  // Room for `expectedCount` texts before the index has to grow.
  explicit LineTable(std::size_t expectedCount = 0);

  // Stores the text unless an equal one (same bytes) is stored already;
  // true when it was stored.
  bool Add(const GbkText& text);

  // Add for each text in order. On long lists the index's memory is asked for
  // a few texts ahead, so that waiting for it overlaps with the work.
  void AddAll(std::span<const GbkText> texts);

  // The stored texts in the order they were first added.
  const std::vector<GbkText>& Keys() const { return keys_; }

 private:
  struct Slot {
    std::uint32_t keyNumber = 0;  // index in keys_ + 1; 0 marks an empty slot
    std::uint32_t hashTag = 0;    // high bits of the hash, checked before the bytes
  };

  bool Add(const GbkText& text, std::uint64_t hash);
  void Grow();
  std::size_t FindSlot(std::string_view bytes, std::uint64_t hash) const;

  std::vector<GbkText> keys_;
  std::vector<Slot> slots_;  // a power of two in size, at most half full
};

// A 64-bit hash of the bytes, eight at a time.
std::uint64_t HashBytes(std::string_view bytes);

}  // namespace yanqi
