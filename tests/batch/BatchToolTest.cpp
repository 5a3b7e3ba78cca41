// yanqi-batch run as a user runs it: a process with arguments, files and
// standard streams, judged by its exit status and its output bytes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "tests/TemporaryFolderTest.h"
#include "tests/TestBytes.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode;
  std::string out;
  std::string err;
};

class BatchTool : public yanqi::test::TemporaryFolderTest {
 protected:
  std::string File(const std::string& name, const std::string& bytes) { return WriteFileAt(name, bytes); }

  // `command` is what follows the program's path, shell-quoted by the caller.
  Outcome Run(const std::string& command, const std::string& environment = "") {
    const fs::path out = folder_ / "stdout", err = folder_ / "stderr";
    const std::string line = environment + " '" YANQI_BATCH_PATH "' " + command + " >'" + out.string() +
                             "' 2>'" + err.string() + "'";
    const int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileAt(out), ReadFileAt(err)};
  }
};

using yanqi::test::HexBytes;

TEST_F(BatchTool, RefreshClockPrintsTheClockLabel) {
  const std::string args = "--clock-time 1714745109 --print clock RefreshClock";
  const Outcome gbk = Run(args, "TZ=Asia/Shanghai");
  EXPECT_EQ(gbk.exitCode, 0) << gbk.err;
  // 现在时间：2024年5月3日22时5分9秒 in code page 936
  EXPECT_EQ(gbk.out, HexBytes("CF D6 D4 DA CA B1 BC E4 A3 BA") + "2024" + HexBytes("C4 EA") + "5" +
                         HexBytes("D4 C2") + "3" + HexBytes("C8 D5") + "22" + HexBytes("CA B1") + "5" +
                         HexBytes("B7 D6") + "9" + HexBytes("C3 EB"));
  const Outcome utf8 = Run(args + " --encoding utf-8", "TZ=Asia/Shanghai");
  EXPECT_EQ(utf8.exitCode, 0) << utf8.err;
  EXPECT_EQ(utf8.out, "现在时间：2024年5月3日22时5分9秒");
}

TEST_F(BatchTool, BoxesComeFromFilesAndGoOutUnchanged) {
  const std::string bytes = HexBytes("61 D6 0D 0A 0D 80 FF 0A");
  const std::string source = File("source.txt", bytes + std::string(1, '\0') + "after zero");
  const Outcome printed = Run("--source '" + source + "' --print source ClearBoxes --print source");
  EXPECT_EQ(printed.exitCode, 0);
  EXPECT_EQ(printed.out, "") << "ClearBoxes emptied the box";
  const Outcome kept = Run("--result '" + source + "' --print result RefreshClock");
  EXPECT_EQ(kept.out, bytes) << "cut at the first 0x00, otherwise byte for byte";
  const Outcome piped = Run("--find - --print find RefreshClock < '" + source + "'");
  EXPECT_EQ(piped.out, bytes);
  const Outcome converted = Run("--replacement '" + File("u.txt", "中\n") + "' --encoding utf-8 --print replacement RefreshClock");
  EXPECT_EQ(converted.out, "中\n");
}

TEST_F(BatchTool, LineOperations) {
  const std::string source = File("lines.txt", "a\r\nb\r\nc\r\nd\r\ne\r\n");
  const Outcome shuffled = Run("--source '" + source + "' --tick-count 12345 ShuffleLines");
  EXPECT_EQ(shuffled.exitCode, 0) << shuffled.err;
  EXPECT_EQ(shuffled.out, "d\r\na\r\ne\r\nb\r\nc\r\n");
  EXPECT_EQ(Run("--source '" + source + "' --tick-count 12345 ShuffleLines").out, shuffled.out);

  const Outcome counted = Run("--source '" + source + "' --print messages CountLines CountLines");
  EXPECT_EQ(counted.out, HexBytes("B1 E0 BC AD BF F2 C0 EF D2 BB B9 B2 A3 BA") + "5" + HexBytes("D0 D0") + "\n" +
                             HexBytes("B1 E0 BC AD BF F2 C0 EF D2 BB B9 B2 A3 BA") + "5" + HexBytes("D0 D0") + "\n");

  // Operations run in order on the same window.
  const Outcome chained = Run("--source '" + File("dup.txt", "x\r\ny\r\nx") + "' RemoveDuplicateLines NumberLines"
                              " RemoveDuplicateLines --print result");
  EXPECT_EQ(chained.out, "x\r\ny\r\n1x\r\n2y\r\n3x\r\n");
}

