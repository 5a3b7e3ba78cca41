#include "operations/LineTable.h"

#include <bit>
#include <cstring>

namespace yanqi {
namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t value) {
  value ^= value >> 32;
  value *= 0xD6E8FEB86659FD93ULL;
  value ^= value >> 32;
  return value;
}

std::size_t SlotCountFor(std::size_t keyCount) { return std::bit_ceil(std::max<std::size_t>(16, keyCount * 2)); }

}  // namespace

std::uint64_t HashBytes(std::string_view bytes) {
  std::uint64_t hash = bytes.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  std::uint64_t rest = 0;
  if (at < bytes.size()) std::memcpy(&rest, bytes.data() + at, bytes.size() - at);
  return Mix((hash ^ rest) * kMultiplier);
}

LineTable::LineTable(std::size_t expectedCount) : slots_(SlotCountFor(expectedCount)) {
  keys_.reserve(expectedCount);
}

std::size_t LineTable::FindSlot(std::string_view bytes, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const auto tag = static_cast<std::uint32_t>(hash >> 32);
  for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.keyNumber == 0) return at;
    if (slot.hashTag == tag && keys_[slot.keyNumber - 1].Bytes() == bytes) return at;
  }
}

bool LineTable::Add(const GbkText& text) { return Add(text, HashBytes(text.Bytes())); }

void LineTable::AddAll(std::span<const GbkText> texts) {
  constexpr std::size_t kAhead = 16;
  std::uint64_t hashes[kAhead];
  const std::size_t count = texts.size();
  for (std::size_t i = 0; i < std::min(kAhead, count); ++i) hashes[i] = HashBytes(texts[i].Bytes());
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t ahead = i + kAhead;
    const std::uint64_t hash = hashes[i % kAhead];
    if (ahead < count) {
      hashes[ahead % kAhead] = HashBytes(texts[ahead].Bytes());
      __builtin_prefetch(&slots_[hashes[ahead % kAhead] & (slots_.size() - 1)]);
    }
    Add(texts[i], hash);
  }
}

bool LineTable::Add(const GbkText& text, std::uint64_t hash) {
  const std::size_t at = FindSlot(text.Bytes(), hash);
  if (slots_[at].keyNumber != 0) return false;
  keys_.push_back(text);
  slots_[at] = {static_cast<std::uint32_t>(keys_.size()), static_cast<std::uint32_t>(hash >> 32)};
  if (keys_.size() * 2 > slots_.size()) Grow();
  return true;
}

void LineTable::Grow() {
  slots_.assign(SlotCountFor(keys_.size() * 2), Slot{});
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    const std::uint64_t hash = HashBytes(keys_[i].Bytes());
    slots_[FindSlot(keys_[i].Bytes(), hash)] = {static_cast<std::uint32_t>(i + 1),
                                                 static_cast<std::uint32_t>(hash >> 32)};
  }
}

}  // namespace yanqi
