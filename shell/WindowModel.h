// The window model: the only way an operation reads or changes a control.
// The Qt window and the headless window implement it, so every operation is
// written once and runs, and is tested, on both.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "shell/Controls.h"
#include "shell/Facilities.h"
#include "text/GbkText.h"

namespace yanqi {

// Message box styles used by the operations.
inline constexpr int kMessagePlain = 0;        // an OK button, no icon
inline constexpr int kMessageExclamation = 48;  // an OK button and the exclamation icon
inline constexpr int kMessageOk = 0;           // the result when OK closed the box

class WindowModel {
 public:
  virtual ~WindowModel() = default;

  // The edit box's text as code page 936 bytes, lines separated by CR LF.
  // Cheap on a box that has not changed since the last call.
  virtual GbkText GetText(Control box) = 0;
  // Replaces the whole text; the caret goes to the start.
  virtual void SetText(Control box, const GbkText& text) = 0;
  // Inserts each text in turn at the end of the box, with nothing in between;
  // not recorded for undo; the caret ends after the last one.
  virtual void AppendText(Control box, std::span<const GbkText> texts) = 0;
  void AppendText(Control box, std::initializer_list<GbkText> texts) {
    AppendText(box, std::span<const GbkText>(texts.begin(), texts.size()));
  }

  virtual void SetCaption(Control label, const GbkText& caption) = 0;
  virtual void SetDisabled(Control button, bool disabled) = 0;
  virtual void SetMultiLine(Control box, bool multiLine) = 0;
  // A negative period counts as 0, which stops the timer.
  virtual void SetPeriod(Control timer, std::int32_t milliseconds) = 0;
  // The native window's handle, or 0 when the control has none.
  virtual std::int32_t NativeHandle(Control control) = 0;
  // Binds the drop target to a native window, once; false on a second call or when refused.
  virtual bool BindDropTarget(Control dropTarget, std::int32_t nativeHandle) = 0;

  // A modal message box; the title defaults to "信息：". Returns the button pressed.
  virtual int ShowMessage(const GbkText& text, int style, std::optional<GbkText> title = std::nullopt) = 0;

  // Runs the pending window events, nested clicks included. Returns false
  // when the window was closed meanwhile: the caller must then stop without
  // touching any control.
  [[nodiscard]] virtual bool LetEventsRun() = 0;

  // Files, clipboard, dialogs and launchers, as this window reaches them.
  virtual Facilities& Platform() = 0;
};

// "信息：", the title of a message box that names none.
GbkText DefaultMessageTitle();

}  // namespace yanqi
