// yanqi-bench-text SIZE_MB FILE: writes the deterministic benchmark text of
// about SIZE_MB megabytes (GBK, CR LF lines, about 30 % repeated lines).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/BenchText.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: yanqi-bench-text SIZE_MB FILE\n");
    return 2;
  }
  const std::size_t megabytes = std::strtoull(argv[1], nullptr, 10);
  const std::string text = yanqi::bench::GenerateBenchText(megabytes << 20);
  std::FILE* file = std::fopen(argv[2], "wb");
  if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
