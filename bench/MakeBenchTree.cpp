// Writes a folder tree for the scan benchmark: 10 x 10 x 20 folders with 100 sparse
// files of varied sizes in each of the 2,000 deepest, 202,110 entries in all.
// Usage: make_bench_tree FOLDER
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Numbered(const char* prefix, int number, const char* suffix = "") {
  char name[64];
  std::snprintf(name, sizeof name, "%s%06d%s", prefix, number, suffix);
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bench_tree FOLDER\n");
    return 2;
  }
  const fs::path root = argv[1];
  const fs::path done = root.string() + ".complete";
  if (fs::exists(done)) return 0;
  fs::remove_all(root);
  uint32_t seed = 12345;
  int fileNumber = 0;
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int c = 0; c < 20; ++c) {
        const fs::path folder = root / Numbered("area-", a) / Numbered("group-", b) / Numbered("set-", c);
        fs::create_directories(folder);
        for (int f = 0; f < 100; ++f) {
          seed = seed * 1103515245 + 12345;
          const fs::path file = folder / Numbered("file-", fileNumber++, ".dat");
          std::ofstream(file).close();
          fs::resize_file(file, seed % 200000);
        }
      }
  std::ofstream(done).close();
  return 0;
}
