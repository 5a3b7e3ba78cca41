#include <string>

#include "operations/CharacterOperations.h"
#include "text/ByteBuffer.h"
#include "text/Rewriting.h"
#include "text/Slicing.h"

namespace yanqi {

void RemoveSpaces(WindowModel& window) {
  window.SetText(Control::编辑框1, StripAllSpaces(window.GetText(Control::编辑框1)));
  window.SetText(Control::编辑框2, StripAllSpaces(window.GetText(Control::编辑框2)));
}

std::pair<GbkText, GbkText> PartitionByWidth(const GbkText& text) {
  const std::string_view bytes = text.Bytes();
  const std::size_t length = bytes.size();
  ByteBuffer single(length), twoByte(length + length / 2 + 2);
  char* singleOut = single.Data();
  char* twoByteOut = twoByte.Data();
  for (std::size_t at = 0; at < length;) {
    const unsigned char byte = static_cast<unsigned char>(bytes[at]);
    if (byte >= 0x81 && byte <= 0xFE) {  // the system's lead-byte test, as IsLeadByteAt
      *twoByteOut++ = bytes[at];
      if (at + 1 < length) *twoByteOut++ = bytes[at + 1];  // at the end, the lone lead byte alone
      at += 2;
      continue;
    }
    *singleOut++ = bytes[at];
    if (byte == '\r' && at + 1 < length && bytes[at + 1] == '\n') {  // a line break begins here
      *twoByteOut++ = '\r';
      *twoByteOut++ = '\n';
    }
    ++at;
  }
  single.SetSize(static_cast<std::size_t>(singleOut - single.Data()));
  twoByte.SetSize(static_cast<std::size_t>(twoByteOut - twoByte.Data()));
  return {GbkText::FromShared(std::move(single).Share()), GbkText::FromShared(std::move(twoByte).Share())};
}

void SeparateByWidth(WindowModel& window) {
  // Setting the result box leaves the source box as it was, so one
  // partition of the source text serves both boxes.
  const auto [singleByte, doubleByte] = PartitionByWidth(window.GetText(Control::编辑框1));
  window.SetText(Control::编辑框2, singleByte);
  window.SetText(Control::编辑框1, doubleByte);
}

}  // namespace yanqi
