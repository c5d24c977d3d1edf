#include "ntfs/FileTableReader.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace ntfs {

namespace {

constexpr size_t kAlignment = 4096;
constexpr uint64_t kChunkBytes = 2 << 20;
constexpr uint64_t kUpCaseBytes = 2 * 65536;
constexpr auto kProgressEvery = std::chrono::milliseconds(40);

// Memory aligned as a raw volume's reads need it.
class Buffer {
 public:
  explicit Buffer(size_t size)
      : size_(size), bytes_(static_cast<uint8_t*>(::operator new[](size, std::align_val_t{kAlignment}))) {}
  ~Buffer() { ::operator delete[](bytes_, std::align_val_t{kAlignment}); }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  std::span<uint8_t> Span() { return {bytes_, size_}; }
  size_t Size() const { return size_; }

 private:
  size_t size_;
  uint8_t* bytes_;
};

// The volume with every read bounded by its length, as the thread that reads ahead
// uses it.
class Bounded : public ByteSource {
 public:
  explicit Bounded(ByteSource& volume) : volume_(volume), bytes_(volume.Bytes()) {}
  bool Read(uint64_t offset, std::span<uint8_t> into) override {
    const Checked end = Add(offset, into.size());
    return end && (!bytes_ || *end <= *bytes_) && volume_.Read(offset, into);
  }
  std::optional<uint64_t> Bytes() const override { return bytes_; }

 private:
  ByteSource& volume_;
  std::optional<uint64_t> bytes_;
};

// The volume as the reader meets it: before every read on the caller's thread, from the
// boot sector on, the share read so far is told (at most every 40 ms; telling lets
// window messages run) and a cancel is honoured, so that no stretch of reading leaves
// the window unserved; the read-ahead stops at its next chunk.
class Reading : public ByteSource {
 public:
  Reading(ByteSource& volume, const std::function<void(double)>& progress, const bool& cancel)
      : volume_(volume), progress_(progress), cancel_(cancel) {}
  std::optional<uint64_t> Bytes() const override { return volume_.Bytes(); }
  bool Read(uint64_t offset, std::span<uint8_t> into) override { return Go() && volume_.Read(offset, into); }
  // Tells the share when due; false once cancelled.
  bool Go() {
    if (const auto now = std::chrono::steady_clock::now(); now - told_ >= kProgressEvery) Tell(share_);
    return !cancel_;
  }
  // The share read so far, told at the next read.
  void Reached(double share) { share_ = share; }
  void Tell(double share) {
    share_ = share;
    told_ = std::chrono::steady_clock::now();
    progress_(share);
  }
  Bounded& Volume() { return volume_; }

 private:
  Bounded volume_;
  const std::function<void(double)>& progress_;
  const bool& cancel_;
  double share_ = 0;
  std::chrono::steady_clock::time_point told_;
};

// The stream of an attribute, read through its runs.
class Stream {
 public:
  Stream(ByteSource& volume, std::vector<Run> runs, uint32_t clusterBytes)
      : volume_(volume), runs_(std::move(runs)), clusterBytes_(clusterBytes) {
    std::sort(runs_.begin(), runs_.end(), [](const Run& a, const Run& b) { return a.Vcn < b.Vcn; });
  }
  // Whether the runs cover `bytes` from the start, one after another, with clusters for each.
  bool Covers(uint64_t bytes) const {
    Checked vcn = 0;
    for (const Run& run : runs_) {
      if (run.Vcn != vcn || !run.Lcn) return false;
      vcn = Add(vcn, run.Length);
    }
    return vcn && *vcn >= bytes / clusterBytes_ + (bytes % clusterBytes_ != 0);
  }
  // Each step takes at least the rest of a cluster, or fails.
  bool Read(uint64_t offset, std::span<uint8_t> into) {
    if (!Add(offset, into.size())) return false;
    while (!into.empty()) {
      const uint64_t vcn = offset / clusterBytes_, within = offset % clusterBytes_;
      const auto run = std::find_if(runs_.begin(), runs_.end(),
                                    [&](const Run& r) { return vcn >= r.Vcn && vcn - r.Vcn < r.Length; });
      if (run == runs_.end() || !run->Lcn) return false;
      const uint64_t inRun = vcn - run->Vcn;
      const Checked left = Multiply(run->Length - inRun, clusterBytes_);
      const Checked at = Add(Multiply(Add(*run->Lcn, inRun), clusterBytes_), within);
      if (!left || !at) return false;
      const size_t take = static_cast<size_t>(std::min<uint64_t>(*left - within, into.size()));
      if (!volume_.Read(*at, into.first(take))) return false;
      into = into.subspan(take);
      offset += take;
    }
    return true;
  }

