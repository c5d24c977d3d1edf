#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The files of one big folder, as the level benchmarks show it: sizes spread over six
// decades, the same every run.
struct SampleFile {
  std::string Name;
  double Size;
};

inline std::vector<SampleFile> SampleFiles(int count) {
  std::vector<SampleFile> files;
  files.reserve(count);
  uint32_t seed = 1;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1103515245 + 12345;
    char name[32];
    std::snprintf(name, sizeof name, "File-%06d.dat", i);
    files.push_back({name, (seed >> 8) % 1000000 / static_cast<double>(1 + i % 997)});
  }
  return files;
}
