// Writes a folder tree for the scan benchmarks, the same every time, with sparse files
// so that it costs no disk.
//   uniform: 10 x 10 x 20 folders with 100 files of varied sizes in each of the 2,000
//            deepest, 202,110 entries in all.
//   disk:    shaped like a real disk: 200,000 files in 20,000 folders at depths 1 to 10,
//            heavy-tailed file counts per folder and sizes, names of 3 to 60 characters,
//            some outside ASCII; 220,000 entries in all.
// Usage: make_bench_tree uniform|disk FOLDER
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Bumped whenever a shape changes, so that an old tree is made anew.
constexpr const char* kVersion = "2";

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33);
  }
  uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(static_cast<uint64_t>(Next()) * bound >> 31); }
  // An index drawn with the given integer weights.
  size_t Weighted(const std::vector<uint32_t>& weights) {
    uint32_t total = 0;
    for (uint32_t w : weights) total += w;
    uint32_t pick = Below(total);
    for (size_t i = 0; i < weights.size(); ++i) {
      if (pick < weights[i]) return i;
      pick -= weights[i];
    }
    return weights.size() - 1;
  }
  // A value in [2^k, 2^(k+1)) for a bucket k drawn with the weights; -1 gives 0.
  uint64_t InBucket(const std::vector<uint32_t>& weightsFromZero) {
    const size_t bucket = Weighted(weightsFromZero);
    if (bucket == 0) return 0;
    const uint64_t low = 1ull << (bucket - 1);
    return low + ((static_cast<uint64_t>(Next()) << 31 | Next()) % low);
  }

 private:
  uint64_t state_;
};

void MakeSparseFile(const fs::path& file, uint64_t size) {
  const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
  if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
    std::perror(file.c_str());
    std::exit(1);
  }
  ::close(fd);
}

std::string Numbered(const char* prefix, int number, const char* suffix = "") {
  char name[64];
  std::snprintf(name, sizeof name, "%s%06d%s", prefix, number, suffix);
  return name;
}

void MakeUniform(const fs::path& root) {
  uint32_t seed = 12345;
  int fileNumber = 0;
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int c = 0; c < 20; ++c) {
        const fs::path folder = root / Numbered("area-", a) / Numbered("group-", b) / Numbered("set-", c);
        fs::create_directories(folder);
        for (int f = 0; f < 100; ++f) {
          seed = seed * 1103515245 + 12345;
          MakeSparseFile(folder / Numbered("file-", fileNumber++, ".dat"), seed % 200000);
        }
      }
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Names as people and programs make them: mostly short, a few very long, some with
// letters from other scripts (and one outside the 16-bit range); unique within their
// folder even where Windows ignores case.
class NameMaker {
 public:
  explicit NameMaker(Random& random) : random_(random) {}

  std::string Make(bool isFile, std::set<std::string>& taken) {
    for (;;) {
      std::string name = Candidate(isFile);
      std::string key;
      for (char c : name) key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      if (IsDeviceName(key) || !taken.insert(key).second) continue;
      return name;
    }
  }

 private:
  static bool IsDeviceName(const std::string& key) {
    const std::string stem = key.substr(0, key.find('.'));
    for (const char* device : {"con", "prn", "aux", "nul"})
      if (stem == device) return true;
    return stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0) && stem[3] >= '0' &&
           stem[3] <= '9';
  }

  std::string Candidate(bool isFile) {
    static const char* const kExtensions[] = {".txt", ".jpg", ".png", ".dll", ".h",    ".cpp", ".js",   ".log",
                                              ".dat", ".mp3", ".pdf", ".xml", ".json", ".py",  ".html", ".zip"};
    static const uint32_t kForeign[] = {0xE9, 0xFC, 0xF1, 0xDF, 0xE5, 0x3A9, 0x3BB, 0x434, 0x44F,
                                        0x65E5, 0x672C, 0x8A9E, 0xD55C, 0x5D0, 0x1F600};
    static const char kPlain[] = "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ_- ";
    // Lengths of 3 to 60 characters, most between 5 and 20.
    const uint32_t u = random_.Below(1000);
    size_t length = 3 + u * u / 1000 * u / 1000 * 57 / 1000 + random_.Below(8);
    if (length > 60) length = 60;
    std::string extension;
    if (isFile && random_.Below(10) < 9) extension = kExtensions[random_.Below(16)];
    if (length < extension.size() + 1) length = extension.size() + 1;
    const size_t stemLength = length - extension.size();
    const bool foreign = random_.Below(100) < 6;
    std::string name;
    if (random_.Below(100) < 2) name += '.';
    while (CountCharacters(name) < stemLength) {
      const bool last = CountCharacters(name) + 1 == stemLength;
      if (foreign && random_.Below(3) == 0) {
        AppendUtf8(name, kForeign[random_.Below(sizeof kForeign / sizeof kForeign[0])]);
      } else {
        char c = kPlain[random_.Below(sizeof kPlain - 1)];
        if ((last || name.empty()) && (c == ' ' || c == '.')) c = 'x';
        name += c;
      }
    }
    return name + extension;
  }

  static size_t CountCharacters(const std::string& text) {
    size_t count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
  }

  Random& random_;
};