 private:
  ByteSource& volume_;
  std::vector<Run> runs_;
  uint32_t clusterBytes_;
};

// The stream's first `bytes` in chunks, each read on a thread of its own while the
// chunk before it is parsed: two buffers, one filled while the other is taken. The
// thread stops at the first read that fails, and when this is destroyed.
class ReadAhead {
 public:
  ReadAhead(Stream& stream, uint64_t bytes, size_t chunkBytes)
      : stream_(stream), bytes_(bytes), buffers_{Buffer(chunkBytes), Buffer(chunkBytes)} {
    thread_ = std::thread([this] { ReadAll(); });
  }
  ~ReadAhead() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // The next chunk, once read (the one taken before goes back to be filled again);
  // nothing when it could not be read. No more is asked for than the stream holds.
  std::optional<std::span<uint8_t>> Next() {
    std::unique_lock lock(mutex_);
    if (taken_ > 0) {
      slots_[(taken_ - 1) % 2] = {};
      changed_.notify_all();
    }
    const Slot& slot = slots_[taken_ % 2];
    changed_.wait(lock, [&] { return slot.Done; });
    if (!slot.Read) return std::nullopt;
    const uint64_t chunk = taken_++;
    return buffers_[chunk % 2].Span().first(Size(chunk));
  }

 private:
  struct Slot {
    bool Done = false;  // read, or failed
    bool Read = false;
  };

  uint64_t Offset(uint64_t chunk) const {
    const uint64_t chunkBytes = buffers_[0].Size();
    return chunk > bytes_ / chunkBytes ? bytes_ : chunk * chunkBytes;
  }
  size_t Size(uint64_t chunk) const { return static_cast<size_t>(Offset(chunk + 1) - Offset(chunk)); }

  void ReadAll() {
    for (uint64_t chunk = 0; Offset(chunk) < bytes_; ++chunk) {
      Slot& slot = slots_[chunk % 2];
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || !slot.Done; });
        if (stop_) return;
      }
      const bool read = stream_.Read(Offset(chunk), buffers_[chunk % 2].Span().first(Size(chunk)));
      {
        const std::lock_guard lock(mutex_);
        slot = {true, read};
      }
      changed_.notify_all();
      if (!read) return;
    }
  }

  Stream& stream_;
  const uint64_t bytes_;
  Buffer buffers_[2];
  Slot slots_[2];
  uint64_t taken_ = 0;  // chunks handed out
  bool stop_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;
};

// The runs of $MFT's own data and its size, from its first record and, when that
// lists them elsewhere, the records that hold the rest.
struct MftLayout {
  std::vector<Run> Runs;
  uint64_t Bytes = 0;
};

std::optional<MftLayout> ReadMftLayout(Reading& volume, const BootSector& boot) {
  const uint32_t recordBytes = boot.BytesPerRecord;
  Buffer buffer(std::max(recordBytes, boot.BytesPerCluster));
  const std::span<uint8_t> record = buffer.Span().first(recordBytes);
  MftLayout layout;
  std::optional<std::vector<ListedAttribute>> listed;
  Record parsed;
  const auto takeData = [&](std::span<uint8_t> bytes) {
    if (!ApplyFixups(bytes) || !ParseRecord(bytes, parsed)) return false;
    for (const Attribute& attribute : parsed.Attributes) {
      if (attribute.Type == kAttributeList && !listed)
        listed = attribute.NonResident ? std::nullopt : ParseAttributeList(attribute.Value);
      if (attribute.Type != kData || !attribute.Name.empty()) continue;
      const auto runs = attribute.NonResident ? DecodeRuns(attribute.Runs, attribute.FirstVcn, boot.Clusters)
                                              : std::nullopt;
      if (!runs) return false;
      layout.Runs.insert(layout.Runs.end(), runs->begin(), runs->end());
      if (attribute.FirstVcn == 0) layout.Bytes = attribute.RealSize;
    }
    return true;
  };
  const Checked start = Multiply(boot.MftCluster, boot.BytesPerCluster);
  if (!start || !volume.Read(*start, buffer.Span()) || !takeData(record)) return std::nullopt;
  const bool hasList = std::any_of(parsed.Attributes.begin(), parsed.Attributes.end(),
                                   [](const Attribute& a) { return a.Type == kAttributeList; });
  if (hasList && !listed) return std::nullopt;
  if (listed) {
    // Each record that holds more of the data, once, lies where the runs known so far
    // put it.
    std::vector<uint64_t> holders;
    for (const ListedAttribute& entry : *listed)
      if (entry.Type == kData && !entry.Named && entry.Record != 0) holders.push_back(entry.Record);
    std::sort(holders.begin(), holders.end());
    holders.erase(std::unique(holders.begin(), holders.end()), holders.end());
    for (const uint64_t holder : holders) {
      Stream known(volume, layout.Runs, boot.BytesPerCluster);
      const Checked at = Multiply(holder, recordBytes);
      if (!at || !known.Read(*at, record) || !takeData(record) || parsed.Base != 0) return std::nullopt;
    }
  }
  const Checked volumeBytes = Multiply(boot.Clusters, boot.BytesPerCluster);
  if (layout.Bytes == 0 || layout.Bytes % recordBytes != 0 || !volumeBytes || layout.Bytes > *volumeBytes)
    return std::nullopt;
  return layout;
}

