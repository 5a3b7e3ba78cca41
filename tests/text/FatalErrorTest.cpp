#include "text/FatalError.h"

#include <gtest/gtest.h>

#include "text/GbkCodec.h"
#include "text/Numbers.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

struct Raised {
  FatalError error;
};

// Turns the fatal error into an exception for the length of a test.
class FatalErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetFatalErrorHandler([](const FatalError& error) { throw Raised{error}; });
  }
  void TearDown() override { SetFatalErrorHandler(previous_); }

  template <typename Action>
  static FatalError RaisedBy(Action&& action) {
    try {
      action();
    } catch (const Raised& raised) {
      return raised.error;
    }
    ADD_FAILURE() << "no fatal error";
    return {};
  }

 private:
  FatalErrorHandler previous_;
};

TEST_F(FatalErrorTest, ReportWithAndWithoutCode) {
  EXPECT_EQ(FatalErrorReport({4, Gbk(u8"消息")}),
            Gbk(u8"运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：消息\r\n"));
  EXPECT_EQ(FatalErrorReport({std::nullopt, Gbk(u8"消息")}), Gbk(u8"运行时出错!\r\n\r\n错误信息：消息\r\n"));
  EXPECT_EQ(FatalErrorReport({std::nullopt, {}}), Gbk(u8"运行时出错!\r\n\r\n"));
  EXPECT_EQ(FatalErrorCaption(), Gbk(u8"错误"));
}

TEST_F(FatalErrorTest, ListNumbersOutOfRange) {
  TextList list({"a", "b"});
  EXPECT_EQ(list.At(2), GbkText("b"));
  list.Set(1, "c");
  EXPECT_EQ(list.At(1), GbkText("c"));

  const FatalError below = RaisedBy([&] { list.At(0); });
  EXPECT_EQ(below.code, 4);
  EXPECT_EQ(below.message, Gbk(u8"数组成员引用下标必须大于等于1"));
  const FatalError above = RaisedBy([&] { list.Set(3, "x"); });
  EXPECT_EQ(above.code, 1);
  EXPECT_EQ(above.message, Gbk(u8"数组成员引用下标超出定义范围"));
}

TEST_F(FatalErrorTest, RemainderByZeroAndOutOfMemory) {
  const FatalError byZero = RaisedBy([] { Remainder(1, 0); });
  EXPECT_EQ(byZero.code, std::nullopt);
  EXPECT_EQ(byZero.message, Gbk(u8"不能求余数于零"));
  const FatalError outOfMemory = RaisedBy([] { RaiseOutOfMemory(123456789); });
  EXPECT_EQ(outOfMemory.message, Gbk(u8"分配 123456789 字节内存失败!"));
}

}  // namespace
}  // namespace yanqi
