#include "shell/WindowDescription.h"

namespace yanqi {
namespace {

using enum ControlKind;
using C = Control;

constexpr std::array<ControlDescription, kControlCount> kControls = {{
    {C::编辑框1, EditBox, u8"编辑框1", 8, 8, 520, 360, u8""},
    {C::编辑框2, EditBox, u8"编辑框2", 528, 8, 520, 360, u8""},
    {C::_按钮读取, Button, u8"_按钮读取", 8, 376, 80, 32, u8"读取文档"},
    {C::_除重复文本, Button, u8"_除重复文本", 88, 376, 80, 32, u8"除重复文本"},
    {C::_复制, Button, u8"_复制", 168, 376, 40, 32, u8"复制"},
    {C::_粘贴, Button, u8"_粘贴", 208, 376, 40, 32, u8"粘贴"},
    {C::_保存, Button, u8"_保存", 248, 376, 40, 32, u8"保存"},
    {C::_清空, Button, u8"_清空", 288, 376, 40, 32, u8"清空"},
    {C::_打乱段落, Button, u8"_打乱段落", 328, 376, 80, 32, u8"打乱段落"},
    {C::_打开文档目录, Button, u8"_打开文档目录", 408, 376, 80, 32, u8"打开文档目录"},
    {C::_打开文件, Button, u8"_打开文件", 488, 376, 80, 32, u8"打开文件"},
    {C::_去尾部行, Button, u8"_去尾部行", 568, 376, 80, 32, u8"去尾部行"},
    {C::_去空格, Button, u8"_去空格", 648, 376, 80, 32, u8"去空格"},
    {C::_去空行, Button, u8"_去空行", 728, 376, 64, 32, u8"去空行"},
    {C::_过滤字符, Button, u8"_过滤字符", 792, 376, 80, 32, u8"过滤字符"},
    {C::_生成序号, Button, u8"_生成序号", 872, 376, 72, 32, u8"1-1000"},
    {C::朗读文本, Button, u8"朗读文本", 944, 376, 80, 32, u8"朗读文本"},
    {C::_行数, Button, u8"_行数", 8, 416, 40, 32, u8"行数"},
    {C::_按钮字数统计, Button, u8"_按钮字数统计", 48, 416, 40, 32, u8"字数"},
    {C::_序号, Button, u8"_序号", 88, 416, 40, 32, u8"序号"},
    {C::_小到大, Button, u8"_小到大", 128, 416, 40, 32, u8"小到大"},
    {C::_简转繁, Button, u8"_简转繁", 168, 416, 40, 32, u8"简转繁"},
    {C::_繁转简, Button, u8"_繁转简", 208, 416, 40, 32, u8"繁转简"},
    {C::_金额大写, Button, u8"_金额大写", 248, 416, 80, 32, u8"金额大写"},
    {C::加密, Button, u8"加密", 328, 416, 40, 32, u8"加密"},
    {C::解密, Button, u8"解密", 368, 416, 40, 32, u8"解密"},
    {C::替换, Button, u8"替换", 408, 416, 48, 32, u8"替换"},
    {C::编辑框3, EditBox, u8"编辑框3", 464, 416, 80, 40, u8""},
    {C::标签1, Label, u8"标签1", 552, 424, 40, 24, u8"替换为"},
    {C::编辑框4, EditBox, u8"编辑框4", 600, 416, 80, 40, u8""},
    {C::标签统计字数反馈, Label, u8"标签统计字数反馈", 0, 576, 664, 40, u8""},
    {C::标签2, Label, u8"标签2", 824, 584, 232, 32, u8""},
    {C::时钟1, Timer, u8"时钟1", 0, 0, 0, 0, u8""},
    {C::通用对话框1, CommonDlg, u8"通用对话框1", 0, 0, 0, 0, u8""},
    {C::通用对话框2, CommonDlg, u8"通用对话框2", 0, 0, 0, 0, u8""},
    {C::拖放对象1, DropTarget, u8"拖放对象1", 0, 0, 0, 0, u8""},
}};

constexpr bool RowsFollowTheEnumeration() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (IndexOf(kControls[i].control) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheEnumeration(), "one row per control, in the order of Control");

}  // namespace

const std::array<ControlDescription, kControlCount>& WindowControls() { return kControls; }

const ControlDescription& Describe(Control control) { return kControls[IndexOf(control)]; }

}  // namespace yanqi
