#include "shell/HeadlessWindow.h"

#include <gtest/gtest.h>

#include "shell/WindowDescription.h"
#include "text/GbkCodec.h"

namespace yanqi {
namespace {

TEST(HeadlessWindow, BoxesStartEmptyAndKeepTheirBytes) {
  HeadlessWindow window;
  EXPECT_EQ(window.GetText(Control::编辑框1), GbkText());
  const GbkText odd("a\rb\nc\x81");
  window.SetText(Control::编辑框1, odd);
  EXPECT_EQ(window.GetText(Control::编辑框1), odd);
  EXPECT_EQ(window.GetText(Control::编辑框2), GbkText()) << "other boxes untouched";
}

TEST(HeadlessWindow, AppendAddsNothingBetweenAndGetTextIsCachedUntilAChange) {
  HeadlessWindow window;
  window.AppendText(Control::编辑框2, {"one"});
  window.AppendText(Control::编辑框2, {"\r\n", GbkText(), "two"});
  const GbkText first = window.GetText(Control::编辑框2);
  EXPECT_EQ(first, GbkText("one\r\ntwo"));
  EXPECT_EQ(window.GetText(Control::编辑框2).Bytes().data(), first.Bytes().data()) << "served from the cache";
  window.AppendText(Control::编辑框2, {"!"});
  EXPECT_EQ(window.GetText(Control::编辑框2), GbkText("one\r\ntwo!"));
  EXPECT_EQ(first, GbkText("one\r\ntwo")) << "an earlier reading is a value of its own";
}

TEST(HeadlessWindow, ControlStates) {
  HeadlessWindow window;
  EXPECT_FALSE(window.IsDisabled(Control::加密));
  window.SetDisabled(Control::加密, true);
  EXPECT_TRUE(window.IsDisabled(Control::加密));
  EXPECT_FALSE(window.IsDisabled(Control::解密));

  EXPECT_EQ(window.Period(Control::时钟1), kClockPeriodMilliseconds);
  window.SetPeriod(Control::时钟1, -5);
  EXPECT_EQ(window.Period(Control::时钟1), 0);

  EXPECT_TRUE(window.BindDropTarget(Control::拖放对象1, window.NativeHandle(Control::编辑框1)));
  EXPECT_FALSE(window.BindDropTarget(Control::拖放对象1, 0)) << "bound at most once";

  window.SetCaption(Control::标签2, "x");
  EXPECT_EQ(window.Caption(Control::标签2), GbkText("x"));
}

TEST(HeadlessWindow, MessagesAreAnsweredWithOkAndRecorded) {
  HeadlessWindow window;
  EXPECT_EQ(window.ShowMessage("hello", kMessageExclamation), kMessageOk);
  window.ShowMessage("titled", kMessagePlain, GbkText("T"));
  ASSERT_EQ(window.Messages().size(), 2u);
  EXPECT_EQ(window.Messages()[0].title, Gbk(u8"信息："));
  EXPECT_EQ(window.Messages()[0].style, kMessageExclamation);
  EXPECT_EQ(window.Messages()[1].title, GbkText("T"));
}

TEST(WindowDescription, NamesMatchTheirControls) {
  EXPECT_EQ(Describe(Control::_生成序号).caption, u8"1-1000");
  EXPECT_EQ(Describe(Control::标签统计字数反馈).name, u8"标签统计字数反馈");
  int buttons = 0;
  for (const ControlDescription& control : WindowControls()) buttons += control.kind == ControlKind::Button;
  EXPECT_EQ(buttons, 25);
}

}  // namespace
}  // namespace yanqi