void MakeDisk(const fs::path& root) {
  constexpr int kFiles = 200000;
  // Folders per depth 1 to 10: 20,000 in all.
  const int perDepth[] = {12, 150, 800, 2000, 3500, 4000, 3800, 3000, 1800, 938};
  Random random(20240601);
  NameMaker names(random);

  struct Folder {
    fs::path Path;
    std::set<std::string> Taken;
    uint64_t Files = 0;
  };
  std::vector<Folder> folders;
  folders.push_back({root, {}, 0});
  fs::create_directories(root);
  // A folder draws its parent from the level above with a chance that grows with the
  // sub-folders it already has, so a few folders hold very many.
  std::vector<size_t> tickets{0};
  for (int count : perDepth) {
    std::vector<size_t> next;
    for (int i = 0; i < count; ++i) {
      const size_t parent = tickets[random.Below(static_cast<uint32_t>(tickets.size()))];
      tickets.push_back(parent);
      const std::string name = names.Make(false, folders[parent].Taken);
      fs::path path = folders[parent].Path / name;
      fs::create_directory(path);
      next.push_back(folders.size());
      folders.push_back({std::move(path), {}, 0});
    }
    tickets = std::move(next);
  }

  // Files per folder: none in a fifth, a handful in most, thousands in a few; then
  // scaled to exactly kFiles.
  const std::vector<uint32_t> countWeights = {2000, 1500, 1800, 1700, 1300, 800, 420, 220, 100, 40, 15, 5, 2};
  uint64_t drawn = 0;
  for (Folder& folder : folders) drawn += folder.Files = random.InBucket(countWeights);
  uint64_t before = 0, placed = 0;
  for (Folder& folder : folders) {
    before += folder.Files;
    const uint64_t upTo = before * kFiles / drawn;
    folder.Files = upTo - placed;
    placed = upTo;
  }

  // Sizes from 0 to 16 GB: most of a few KB, a long tail of big ones.
  const std::vector<uint32_t> sizeWeights = {300, 20,  30,  50,  80,  120, 180, 260, 350, 480, 620, 760,
                                             860, 900, 880, 820, 720, 600, 480, 370, 280, 210, 155, 115,
                                             85,  62,  45,  33,  24,  17,  12,  8,   5,   3,   2};
  for (Folder& folder : folders)
    for (uint64_t f = 0; f < folder.Files; ++f)
      MakeSparseFile(folder.Path / names.Make(true, folder.Taken), random.InBucket(sizeWeights));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "uniform") != 0 && std::strcmp(argv[1], "disk") != 0)) {
    std::fprintf(stderr, "usage: make_bench_tree uniform|disk FOLDER\n");
    return 2;
  }
  const std::string shape = argv[1];
  const fs::path root = argv[2];
  const fs::path done = root.string() + ".complete";
  const std::string stamp = shape + " " + kVersion;
  std::string found;
  if (std::ifstream marker(done); marker && std::getline(marker, found) && found == stamp) return 0;
  fs::remove(done);
  fs::remove_all(root);
  fs::create_directories(root);
  if (shape == "uniform") MakeUniform(root);
  else MakeDisk(root);
  std::ofstream(done) << stamp << '\n';
  return 0;
}
