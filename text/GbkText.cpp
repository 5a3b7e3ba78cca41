#include "text/GbkText.h"

#include <cassert>
#include <cstring>

#include "text/FatalError.h"
#include "text/GbkCodec.h"

namespace yanqi {

SharedBytes::SharedBytes(std::string&& owned) {
  if (owned.empty()) return;  // the empty value owns no storage
  auto storage = std::make_shared<const std::string>(std::move(owned));
  view_ = *storage;
  owner_ = std::move(storage);
}

SharedBytes::SharedBytes(std::shared_ptr<const void> owner, std::string_view bytes) : view_(bytes) {
  if (!bytes.empty()) owner_ = std::move(owner);
}

SharedBytes SharedBytes::Sub(std::size_t offset, std::size_t count) const {
  assert(offset <= view_.size() && count <= view_.size() - offset);
  SharedBytes piece;
  if (count == 0) return piece;
  piece.owner_ = owner_;
  piece.view_ = view_.substr(offset, count);
  return piece;
}

namespace {
std::size_t LengthBeforeZero(std::string_view bytes) {
  if (bytes.empty()) return 0;  // memchr must not see the null pointer of an empty view
  const void* zero = std::memchr(bytes.data(), 0, bytes.size());
  return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()) : bytes.size();
}
}  // namespace

GbkText::GbkText(std::string_view bytes)
    : bytes_(std::string(bytes.substr(0, LengthBeforeZero(bytes)))) {}

GbkText GbkText::FromOwned(std::string&& bytes) {
  bytes.resize(LengthBeforeZero(bytes));
  return GbkText(SharedBytes(std::move(bytes)));
}

GbkText GbkText::FromShared(const SharedBytes& bytes) {
  return GbkText(bytes.Sub(0, LengthBeforeZero(bytes.View())));
}

GbkText GbkText::Sub(std::size_t offset, std::size_t count) const {
  return GbkText(bytes_.Sub(offset, count));
}

void TextList::CheckNumber(std::int32_t number) const {
  if (number < 1) RaiseFatalError({4, Gbk(u8"数组成员引用下标必须大于等于1")});
  if (number > Count()) RaiseFatalError({1, Gbk(u8"数组成员引用下标超出定义范围")});
}

const GbkText& TextList::At(std::int32_t number) const {
  CheckNumber(number);
  return elements_[static_cast<std::size_t>(number) - 1];
}

void TextList::Set(std::int32_t number, GbkText text) {
  CheckNumber(number);
  elements_[static_cast<std::size_t>(number) - 1] = std::move(text);
}

void TextList::Exchange(std::int32_t first, std::int32_t second) {
  CheckNumber(first);
  CheckNumber(second);
  std::swap(elements_[static_cast<std::size_t>(first) - 1], elements_[static_cast<std::size_t>(second) - 1]);
}

}  // namespace yanqi
