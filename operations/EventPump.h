// Lets the window's pending events run now and then during a long operation,
// so that the window repaints, the clock ticks and clicks are served. The
// work goes in chunks; between chunks the events run (the window itself runs
// them at most every 10 ms). When the window has been closed meanwhile the
// pump throws WindowClosed, which the operation catches to end without
// touching any control.
#pragma once

#include <cstddef>

#include "shell/WindowModel.h"

namespace yanqi {

struct WindowClosed {};

class EventPump {
 public:
  // Bytes of work between two chances for the events to run: small enough to
  // be far below 10 ms, large enough that the call costs nothing.
  static constexpr std::size_t kChunk = std::size_t{1} << 16;

  explicit EventPump(WindowModel& window) : window_(window) {}

  // Runs the pending events; throws WindowClosed when the window is gone.
  void LetEventsRun() {
    if (!window_.LetEventsRun()) throw WindowClosed{};
  }

  // Calls work(begin, end) over [0, count) in chunks, letting events run after each.
  template <typename Work>
  void InChunks(std::size_t count, Work&& work) {
    for (std::size_t begin = 0; begin < count; begin += kChunk) {
      const std::size_t end = count - begin < kChunk ? count : begin + kChunk;
      work(begin, end);
      LetEventsRun();
    }
  }

 private:
  WindowModel& window_;
};

}  // namespace yanqi
