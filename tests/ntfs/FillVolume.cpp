// Fills a freshly made NTFS volume, mounted through ntfs-3g with compression on, with
// what the file table reader must get right: names outside ASCII and names that sort
// differently by case, long paths, a deep chain, a folder of 20,000 files, hard links,
// sparse and compressed files, a symbolic link and a junction, alternate data streams,
// a file in thousands of pieces, and records freed after the table grew; or, with
// --cloud, a cloud sync root (CloudTree.h). ntfs-3g will not set the recall-on-data-access
// attribute: the files that need it are named on the output, one volume path a line,
// for it to be set unmounted.
// Usage: fill_ntfs_volume [--cloud] MOUNT
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "CloudTree.h"

namespace {

constexpr uint32_t kHidden = 0x2, kCompressed = 0x800;

std::string root;

void Check(bool ok, const std::string& what) {
  if (!ok) throw std::runtime_error(what + ": " + std::strerror(errno));
}

std::string At(const std::string& relative) { return root + "/" + relative; }

void Folder(const std::string& relative) { Check(::mkdir(At(relative).c_str(), 0755) == 0, "mkdir " + relative); }

// A file of `size` bytes of text that compresses well.
void File(const std::string& relative, size_t size) {
  const int fd = ::open(At(relative).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
  Check(fd >= 0, "create " + relative);
  std::string text;
  while (text.size() < size) text += "Velmora fills this volume, line " + std::to_string(text.size()) + ".\n";
  Check(::write(fd, text.data(), size) == static_cast<ssize_t>(size), "write " + relative);
  ::close(fd);
}

void Attribute(const std::string& relative, const char* name, const void* value, size_t size) {
  Check(::setxattr(At(relative).c_str(), name, value, size, 0) == 0, std::string("setxattr ") + name + " " + relative);
}

void AddFileAttributes(const std::string& relative, uint32_t bits) {
  uint32_t attributes = 0;
  Check(::getxattr(At(relative).c_str(), "system.ntfs_attrib", &attributes, 4) == 4, "attributes of " + relative);
  attributes |= bits;
  Attribute(relative, "system.ntfs_attrib", &attributes, 4);
}

constexpr uint32_t kTagSymbolicLink = 0xA000000C, kTagMountPoint = 0xA0000003, kRelativeLink = 1;

// A reparse point's data: a symbolic link's (with its flags) or a junction's.
std::vector<uint8_t> ReparseData(uint32_t tag, const std::u16string& substitute, const std::u16string& print,
                                 uint32_t linkFlags = 0) {
  std::vector<uint8_t> data;
  const auto put = [&](uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) data.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  const bool link = tag == kTagSymbolicLink;
  const size_t names = 2 * (substitute.size() + print.size() + 2);
  put(tag, 4);
  put((link ? 12 : 8) + names, 2);
  put(0, 2);
  put(0, 2);
  put(2 * substitute.size(), 2);
  put(2 * (substitute.size() + 1), 2);
  put(2 * print.size(), 2);
  if (link) put(linkFlags, 4);
  for (const std::u16string* name : {&substitute, &print}) {
    for (char16_t unit : *name) put(unit, 2);
    put(0, 2);
  }
  return data;
}

void Names() {
  Folder("Names");
  // Upper-case and accented letters sort apart from their bytes.
  for (const char* name : {"apple", "Banana", "cherry", "Äpfel", "äther", "Zebra", "zulu", "_under", "[bracket]",
                           "~tilde", "1 one", "straße", "STRASSE", "Ωmega", "ωmega-lower", "日本語のファイル",
                           "한국어", "emoji 😀 face", "𝔉raktur", "naïve café", "ǅ title", "x.tar.gz", "noext"})
    File(std::string("Names/") + name, std::strlen(name) * 37);
  File("Names/" + std::string(255, 'L'), 1);
  File("Names/empty", 0);
  Folder("Names/Ünïcödé folder");
  File("Names/Ünïcödé folder/inside", 4097);
  // Names that differ only by case, as POSIX names may.
  File("Names/twin", 10);
  File("Names/TWIN", 20);
  File("Names/hidden", 300);
  AddFileAttributes("Names/hidden", kHidden);
}

void LongPaths() {
  std::string path = "Deep";
  Folder(path);
  for (int level = 0; level < 70; ++level) {
    path += "/level " + std::to_string(level) + " with a rather long name";
    Folder(path);
    if (level % 10 == 9) File(path + "/file at " + std::to_string(level), 1000 + level);
  }
}

void ManyFiles() {
  Folder("Many");
  for (int i = 0; i < 20000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "file %05d.dat", (i * 7919) % 20000);
    File(std::string("Many/") + name, static_cast<size_t>(i % 97) * 13);
  }
}

void HardLinks() {
  Folder("Links");
  Folder("Links/Other");
  File("Links/original.bin", 12345);
  Check(::link(At("Links/original.bin").c_str(), At("Links/second name.bin").c_str()) == 0, "link");
  Check(::link(At("Links/original.bin").c_str(), At("Links/Other/third.bin").c_str()) == 0, "link");
  // The size beside the other names is now out of date.
  const int fd = ::open(At("Links/original.bin").c_str(), O_WRONLY | O_APPEND);
  Check(fd >= 0 && ::write(fd, "grown", 5) == 5, "append");
  ::close(fd);
  // A short name beside a long one is no link.
  File("Links/Long name with a short one.txt", 10);
  Attribute("Links/Long name with a short one.txt", "system.ntfs_dos_name", "LONGNA~1.TXT", 12);
}

void SparseAndCompressed() {
  Folder("Sparse");
  const int fd = ::open(At("Sparse/holes.img").c_str(), O_CREAT | O_WRONLY, 0644);
  Check(fd >= 0 && ::pwrite(fd, "data", 4, 50 << 20) == 4 && ::pwrite(fd, "end", 3, (100 << 20) - 3) == 3, "sparse");
  ::close(fd);
  Folder("Compressed");
  AddFileAttributes("Compressed", kCompressed);
  File("Compressed/text.txt", 300000);
  File("Compressed/small.txt", 100);
  File("one compressed.txt", 200000);
  AddFileAttributes("one compressed.txt", kCompressed);
}

void ReparsePoints() {
  Folder("Reparse");
  File("Reparse/link to names", 0);
  const auto link = ReparseData(kTagSymbolicLink, u"..\\Names", u"..\\Names", kRelativeLink);
  Attribute("Reparse/link to names", "system.ntfs_reparse_data", link.data(), link.size());
  Folder("Reparse/junction");
  const auto junction = ReparseData(kTagMountPoint, u"\\??\\C:\\Names", u"C:\\Names");
  Attribute("Reparse/junction", "system.ntfs_reparse_data", junction.data(), junction.size());
}

// Tags go on last, contents first: ntfs-3g no longer goes into a folder once tagged.
void CloudFiles() {
  for (const cloud::Entry& entry : cloud::kEntries) {
    if (entry.Folder) {
      Folder(entry.Path);
      continue;
    }
    File(entry.Path, entry.Written);
    Check(::truncate(At(entry.Path).c_str(), static_cast<off_t>(entry.Size)) == 0, std::string("hole ") + entry.Path);
    if (entry.Attributes & cloud::kOffline) AddFileAttributes(entry.Path, cloud::kOffline);
    if (entry.Attributes & cloud::kRecallOnDataAccess) std::printf("/%s\n", entry.Path);
  }
  for (auto entry = std::rbegin(cloud::kEntries); entry != std::rend(cloud::kEntries); ++entry) {
    // The tag, the length of what follows, two bytes reserved, then the provider's own.
    const char provider[] = "provider's placeholder state";
    std::vector<uint8_t> data{static_cast<uint8_t>(entry->Tag), static_cast<uint8_t>(entry->Tag >> 8),
                              static_cast<uint8_t>(entry->Tag >> 16), static_cast<uint8_t>(entry->Tag >> 24),
                              sizeof provider, 0, 0, 0};
    data.insert(data.end(), provider, provider + sizeof provider);
    Attribute(entry->Path, "system.ntfs_reparse_data", data.data(), data.size());
  }
}

void Streams() {
  Folder("Streams");
  File("Streams/with streams.txt", 100);
  const std::string stream(5000, 's');
  Attribute("Streams/with streams.txt", "user.comment", stream.data(), stream.size());
  Attribute("Streams/with streams.txt", "user.second", "2", 1);
  Folder("Streams/folder with a stream");
  Attribute("Streams/folder with a stream", "user.note", "note", 4);
}

// A cluster written, a cluster left out, a thousand times: two thousand runs, more than
// a record can map, so they spill into extension records, and so does the file's name.
void Pieces() {
  Folder("Pieces");
  const int fd = ::open(At("Pieces/every other cluster.bin").c_str(), O_CREAT | O_WRONLY, 0644);
  Check(fd >= 0, "pieces");
  const std::string cluster(4096, 'p');
  for (off_t i = 0; i < 1000; ++i) Check(::pwrite(fd, cluster.data(), cluster.size(), 2 * i * 4096) == 4096, "pieces");
  ::close(fd);
}

// The table grows by 30,000 records, then most of them are freed.
void GrownAndThinned() {
  Folder("Thinned");
  for (int i = 0; i < 30000; ++i) File("Thinned/t" + std::to_string(i), 0);
  for (int i = 0; i < 30000; ++i)
    if (i % 50 != 0) Check(::unlink(At("Thinned/t" + std::to_string(i)).c_str()) == 0, "unlink");
}

}  // namespace

int main(int argc, char** argv) {
  const bool cloudOnly = argc == 3 && std::strcmp(argv[1], "--cloud") == 0;
  if (argc != 2 && !cloudOnly) {
    std::fprintf(stderr, "usage: fill_ntfs_volume [--cloud] MOUNT\n");
    return 2;
  }
  root = argv[argc - 1];
  try {
    if (cloudOnly) {
      CloudFiles();
    } else {
      Names();
      LongPaths();
      ManyFiles();
      HardLinks();
      SparseAndCompressed();
      ReparsePoints();
      Streams();
      Pieces();
      GrownAndThinned();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fill_ntfs_volume: %s\n", e.what());
    return 1;
  }
  return 0;
}
