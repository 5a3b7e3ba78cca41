#include "shell/qt/BoxMime.h"

#include "shell/qt/BoxText.h"

namespace yanqi {

QMimeData* MimeDataFromGbk(std::string_view bytes) {
  auto* data = new QMimeData;
  data->setData(kGbkMimeType, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  data->setText(ExternalTextFromGbk(bytes));
  return data;
}

std::optional<GbkText> GbkFromMimeData(const QMimeData& data) {
  if (data.hasFormat(kGbkMimeType)) {
    const QByteArray exact = data.data(kGbkMimeType);
    return GbkText(std::string_view(exact.constData(), static_cast<std::size_t>(exact.size())));
  }
  if (data.hasText()) return GbkText::FromOwned(GbkFromExternalText(data.text()));
  return std::nullopt;
}

}  // namespace yanqi
