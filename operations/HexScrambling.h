// 加密 and 解密: a keyless, reversible scrambling of the source box into
// decimal digits. Three passes of writing every byte as two hexadecimal
// digits and reversing the whole; 解密 undoes them pass by pass.
#pragma once

#include <cstdint>
#include <string_view>

#include "operations/EventPump.h"
#include "shell/WindowModel.h"
#include "text/GbkText.h"

namespace yanqi {

// 加密: scrambles the source box; then only 解密 is enabled.
void Scramble(WindowModel& window);
// 解密: restores the source box; then only 加密 is enabled.
void Unscramble(WindowModel& window);

// The byte value as exactly two upper-case hexadecimal digits.
GbkText HexPair(std::int32_t value);
// Each byte as its HexPair, in order.
GbkText BytesToHexText(const ByteBlock& bytes, EventPump& pump);
// The bytes in reverse order (a two-byte character's bytes change places too).
GbkText ReverseBytes(const GbkText& text);
// Each two characters (the last alone when the length is odd) as the byte
// HexDigitsValue gives, its low 8 bits.
ByteBlock HexTextToBytes(const GbkText& text, EventPump& pump);
// One pass of 加密, ReverseBytes(BytesToHexText(bytes)), written in one loop
// from the back: 2 × bytes.size() characters go to `out`.
void WriteScramblePass(std::string_view bytes, char* out, EventPump& pump);
// One pass of 解密, BytesToText(HexTextToBytes(ReverseBytes(digits))), in one
// loop: the bytes go to `out` (room for half the digits, rounded up) and the
// length before the first 0x00 is returned.
std::size_t WriteUnscramblePass(std::string_view digits, char* out, EventPump& pump);

// The value of one or two hexadecimal digits, a-f read as A-F; a character
// that is no digit counts as -2 in its place ("ZZ" gives -34).
std::int32_t HexDigitsValue(const GbkText& digits);

}  // namespace yanqi
