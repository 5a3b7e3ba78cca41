// Builds the two simplified/traditional conversion tables from OpenCC's
// character dictionaries (as text: key<TAB>first-choice other…).
//
//   conversion-tables ST.txt TS.txt OUT_DIR
//
// For every two-byte code of the table (lead 0x81-0xFE, trail 0x40-0x7E and
// 0x80-0xFE) the code is decoded as code page 936 and the dictionary's first
// choice for that one character is kept when it is one character that
// encodes back to a two-byte code; every other entry is the code itself.
// Then the fixed rows (the telling characters and the symbols) are set.
// Writes simplified-to-traditional.bin and traditional-to-simplified.bin,
// 126 x 190 entries of two bytes each.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "text/GbkCodec.h"

namespace {

using yanqi::DecodeGbk;
using yanqi::EncodeGbk;

constexpr int kRows = 126;
constexpr int kColumns = 190;

int TrailOfColumn(int column) { return column < 63 ? 0x40 + column : 0x41 + column; }

std::u16string FromUtf8(const std::string& utf8) {
  return DecodeGbk(yanqi::ConvertToGbk(utf8, "UTF-8"));
}

// key -> first choice, both as UTF-16.
std::map<std::u16string, std::u16string> ReadDictionary(const char* path) {
  std::map<std::u16string, std::u16string> firstChoices;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    std::string values = line.substr(tab + 1);
    const std::size_t space = values.find(' ');
    firstChoices[FromUtf8(line.substr(0, tab))] = FromUtf8(values.substr(0, space));
  }
  return firstChoices;
}

struct FixedRow {
  const char8_t* from;
  const char8_t* to;
};

// The rows the tables must hold whatever the dictionaries say.
const FixedRow kToTraditional[] = {
    {u8"国", u8"國"}, {u8"发", u8"發"}, {u8"后", u8"後"}, {u8"干", u8"乾"}, {u8"里", u8"裡"}, {u8"台", u8"臺"},
    {u8"才", u8"纔"}, {u8"并", u8"並"}, {u8"于", u8"於"}, {u8"着", u8"著"},
    {u8"國", u8"國"}, {u8"發", u8"發"}, {u8"髮", u8"髮"}, {u8"後", u8"後"}, {u8"乾", u8"乾"}, {u8"幹", u8"幹"},
    {u8"裏", u8"裏"}, {u8"颱", u8"颱"}, {u8"著", u8"著"}, {u8"麵", u8"麵"}, {u8"隻", u8"隻"},
    {u8"面", u8"面"}, {u8"只", u8"只"}, {u8"繁", u8"繁"},
    {u8"“", u8"『"}, {u8"”", u8"』"}, {u8"‘", u8"「"}, {u8"’", u8"」"},
    {u8"『", u8"『"}, {u8"「", u8"「"}, {u8"〔", u8"〔"}, {u8"〕", u8"〕"}, {u8"﹐", u8"﹐"}, {u8"﹒", u8"﹒"},
};
const FixedRow kToSimplified[] = {
    {u8"国", u8"国"}, {u8"國", u8"国"}, {u8"发", u8"发"}, {u8"發", u8"发"}, {u8"髮", u8"发"}, {u8"后", u8"后"},
    {u8"後", u8"后"}, {u8"干", u8"干"}, {u8"乾", u8"干"}, {u8"幹", u8"干"}, {u8"里", u8"里"}, {u8"裏", u8"里"},
    {u8"台", u8"台"}, {u8"颱", u8"台"}, {u8"才", u8"才"}, {u8"并", u8"并"}, {u8"于", u8"于"}, {u8"着", u8"着"},
    {u8"著", u8"着"}, {u8"麵", u8"面"}, {u8"隻", u8"只"}, {u8"面", u8"面"}, {u8"只", u8"只"}, {u8"繁", u8"繁"},
    {u8"“", u8"“"}, {u8"”", u8"”"}, {u8"‘", u8"‘"}, {u8"’", u8"’"},
    {u8"『", u8"“"}, {u8"』", u8"”"}, {u8"「", u8"‘"}, {u8"」", u8"’"}, {u8"〔", u8"［"}, {u8"〕", u8"］"},
    {u8"﹐", u8"，"}, {u8"﹑", u8"、"}, {u8"﹒", u8"。"}, {u8"﹔", u8"；"}, {u8"﹕", u8"："}, {u8"﹖", u8"？"}, {u8"﹗", u8"！"},
};

std::string Gbk(const char8_t* utf8) { return std::string(yanqi::Gbk(utf8).Bytes()); }

std::vector<unsigned char> BuildTable(const std::map<std::u16string, std::u16string>& dictionary,
                                      const FixedRow* fixed, std::size_t fixedCount, int* changed) {
  std::vector<unsigned char> table(kRows * kColumns * 2);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const std::string code{static_cast<char>(0x81 + row), static_cast<char>(TrailOfColumn(column))};
      std::string entry = code;
      const std::u16string character = DecodeGbk(code);
      const bool isCharacter = character.size() == 1 && !(character[0] >= 0xF700 && character[0] <= 0xF7FF);
      if (const auto found = dictionary.find(character); isCharacter && found != dictionary.end()) {
        const std::string encoded = EncodeGbk(found->second);
        const bool twoByteCode = encoded.size() == 2 && static_cast<unsigned char>(encoded[0]) >= 0x81 &&
                                 DecodeGbk(encoded) == found->second;
        if (found->second.size() == 1 && twoByteCode) entry = encoded;
      }
      table[(row * kColumns + column) * 2] = static_cast<unsigned char>(entry[0]);
      table[(row * kColumns + column) * 2 + 1] = static_cast<unsigned char>(entry[1]);
    }
  }
  for (std::size_t i = 0; i < fixedCount; ++i) {
    const std::string from = Gbk(fixed[i].from), to = Gbk(fixed[i].to);
    const int row = static_cast<unsigned char>(from[0]) - 0x81;
    const int trail = static_cast<unsigned char>(from[1]);
    const int column = trail < 0x80 ? trail - 0x40 : trail - 0x41;
    table[(row * kColumns + column) * 2] = static_cast<unsigned char>(to[0]);
    table[(row * kColumns + column) * 2 + 1] = static_cast<unsigned char>(to[1]);
  }
  *changed = 0;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const std::size_t at = static_cast<std::size_t>(row * kColumns + column) * 2;
      *changed += table[at] != 0x81 + row || table[at + 1] != TrailOfColumn(column);
    }
  }
  return table;
}

bool Write(const std::string& path, const std::vector<unsigned char>& table) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(table.data()), static_cast<std::streamsize>(table.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: conversion-tables ST.txt TS.txt OUT_DIR\n");
    return 2;
  }
  int changedToTraditional = 0, changedToSimplified = 0;
  const auto toTraditional = BuildTable(ReadDictionary(argv[1]), kToTraditional, std::size(kToTraditional),
                                        &changedToTraditional);
  const auto toSimplified = BuildTable(ReadDictionary(argv[2]), kToSimplified, std::size(kToSimplified),
                                       &changedToSimplified);
  const std::string folder = argv[3];
  if (!Write(folder + "/simplified-to-traditional.bin", toTraditional) ||
      !Write(folder + "/traditional-to-simplified.bin", toSimplified)) {
    std::perror(argv[3]);
    return 1;
  }
  std::printf("entries that differ from their code: %d simplified-to-traditional, %d traditional-to-simplified\n",
              changedToTraditional, changedToSimplified);
  return 0;
}
