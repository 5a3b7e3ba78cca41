// How a box's bytes travel through the clipboard: the exact bytes in a type
// of our own, for pasting into a box again, and Unicode text for other programs.
#pragma once

#include <QMimeData>
#include <optional>
#include <string_view>

#include "text/GbkText.h"

namespace yanqi {

// The MIME type that carries a selection's exact bytes between boxes.
inline constexpr char kGbkMimeType[] = "application/x-yanqi-gbk";

QMimeData* MimeDataFromGbk(std::string_view bytes);

// The bytes to insert for pasted data: the exact bytes when a box put them
// there, else the text as typed, cut at a 0x00 as any text is. Nothing when
// the data holds no text.
std::optional<GbkText> GbkFromMimeData(const QMimeData& data);

}  // namespace yanqi