TEST_F(BatchTool, ReadDocumentReadsTheFileTheSourceBoxNames) {
  const std::string content = HexBytes("D6 D0 0D 0A 81");
  const std::string path = File("content.txt", content);
  const Outcome read = Run("--source '" + File("path.txt", path) + "' --print source ReadDocument");
  EXPECT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, content);
  const Outcome missing = Run("--source '" + File("bad.txt", path + ".missing") + "' --print messages ReadDocument");
  EXPECT_EQ(missing.exitCode, 0);
  EXPECT_EQ(missing.out, HexBytes("CE DE B7 A8 B6 C1 C8 A1 CE C4 BC FE A3 BA") + path + ".missing\n");
  EXPECT_EQ(Run("SaveResult").exitCode, 2) << "the dialogs are not offered";
}

TEST_F(BatchTool, ScrambleSkipsADisabledButton) {
  const std::string source = File("abc.txt", "abc");
  EXPECT_EQ(Run("--source '" + source + "' --print source Scramble Scramble").out, "333333633323336333133363");
  EXPECT_EQ(Run("--source '" + source + "' --print buttons Scramble").out, "Scramble=disabled Unscramble=enabled\n");
  EXPECT_EQ(Run("--source '" + source + "' --print source Scramble Unscramble Unscramble").out, "abc");
  EXPECT_EQ(Run("--source '" + source + "' --print buttons Scramble Unscramble").out,
            "Scramble=enabled Unscramble=disabled\n");
}

TEST_F(BatchTool, ButtonStatesAndMessages) {
  const Outcome buttons = Run("--print buttons ClearBoxes");
  EXPECT_EQ(buttons.out, "Scramble=enabled Unscramble=enabled\n");
  const Outcome messages = Run("--print messages ClearBoxes");
  EXPECT_EQ(messages.exitCode, 0);
  EXPECT_EQ(messages.out, "");
}

TEST_F(BatchTool, UsageErrorsExitTwoWithOneLine) {
  const std::string folder = folder_.string();
  const std::string cases[] = {
      "",
      "--bogus ClearBoxes",
      "NoSuchOperation",
      "--print nothing ClearBoxes",
      "ClearBoxes --source",
      "--tick-count -1 ClearBoxes",
      "--tick-count 4294967296 ClearBoxes",
      "--clock-time soon ClearBoxes",
      "--source '" + folder + "/missing.txt' ClearBoxes",
      "--source '" + folder + "' ClearBoxes",
      "--source '" + File("plain.txt", "x") + "/child' ClearBoxes",
      "--encoding no-such-encoding ClearBoxes",
      "--source - --find - ClearBoxes",
  };
  for (const std::string& args : cases) {
    SCOPED_TRACE(args);
    const Outcome outcome = Run(args + " </dev/null");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
  }
}

TEST_F(BatchTool, UnreadableFileIsAUsageError) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string locked = File("locked.txt", "x");
  fs::permissions(locked, fs::perms::none);
  EXPECT_EQ(Run("--source '" + locked + "' ClearBoxes").exitCode, 2);
}

TEST_F(BatchTool, RunningOutOfMemoryIsTheFatalError) {
#if defined(YANQI_SANITIZE)
  GTEST_SKIP() << "the sanitizers need more address space than the limit leaves";
#endif
  // A scramble needs twelve times its text; the address space allows less.
  const std::string source = File("big.txt", std::string(32 << 20, 'a'));
  const Outcome outcome = Run("--source '" + source + "' Scramble", "ulimit -v 300000;");
  EXPECT_EQ(outcome.exitCode, 255);
  EXPECT_EQ(outcome.out, "");
  // 运行时出错! ... 错误信息：分配 N 字节内存失败!
  EXPECT_EQ(outcome.err.rfind(HexBytes("D4 CB D0 D0 CA B1 B3 F6 B4 ED 21 0D 0A 0D 0A") + HexBytes("B4 ED CE F3 D0 C5 CF A2 A3 BA") +
                                  HexBytes("B7 D6 C5 E4 20"), 0), 0u)
      << outcome.err;
}

TEST_F(BatchTool, HelpListsTheOperations) {
  const Outcome help = Run("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: yanqi-batch"), std::string::npos);
  EXPECT_NE(help.out.find("ClearBoxes"), std::string::npos);
  EXPECT_NE(help.out.find("RefreshClock"), std::string::npos);
}

}  // namespace
