// The file, clipboard and launcher actions on the headless window, with a
// scripted dialog and a temporary folder.
#include "shell/FileActions.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "shell/BoxActions.h"
#include "shell/HeadlessWindow.h"
#include "shell/NativePaths.h"
#include "shell/Startup.h"
#include "tests/TemporaryFolderTest.h"
#include "tests/TestBytes.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

namespace fs = std::filesystem;

class FileActionsTest : public test::TemporaryFolderTest {
 protected:
  // A path in the temporary folder, as the boxes hold it.
  GbkText PathOf(const std::string& name) { return GbkText((folder_ / name).string()); }
  GbkText WriteFile(const std::string& name, const std::string& bytes) { return GbkText(WriteFileAt(name, bytes)); }
  std::string FileBytes(const std::string& name) { return ReadFileAt(folder_ / name); }
  static std::vector<GbkText> MessageTexts(const HeadlessWindow& window) {
    std::vector<GbkText> texts;
    for (const ShownMessage& message : window.Messages()) texts.push_back(message.text);
    return texts;
  }

  HeadlessWindow window_;
};

TEST_F(FileActionsTest, ReadDocumentReadsTheDroppedFile) {
  const GbkText path = WriteFile("one.txt", test::HexBytes("D6 D0 0D 0A 61 0D 62"));
  TakeDroppedPaths(window_, JoinDroppedPaths(std::vector<GbkText>{path}));
  ReadDocument(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), test::Hex("D6 D0 0D 0A 61 0D 62"));
  EXPECT_TRUE(window_.Messages().empty());
}

TEST_F(FileActionsTest, ReadDocumentKeepsTheBoxWhenNoFileCanBeRead) {
  const GbkText one = WriteFile("a.txt", "a"), two = WriteFile("b.txt", "b");
  const GbkText cases[] = {
      JoinDroppedPaths(std::vector<GbkText>{one, two}),  // two lines name no file
      PathOf("missing.txt"),
      GbkText(folder_.string()),  // a folder
      Concat(one, " "),           // a trailing blank is part of the path
      Concat(one, "/child"),
      GbkText(),
  };
  for (const GbkText& path : cases) {
    HeadlessWindow window;
    window.SetText(Control::编辑框1, path);
    ReadDocument(window);
    EXPECT_EQ(window.GetText(Control::编辑框1), path);
    EXPECT_EQ(MessageTexts(window), std::vector<GbkText>{Concat(Gbk(u8"无法读取文件："), path)});
    EXPECT_EQ(window.Messages()[0].style, kMessageExclamation);
  }
}

TEST_F(FileActionsTest, ReadDocumentTakesEmptyFilesAndStopsAtZero) {
  window_.SetText(Control::编辑框1, WriteFile("empty.txt", ""));
  ReadDocument(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText());
  window_.SetText(Control::编辑框1, WriteFile("zero.txt", std::string("ab\0cd", 5)));
  ReadDocument(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText("ab"));
  EXPECT_TRUE(window_.Messages().empty());
}

TEST_F(FileActionsTest, ReadDocumentFindsChinesePaths) {
  const GbkText path = Concat(GbkText(folder_.string()), Gbk(u8"/文件.txt"));
  std::ofstream(NativePath(path), std::ios::binary) << "x";
  window_.SetText(Control::编辑框1, path);
  ReadDocument(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText("x"));
}

TEST_F(FileActionsTest, SavedTextOpensAsTheSameBytes) {
  std::mt19937 random(3);
  std::string bytes(5000, ' ');
  for (char& c : bytes) c = static_cast<char>(1 + random() % 255);
  window_.SetText(Control::编辑框2, GbkText(bytes));
  window_.Platform().AnswerNextDialog(PathOf("saved.txt"));
  SaveResult(window_);
  EXPECT_EQ(FileBytes("saved.txt"), bytes);

  window_.Platform().AnswerNextDialog(PathOf("saved.txt"));
  OpenDocument(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText(bytes));
  EXPECT_TRUE(window_.Messages().empty());
}

