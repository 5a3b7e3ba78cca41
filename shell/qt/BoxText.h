// How a box's bytes are held as a Qt document, losslessly.
//
// The bytes are decoded with the lossless code page 936 codec (undecodable
// bytes become U+F700 + byte). A CR LF pair becomes a paragraph break; a
// lone CR and a lone LF, which are ordinary characters in a box, become
// U+F70D and U+F70A by the same escape scheme, so that Qt never turns them
// into line breaks of its own. Reading back takes the document's raw text,
// where paragraph breaks are U+2029.
#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "text/GbkText.h"

namespace yanqi {

// The text for QPlainTextEdit::setPlainText or QTextCursor::insertText, where
// '\n' starts a new paragraph.
QString BoxTextFromGbk(std::string_view gbk);

// The bytes of a document's raw text (QTextDocument::toRawText or a cursor's
// selectedText), where U+2029 separates paragraphs.
std::string GbkFromBoxText(QStringView raw);

// Text for other programs (clipboard, drag): the decoded bytes, escapes of CR
// and LF included as the characters themselves.
QString ExternalTextFromGbk(std::string_view gbk);

// Unicode from the platform (a clipboard text, a file name) as code page 936,
// character for character: escapes come back as their bytes.
GbkText GbkFromUnicode(QStringView text);

// Text from other programs pasted into a box: every CR LF, lone CR and lone
// LF is a line break, as if typed with Enter.
std::string GbkFromExternalText(QStringView text);

inline constexpr char16_t kEscapedCarriageReturn = 0xF70D;
inline constexpr char16_t kEscapedLineFeed = 0xF70A;

// True for the characters that stand for a byte the box cannot show.
inline bool IsEscapedByte(char16_t c) { return c >= 0xF700 && c <= 0xF7FF; }

}  // namespace yanqi
