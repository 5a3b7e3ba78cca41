// Throughput of the text primitives and the codec on a large GBK text.
// Run: build/release/bench/yanqi_text_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "bench/BenchText.h"
#include "shell/BoxDocument.h"
#include "text/GbkCodec.h"
#include "text/Rewriting.h"
#include "text/Search.h"

namespace yanqi {
namespace {

const GbkText& Text() {
  static const GbkText text(bench::GenerateBenchText(100u << 20));
  return text;
}

void Run(benchmark::State& state, auto&& body) {
  const GbkText& text = Text();
  for (auto _ : state) benchmark::DoNotOptimize(body(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.Size()));
}

void SplitLines(benchmark::State& state) { Run(state, [](const GbkText& t) { return SplitOn(t, "\r\n").Count(); }); }
void CountLines(benchmark::State& state) {
  Run(state, [](const GbkText& t) { return CountSplitElements(t, "\r\n"); });
}
void SubstituteBreaks(benchmark::State& state) {
  Run(state, [](const GbkText& t) { return Substitute(t, "\r\n\r\n", "\r\n", std::nullopt, std::nullopt, true); });
}
void IndexOfMissing(benchmark::State& state) {
  Run(state, [](const GbkText& t) { return IndexOf(t, "zzz", std::nullopt, false); });
}
void StripSpaces(benchmark::State& state) { Run(state, [](const GbkText& t) { return StripAllSpaces(t); }); }
void NarrowText(benchmark::State& state) { Run(state, [](const GbkText& t) { return Narrow(t); }); }
void TrimText(benchmark::State& state) { Run(state, [](const GbkText& t) { return TrimBoth(t); }); }
// What a large box does with a text it is given: index its lines.
void IndexBoxLines(benchmark::State& state) {
  Run(state, [](const GbkText& t) {
    BoxDocument document;
    document.SetText(t);
    return document.LineCount();
  });
}
void Decode(benchmark::State& state) { Run(state, [](const GbkText& t) { return DecodeGbk(t.Bytes()).size(); }); }
void Encode(benchmark::State& state) {
  const std::u16string unicode = DecodeGbk(Text().Bytes());
  for (auto _ : state) benchmark::DoNotOptimize(EncodeGbk(unicode));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().Size()));
}

BENCHMARK(SplitLines)->Unit(benchmark::kMillisecond);
BENCHMARK(CountLines)->Unit(benchmark::kMillisecond);
BENCHMARK(SubstituteBreaks)->Unit(benchmark::kMillisecond);
BENCHMARK(IndexOfMissing)->Unit(benchmark::kMillisecond);
BENCHMARK(StripSpaces)->Unit(benchmark::kMillisecond);
BENCHMARK(NarrowText)->Unit(benchmark::kMillisecond);
BENCHMARK(TrimText)->Unit(benchmark::kMillisecond);
BENCHMARK(IndexBoxLines)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(Encode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yanqi

BENCHMARK_MAIN();
