// The buttons that move text between the boxes and files, the clipboard and
// other programs.
#pragma once

#include "shell/WindowModel.h"

namespace yanqi {

// 读取文档: reads the file named by the source box's whole text into it.
void ReadDocument(WindowModel& window);
// 打开文件: reads the file chosen in the open dialog into the source box.
void OpenDocument(WindowModel& window);
// 保存: writes the result box to the file chosen in the save dialog.
void SaveResult(WindowModel& window);
// 复制: puts the result box's text on the clipboard and says so.
void CopyResult(WindowModel& window);
// 粘贴: replaces the source box's text with the clipboard's.
void PasteSource(WindowModel& window);
// 打开文档目录: asks the shell to open the document folder.
void OpenDocumentFolder(WindowModel& window);
// 朗读文本: starts the speech program.
void StartReader(WindowModel& window);

// The two fixed paths, byte for byte.
GbkText DocumentFolderPath();
GbkText SpeechProgramPath();

}  // namespace yanqi