TEST_F(FileActionsTest, SavingAnEmptyBoxLeavesAnEmptyFile) {
  WriteFile("old.txt", "old content");
  fs::permissions(folder_ / "old.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  window_.Platform().AnswerNextDialog(PathOf("old.txt"));
  SaveResult(window_);
  EXPECT_EQ(fs::file_size(folder_ / "old.txt"), 0u);
  EXPECT_EQ(fs::status(folder_ / "old.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
      << "the file keeps its permissions";
  EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), "old.txt") << "no temporary file is left";
}

TEST_F(FileActionsTest, SaveThatCannotOpenSaysSoAndWritesNothing) {
  const GbkText plain = WriteFile("plain.txt", "keep");
  const GbkText path = Concat(plain, "/child.txt");
  window_.SetText(Control::编辑框2, "new");
  window_.Platform().AnswerNextDialog(path);
  SaveResult(window_);
  EXPECT_EQ(MessageTexts(window_), std::vector<GbkText>{Concat(Gbk(u8"保存失败："), path)});
  EXPECT_EQ(FileBytes("plain.txt"), "keep");
}

TEST_F(FileActionsTest, SaveThatStopsPartWayLeavesTheOldFile) {
  WriteFile("big.txt", "the old content");
  window_.SetText(Control::编辑框2, GbkText(std::string(64 * 1024, 'x')));
  window_.Platform().AnswerNextDialog(PathOf("big.txt"));
  // A file-size limit makes the write stop part-way, as a full disk would.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  auto* previous = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &limited);
  SaveResult(window_);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  EXPECT_EQ(FileBytes("big.txt"), "the old content");
  EXPECT_EQ(MessageTexts(window_), std::vector<GbkText>{Concat(Gbk(u8"保存失败："), PathOf("big.txt"))});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1) << "no temporary file is left";
}

TEST_F(FileActionsTest, CancelledDialogsChangeNothing) {
  const GbkText first = WriteFile("first.txt", "first");
  window_.Platform().AnswerNextDialog(first);
  OpenDocument(window_);
  window_.SetText(Control::编辑框1, "typed since");
  window_.Platform().AnswerNextDialog(std::nullopt);
  OpenDocument(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText("typed since"));

  window_.SetText(Control::编辑框2, "saved");
  window_.Platform().AnswerNextDialog(PathOf("out.txt"));
  SaveResult(window_);
  window_.SetText(Control::编辑框2, "not saved");
  window_.Platform().AnswerNextDialog(std::nullopt);
  SaveResult(window_);
  EXPECT_EQ(FileBytes("out.txt"), "saved");

  HeadlessWindow fresh;  // cancelled before any choice
  fresh.SetText(Control::编辑框1, "mine");
  OpenDocument(fresh);
  SaveResult(fresh);
  EXPECT_EQ(fresh.GetText(Control::编辑框1), GbkText("mine"));
  EXPECT_EQ(fresh.Platform().DialogsShown(), 2);
  EXPECT_TRUE(fresh.Messages().empty());
}

TEST_F(FileActionsTest, EachDialogOffersItsOwnLastName) {
  const GbkText opened = WriteFile("opened.txt", "o");
  window_.Platform().AnswerNextDialog(opened);
  OpenDocument(window_);
  window_.Platform().AnswerNextDialog(PathOf("saved.txt"));
  SaveResult(window_);
  OpenDocument(window_);  // cancelled
  EXPECT_EQ(window_.Platform().LastOfferedName(), opened);
  SaveResult(window_);  // cancelled
  EXPECT_EQ(window_.Platform().LastOfferedName(), PathOf("saved.txt"));
}

TEST_F(FileActionsTest, CopyAndPasteKeepEveryByte) {
  std::string bytes;
  for (int byte = 1; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
  window_.SetText(Control::编辑框2, GbkText(bytes));
  CopyResult(window_);
  EXPECT_EQ(MessageTexts(window_), std::vector<GbkText>{Gbk(u8"已将结果复制至剪切板")});
  EXPECT_EQ(window_.Messages()[0].style, kMessagePlain);
  PasteSource(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText(bytes));

  window_.Platform().SetClipboard(std::nullopt);  // a picture, say
  PasteSource(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText(bytes)) << "no text leaves the box as it is";
  window_.Platform().SetClipboard(GbkText());
  PasteSource(window_);
  EXPECT_EQ(window_.GetText(Control::编辑框1), GbkText()) << "an empty text is a text";
}

TEST_F(FileActionsTest, LaunchersOnMissingTargetsReturnAtOnceWithoutAMessage) {
  const auto started = std::chrono::steady_clock::now();
  StartReader(window_);
  OpenDocumentFolder(window_);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(900));
  EXPECT_TRUE(window_.Messages().empty());
  EXPECT_EQ(SpeechProgramPath(), Gbk(u8"G:\\苇岸听风工具集合\\砚栖工具\\灵犀诵读\\灵犀诵读.exe"));
  EXPECT_EQ(window_.Platform().ShellAction(kShellOpen, DocumentFolderPath()), 2);
  EXPECT_GT(window_.Platform().ShellAction(kShellOpen, GbkText(folder_.string())), 32);
}

}  // namespace
}  // namespace yanqi
