#include "shell/qt/BoxText.h"

#include "text/GbkCodec.h"

namespace yanqi {
namespace {

constexpr char16_t kParagraphSeparator = 0x2029;

std::u16string_view Utf16(QStringView text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString ToQString(const std::u16string& text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString BoxTextFromGbk(std::string_view gbk) {
  const std::u16string decoded = DecodeGbk(gbk);
  QString box(static_cast<qsizetype>(decoded.size()), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(box.data());
  char16_t* const begin = out;
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    const char16_t c = decoded[i];
    if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') {
      *out++ = u'\n';
      ++i;
    } else if (c == u'\r') {
      *out++ = kEscapedCarriageReturn;
    } else if (c == u'\n') {
      *out++ = kEscapedLineFeed;
    } else {
      *out++ = c;
    }
  }
  box.truncate(out - begin);
  return box;
}

std::string GbkFromBoxText(QStringView raw) {
  std::u16string text;
  text.reserve(static_cast<std::size_t>(raw.size()) + 64);
  for (const char16_t c : Utf16(raw)) {
    if (c == kParagraphSeparator) {
      text += u"\r\n";
    } else {
      text.push_back(c);
    }
  }
  return EncodeGbk(text);  // U+F70D and U+F70A come back as CR and LF here
}

QString ExternalTextFromGbk(std::string_view gbk) { return ToQString(DecodeGbk(gbk)); }

GbkText GbkFromUnicode(QStringView text) { return GbkText::FromOwned(EncodeGbk(Utf16(text))); }

std::string GbkFromExternalText(QStringView text) {
  std::u16string normalised;
  normalised.reserve(static_cast<std::size_t>(text.size()) + 64);
  const std::u16string_view utf16 = Utf16(text);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t c = utf16[i];
    if (c == u'\r' || c == u'\n' || c == kParagraphSeparator) {
      normalised += u"\r\n";
      if (c == u'\r' && i + 1 < utf16.size() && utf16[i + 1] == u'\n') ++i;
    } else {
      normalised.push_back(c);
    }
  }
  return EncodeGbk(normalised);
}

}  // namespace yanqi
