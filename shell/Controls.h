// The controls of the main window, by the names of the window description.
#pragma once

#include <cstddef>

namespace yanqi {

enum class ControlKind { EditBox, Button, Label, Timer, CommonDlg, DropTarget };

// In the order of the window description, rows from top to bottom.
enum class Control {
  编辑框1,  // the source box
  编辑框2,  // the result box
  _按钮读取,
  _除重复文本,
  _复制,
  _粘贴,
  _保存,
  _清空,
  _打乱段落,
  _打开文档目录,
  _打开文件,
  _去尾部行,
  _去空格,
  _去空行,
  _过滤字符,
  _生成序号,
  朗读文本,
  _行数,
  _按钮字数统计,
  _序号,
  _小到大,
  _简转繁,
  _繁转简,
  _金额大写,
  加密,
  解密,
  替换,
  编辑框3,  // the find box
  标签1,
  编辑框4,  // the replacement box
  标签统计字数反馈,  // the statistics label
  标签2,             // the clock label
  时钟1,
  通用对话框1,  // the save dialog
  通用对话框2,  // the open dialog
  拖放对象1,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::拖放对象1) + 1;

inline constexpr std::size_t IndexOf(Control control) { return static_cast<std::size_t>(control); }

}  // namespace yanqi
