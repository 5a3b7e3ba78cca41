#include "text/GbkCodec.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <memory>

namespace yanqi {
namespace {

constexpr char16_t kLastEscapedByte = kEscapedByteBase + 0xFF;

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

bool IsDataError(UConverterCallbackReason reason) {
  return reason == UCNV_UNASSIGNED || reason == UCNV_ILLEGAL || reason == UCNV_IRREGULAR;
}

// Every byte of an undecodable sequence becomes U+F700 + the byte.
void EscapeUndecodableBytes(const void*, UConverterToUnicodeArgs* args, const char* bytes,
                            int32_t length, UConverterCallbackReason reason, UErrorCode* error) {
  if (!IsDataError(reason)) return;
  *error = U_ZERO_ERROR;
  for (int32_t i = 0; i < length && U_SUCCESS(*error); ++i) {
    const UChar escaped = static_cast<UChar>(kEscapedByteBase + static_cast<unsigned char>(bytes[i]));
    ucnv_cbToUWriteUChars(args, &escaped, 1, 0, error);
  }
}

// U+F701-U+F7FF become their byte again; anything else without a code becomes "?".
// U+F700 would stand for 0x00, which no text holds, so it is unrepresentable too.
void UnescapeBytesOrQuestionMark(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t,
                                 UChar32 codePoint, UConverterCallbackReason reason,
                                 UErrorCode* error) {
  if (!IsDataError(reason)) return;
  *error = U_ZERO_ERROR;
  const bool isEscape = codePoint > kEscapedByteBase && codePoint <= kLastEscapedByte;
  const char byte = isEscape ? static_cast<char>(codePoint - kEscapedByteBase) : '?';
  ucnv_cbFromUWriteBytes(args, &byte, 1, 0, error);
}

Converter Open(const std::string& name) {
  UErrorCode error = U_ZERO_ERROR;
  Converter converter(ucnv_open(name.c_str(), &error));
  if (U_FAILURE(error) || !converter) throw UnknownEncoding("unknown encoding: " + name);
  return converter;
}

Converter OpenLosslessGbk() {
  Converter converter = Open("windows-936-2000");
  UErrorCode error = U_ZERO_ERROR;
  ucnv_setToUCallBack(converter.get(), EscapeUndecodableBytes, nullptr, nullptr, nullptr, &error);
  ucnv_setFromUCallBack(converter.get(), UnescapeBytesOrQuestionMark, nullptr, nullptr, nullptr, &error);
  return converter;
}

// One converter per thread, opened once: opening costs more than converting a line.
UConverter* LosslessGbk() {
  thread_local Converter converter = OpenLosslessGbk();
  ucnv_reset(converter.get());
  return converter.get();
}

std::u16string Decode(UConverter* converter, std::string_view bytes) {
  // No encoding ICU offers needs more UTF-16 units than bytes, but one that did
  // would only make the loop below grow the buffer.
  std::u16string text(bytes.size() + 16, u'\0');
  const char* source = bytes.data();
  const char* const sourceEnd = bytes.data() + bytes.size();
  std::size_t written = 0;
  for (;;) {
    UChar* target = reinterpret_cast<UChar*>(text.data()) + written;
    UChar* const targetStart = target;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_toUnicode(converter, &target, reinterpret_cast<UChar*>(text.data()) + text.size(), &source,
                   sourceEnd, nullptr, true, &error);
    written += static_cast<std::size_t>(target - targetStart);
    if (error != U_BUFFER_OVERFLOW_ERROR) break;
    text.resize(text.size() * 2);
  }
  text.resize(written);
  return text;
}

std::string Encode(UConverter* converter, std::u16string_view text) {
  std::string bytes(text.size() * 2 + 16, '\0');
  const UChar* source = reinterpret_cast<const UChar*>(text.data());
  const UChar* const sourceEnd = source + text.size();
  std::size_t written = 0;
  for (;;) {
    char* target = bytes.data() + written;
    char* const targetStart = target;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, bytes.data() + bytes.size(), &source, sourceEnd, nullptr,
                     true, &error);
    written += static_cast<std::size_t>(target - targetStart);
    if (error != U_BUFFER_OVERFLOW_ERROR) break;
    bytes.resize(bytes.size() * 2);
  }
  bytes.resize(written);
  return bytes;
}

}  // namespace

std::u16string DecodeGbk(std::string_view gbk) { return Decode(LosslessGbk(), gbk); }

std::string EncodeGbk(std::u16string_view text) { return Encode(LosslessGbk(), text); }

GbkText Gbk(std::u8string_view utf8) {
  Converter fromUtf8 = Open("UTF-8");
  const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
  return GbkText::FromOwned(EncodeGbk(Decode(fromUtf8.get(), bytes)));
}

std::string ConvertToGbk(std::string_view bytes, const std::string& encoding) {
  Converter converter = Open(encoding);
  return EncodeGbk(Decode(converter.get(), bytes));
}

std::string ConvertFromGbk(std::string_view gbk, const std::string& encoding) {
  Converter converter = Open(encoding);
  return Encode(converter.get(), DecodeGbk(gbk));
}

}  // namespace yanqi
