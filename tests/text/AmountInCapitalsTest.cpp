#include "text/AmountInCapitals.h"

#include <gtest/gtest.h>

#include <limits>

#include "text/GbkCodec.h"

namespace yanqi {
namespace {

TEST(AmountInCapitals, EveryRowOfTheTable) {
  const std::pair<double, const char8_t*> rows[] = {
      {0, u8"零"},
      {0.004, u8"零"},
      {-0.001, u8"零"},
      {0.005, u8"壹分"},
      {0.05, u8"伍分"},
      {0.1, u8"壹角整"},
      {0.5, u8"伍角整"},
      {0.55, u8"伍角伍分"},
      {1, u8"壹元整"},
      {1.005, u8"壹元零壹分"},
      {1.01, u8"壹元零壹分"},
      {1.5, u8"壹元伍角整"},
      {2.675, u8"贰元陆角捌分"},
      {10, u8"壹拾元整"},
      {10.05, u8"壹拾元零伍分"},
      {10.5, u8"壹拾元零伍角整"},
      {12.3, u8"壹拾贰元叁角整"},
      {100.1, u8"壹佰元零壹角整"},
      {101, u8"壹佰零壹元整"},
      {3000.07, u8"叁仟元零柒分"},
      {100000, u8"壹拾万元整"},
      {100001, u8"壹拾万零壹元整"},
      {1000000, u8"壹佰万元整"},
      {10000100, u8"壹仟万零壹佰元整"},
      {60000070, u8"陆仟万零柒拾元整"},
      {100000000, u8"壹亿元整"},
      {100000001, u8"壹亿零壹元整"},
      {100010000, u8"壹亿零壹万元整"},
      {100000000.01, u8"壹亿元零壹分"},
      {123456789.12, u8"壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分"},
      {808080808.08, u8"捌亿零捌佰零捌万零捌佰零捌元零捌分"},
      {1000000000000, u8"壹万亿元整"},
      {1000100000000, u8"壹万零壹亿元整"},
      {9999999999999.99, u8"玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
      {10000000000000, u8"溢出"},
      {-10000000000000, u8"溢出"},
      {-3.5, u8"负叁元伍角整"},
      {std::numeric_limits<double>::infinity(), u8"溢出"},
      {-std::numeric_limits<double>::infinity(), u8"溢出"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(AmountInCapitals(value, false), Gbk(text)) << value;
}

TEST(AmountInCapitals, EverydayNumerals) {
  EXPECT_EQ(AmountInCapitals(123.45, true), Gbk(u8"一百二十三元四角五分"));
  EXPECT_EQ(AmountInCapitals(10, true), Gbk(u8"一十元整"));
}

}  // namespace
}  // namespace yanqi
