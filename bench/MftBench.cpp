// Reads the file table of an NTFS volume image the way a scan does, ROUNDS times, and
// prints the rate of the parse and the index's memory per record beside its names.
// Usage: mft_bench IMAGE [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ImageVolume.h"
#include "Timing.h"
#include "ntfs/FileTableReader.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mft_bench IMAGE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  ImageVolume volume(argv[1]);
  const bool cancel = false;
  std::vector<double> times;
  std::unique_ptr<ntfs::FileTable> table;
  for (int round = 0; round <= rounds; ++round) {
    table.reset();
    const auto start = std::chrono::steady_clock::now();
    table = ntfs::ReadFileTable(volume, [](double) {}, cancel);
    if (round > 0) times.push_back(Seconds(start));  // the first warms the page cache
    if (!table) {
      std::fprintf(stderr, "mft_bench: no file table read from %s\n", argv[1]);
      return 1;
    }
  }
  const auto [low, high] = std::minmax_element(times.begin(), times.end());
  const double records = static_cast<double>(table->Records());
  std::printf("mft-parse records=%.0f table_mb=%.1f parse_s=%.3f parse_range=%.3f-%.3f records_per_s=%.0f "
              "bytes_per_record=%.1f\n",
              records, records * 1024 / 1048576, Median(times), *low, *high, records / Median(times),
              static_cast<double>(table->IndexBytes()) / records);
  return 0;
}
