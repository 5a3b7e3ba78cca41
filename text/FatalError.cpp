#include "text/FatalError.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

void PrintReportToStandardError(const FatalError& error) {
  const GbkText report = FatalErrorReport(error);
  std::fwrite(report.Bytes().data(), 1, report.Size(), stderr);
  std::fflush(stderr);
}

FatalErrorHandler& InstalledHandler() {
  static FatalErrorHandler handler = PrintReportToStandardError;
  return handler;
}

}  // namespace

GbkText FatalErrorReport(const FatalError& error) {
  GbkText report = Gbk(u8"运行时出错!\r\n\r\n");
  if (error.code) {
    report = Concat(report, Gbk(u8"错误代码："), std::to_string(*error.code), "\r\n\r\n");
  }
  if (!error.message.Empty()) {
    report = Concat(report, Gbk(u8"错误信息："), error.message, "\r\n");
  }
  return report;
}

GbkText FatalErrorCaption() { return Gbk(u8"错误"); }

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) {
  FatalErrorHandler previous = std::move(InstalledHandler());
  InstalledHandler() = handler ? std::move(handler) : PrintReportToStandardError;
  return previous;
}

void RaiseFatalError(const FatalError& error) {
  InstalledHandler()(error);
  std::_Exit(kFatalExitCode);  // a handler that returns still ends the program
}

void RaiseOutOfMemory(std::size_t bytes) {
  // The message's number is formatted before the message is looked up, so a
  // failure of a huge request still leaves room for the small report.
  const std::string size = std::to_string(bytes);
  RaiseFatalError({std::nullopt, Concat(Gbk(u8"分配 "), size, Gbk(u8" 字节内存失败!"))});
}

}  // namespace yanqi
