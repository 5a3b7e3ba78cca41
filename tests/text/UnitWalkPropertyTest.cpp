// The searching primitives skip ahead with memchr, memmem and a backward
// parity scan. These tests hold them to the plain byte-by-byte walk, written
// here straight from the rules, on random texts made of the bytes that
// matter: letters of both cases, CR, LF, space, and bytes that start units.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/TestBytes.h"
#include "text/Rewriting.h"
#include "text/Search.h"

namespace yanqi {
namespace {

bool Matches(std::string_view t, std::size_t at, std::string_view find, bool fold) {
  for (std::size_t i = 0; i < find.size(); ++i) {
    char a = t[at + i], b = find[i];
    if (fold) {
      if (a >= 'A' && a <= 'Z') a += 0x20;
      if (b >= 'A' && b <= 'Z') b += 0x20;
    }
    if (a != b) return false;
  }
  return true;
}

std::size_t UnitWidth(char c) { return static_cast<unsigned char>(c) >= 0x80 ? 2 : 1; }

std::int32_t WalkingIndexOf(std::string_view t, std::string_view sub, std::int32_t start, bool fold) {
  const std::size_t s = static_cast<std::size_t>(std::max(start - 1, 0));
  if (s >= t.size()) return -1;
  if (sub.empty()) return 1;
  for (std::size_t at = s; t.size() - at >= sub.size();) {
    if (Matches(t, at, sub, fold)) return static_cast<std::int32_t>(at + 1);
    if (UnitWidth(t[at]) == 2 && at + 1 == t.size()) return -1;
    at += UnitWidth(t[at]);
    if (at > t.size()) return -1;
  }
  return -1;
}

std::string WalkingSubstitute(std::string_view t, std::string_view find, std::string_view replacement,
                              std::int32_t start, bool fold) {
  const std::size_t s = static_cast<std::size_t>(std::max(start - 1, 0));
  if (t.empty() || find.empty() || s >= t.size()) return std::string(t);
  std::string result(t.substr(0, s));
  std::size_t at = s;
  while (at < t.size() && t.size() - at >= find.size()) {
    if (Matches(t, at, find, fold)) {
      result += replacement;
      at += find.size();
    } else if (UnitWidth(t[at]) == 2 && at + 1 == t.size()) {
      return result;  // a lone lead byte: not appended, the walk stops
    } else {
      result += t.substr(at, UnitWidth(t[at]));
      at += UnitWidth(t[at]);
    }
  }
  if (at < t.size()) result += t.substr(at);
  return result;
}

std::vector<GbkText> WalkingSplit(std::string_view t, std::string_view delimiter) {
  std::vector<GbkText> elements;
  std::size_t begin = 0, at = 0;
  while (at < t.size() && t.size() - at >= delimiter.size()) {
    if (Matches(t, at, delimiter, false)) {
      elements.emplace_back(t.substr(begin, at - begin));
      begin = at += delimiter.size();
    } else {
      at += UnitWidth(t[at]);
    }
  }
  if (begin < t.size()) elements.emplace_back(t.substr(begin));
  return elements;
}

TEST(UnitWalkProperty, FastSearchesAgreeWithTheWalk) {
  const std::string alphabet = "aAbB\r\n \x81\xA1\xD6\x80\xFF";
  std::mt19937 random(1);
  const auto randomText = [&](std::size_t maxLength) {
    std::string text(random() % (maxLength + 1), ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    return text;
  };
  // Long texts made of long runs, so that runs of high bytes cross the
  // 64-byte blocks of the fast scan at every parity.
  const auto randomRuns = [&] {
    std::string text;
    while (text.size() < 300) {
      const char c = alphabet[random() % alphabet.size()];
      text.append(1 + random() % 80, c);
      if (random() % 2) text += "\r\n";
    }
    return text;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string text = i % 4 == 3 ? randomRuns() : randomText(40);
    // Needles taken from the text itself match often; longer ones reach memmem.
    std::string find = randomText(3);
    if (i % 3 == 0 && !text.empty()) find = text.substr(random() % text.size(), 1 + random() % 12);
    const std::int32_t start = static_cast<std::int32_t>(random() % 8) - 2;
    const bool fold = random() % 2 == 0;
    const std::string context = test::ShowBytes(text) + " / " + test::ShowBytes(find);
    ASSERT_EQ(IndexOf(GbkText(text), GbkText(find), start, fold), WalkingIndexOf(text, find, start, fold))
        << context << " start " << start << " fold " << fold;
    ASSERT_EQ(Substitute(GbkText(text), GbkText(find), "<>", start, std::nullopt, !fold),
              GbkText(WalkingSubstitute(text, find, "<>", start, fold)))
        << context << " start " << start << " fold " << fold;
    if (!find.empty()) {
      const std::vector<GbkText> elements = WalkingSplit(text, find);
      ASSERT_EQ(SplitOn(GbkText(text), GbkText(find)).Elements(), elements) << context;
      ASSERT_EQ(CountSplitElements(GbkText(text), GbkText(find)), static_cast<std::int32_t>(elements.size()));
    }
  }
}

}  // namespace
}  // namespace yanqi