// Where the table lies: the boot sector, then $MFT's own record (and what it lists).
struct TablePlace {
  BootSector Boot;
  MftLayout Mft;
};

std::optional<TablePlace> FindTable(Reading& volume) {
  Buffer first(kAlignment);
  if (!volume.Read(0, first.Span())) return std::nullopt;
  const std::optional<BootSector> boot = ParseBootSector(first.Span(), volume.Bytes());
  if (!boot) return std::nullopt;
  std::optional<MftLayout> mft = ReadMftLayout(volume, *boot);
  if (!mft) return std::nullopt;
  return TablePlace{*boot, std::move(*mft)};
}

std::unique_ptr<FileTable> ReadTable(Reading& volume) {
  const std::optional<TablePlace> place = FindTable(volume);
  if (!place) return nullptr;
  const BootSector& boot = place->Boot;
  const MftLayout& mft = place->Mft;
  Stream stream(volume, mft.Runs, boot.BytesPerCluster);
  if (!stream.Covers(mft.Bytes)) return nullptr;

  const uint32_t recordBytes = boot.BytesPerRecord;
  const uint64_t records = mft.Bytes / recordBytes;
  // The table numbers records in 32 bits and keeps a size of 64 bits for each: no
  // more than its vectors can hold on a 32-bit build either.
  if (records > std::min<uint64_t>(UINT32_MAX, std::vector<uint64_t>().max_size())) return nullptr;
  // Its last record is read before room is made for all: a volume that does not tell
  // its length cannot claim more than it holds.
  Buffer last(recordBytes);
  if (!stream.Read(mft.Bytes - recordBytes, last.Span())) return nullptr;
  auto table = std::make_unique<FileTable>(records, boot.Clusters, boot.BytesPerCluster);
  const uint64_t step = std::max<uint64_t>(recordBytes, boot.BytesPerCluster);
  {
    // The thread reads past the cancel and the messages: they are served here, between chunks.
    Stream ahead(volume.Volume(), mft.Runs, boot.BytesPerCluster);
    ReadAhead chunks(ahead, mft.Bytes, static_cast<size_t>(kChunkBytes / step * step));
    for (uint64_t offset = 0; offset < mft.Bytes;) {
      if (!volume.Go()) return nullptr;
      const std::optional<std::span<uint8_t>> bytes = chunks.Next();
      if (!bytes) return nullptr;
      for (size_t at = 0; at + recordBytes <= bytes->size(); at += recordBytes)
        table->AddRecord((offset + at) / recordBytes, bytes->subspan(at, recordBytes));
      if (table->Doubtful()) return nullptr;
      offset += bytes->size();
      volume.Reached(static_cast<double>(offset) / static_cast<double>(mft.Bytes));
    }
  }
  volume.Tell(1);  // every record is in

  Stream upcase(volume, table->UpCaseRuns(), boot.BytesPerCluster);
  Buffer upcaseBytes(static_cast<size_t>((kUpCaseBytes + step - 1) / step * step));
  if (!upcase.Covers(kUpCaseBytes) || !upcase.Read(0, upcaseBytes.Span())) return nullptr;
  Buffer cluster(boot.BytesPerCluster);
  for (const auto& [record, lcn] : table->ReparsePointsToRead()) {
    const Checked at = Multiply(lcn, boot.BytesPerCluster);
    if (!at || !volume.Read(*at, cluster.Span())) return nullptr;
    table->SetReparseTag(record, Read<uint32_t>(cluster.Span(), 0));
  }
  table->Finish(upcaseBytes.Span());
  volume.Tell(1);
  if (table->Doubtful()) return nullptr;
  return table;
}

}  // namespace

std::unique_ptr<FileTable> ReadFileTable(ByteSource& volume, const std::function<void(double)>& progress,
                                         const bool& cancel) {
  Reading reading(volume, progress, cancel);
  reading.Tell(0);
  try {
    return ReadTable(reading);
  } catch (const std::length_error&) {
    return nullptr;
  } catch (const std::bad_alloc&) {
    return nullptr;  // a table too large for this process's memory
  } catch (const std::system_error&) {
    return nullptr;  // no thread to read ahead
  }
}

std::optional<uint64_t> FileTableBytes(ByteSource& volume) {
  const std::function<void(double)> unheard = [](double) {};
  const bool never = false;
  Reading reading(volume, unheard, never);
  try {
    const std::optional<TablePlace> place = FindTable(reading);
    return place ? std::optional(place->Mft.Bytes) : std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace ntfs
