#include "app/ScanChanges.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "scan/TreeWalk.h"

namespace {

// FNV-1a, 64 bits. A folder's hash goes on from its parent's over its name and
// backslash, so it is the hash of its whole path.
constexpr uint64_t kHashStart = 14695981039346656037ull;
uint64_t Hash(uint64_t hash, std::string_view text) {
  for (const char c : text) hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211ull;
  return hash;
}

// Calls `visit(level, parent index, hash)` for the root and every folder below it,
// links not followed included, in the tree's order, each folder's index being the count
// of those visited before it.
template <typename Visit>
void EachFolder(const TFolderList& root, Visit visit) {
  struct Open {
    uint32_t Index;
    uint64_t Hash;
  };
  std::vector<Open> open{{0, Hash(kHashStart, root.Path())}};
  visit(root, 0, open.back().Hash);
  uint32_t visited = 1;
  TreeWalk walk(root);
  for (TreeWalk::Step step; (step = walk.Next()) != TreeWalk::Step::Done;) {
    if (step == TreeWalk::Step::FolderEnd) {
      open.pop_back();
      continue;
    }
    if (step == TreeWalk::Step::File) continue;
    const TFolderData& folder = walk.Entry();
    const std::string_view name = folder.Name().substr(1);  // without its backslash
    const uint64_t hash = Hash(Hash(open.back().Hash, name), "\\");
    visit(*folder.SubList, open.back().Index, hash);
    if (step == TreeWalk::Step::Folder) open.push_back({visited, hash});
    ++visited;
  }
}

double ValueOf(double allocated, uint32_t files, ChangeMeasure measure) {
  return measure == ChangeMeasure::Files ? files : allocated;
}

}  // namespace

ScanSnapshot::ScanSnapshot(const TFolderList& root, const DateTime& taken) : taken_(taken) {
  std::vector<const TFolderList*> levels;
  EachFolder(root, [&](const TFolderList& level, uint32_t parent, uint64_t hash) {
    folders_.push_back({hash, level.AllocatedTotal(), static_cast<uint32_t>(level.FileCount()), parent});
    levels.push_back(&level);
  });
  folders_.shrink_to_fit();
  std::vector<uint32_t> largest(folders_.size());
  for (uint32_t i = 0; i < largest.size(); ++i) largest[i] = i;
  const auto bigger = [&](uint32_t a, uint32_t b) {
    return folders_[a].Allocated != folders_[b].Allocated ? folders_[a].Allocated > folders_[b].Allocated : a < b;
  };
  if (largest.size() > kNamed) {
    std::nth_element(largest.begin(), largest.begin() + kNamed, largest.end(), bigger);
    largest.resize(kNamed);
  }
  std::sort(largest.begin(), largest.end());
  for (const uint32_t index : largest) names_.emplace_back(index, levels[index]->Path());
}

size_t ScanSnapshot::Bytes() const {
  size_t bytes = folders_.capacity() * sizeof(Folder) + names_.capacity() * sizeof(names_[0]);
  for (const auto& [index, name] : names_) bytes += name.capacity();
  return bytes;
}

// The folders of both scans as one tree: those of the tree now, then those gone.
class ChangeFinder {
 public:
  ChangeFinder(const ScanSnapshot& before, const TFolderList& now, ChangeMeasure measure)
      : before_(before), measure_(measure) {
    std::unordered_map<uint64_t, uint32_t> previous;
    previous.reserve(before.folders_.size());
    for (uint32_t i = 0; i < before.folders_.size(); ++i) previous.emplace(before.folders_[i].PathHash, i);
    std::vector<int64_t> nodeOf(before.folders_.size(), -1);
    EachFolder(now, [&](const TFolderList& level, uint32_t parent, uint64_t hash) {
      Node& node = nodes_.emplace_back(Node{.Parent = parent, .Level = &level});
      node.After = ValueOf(level.AllocatedTotal(), static_cast<uint32_t>(level.FileCount()), measure);
      if (const auto found = previous.find(hash); found != previous.end()) {
        node.Old = found->second;
        node.Before = Value(before.folders_[found->second]);
        nodeOf[found->second] = static_cast<int64_t>(nodes_.size() - 1);
      }
    });
    // A parent comes before its children in the previous scan's order too.
    for (uint32_t i = 0; i < before.folders_.size(); ++i) {
      if (nodeOf[i] >= 0) continue;
      nodeOf[i] = static_cast<int64_t>(nodes_.size());
      nodes_.push_back(Node{.Before = Value(before.folders_[i]),
                            .Parent = static_cast<uint32_t>(nodeOf[before.folders_[i].Parent]),
                            .Old = static_cast<int64_t>(i)});
    }
    for (uint32_t i = 1; i < nodes_.size(); ++i) {
      if (nodes_[i].Parent == i) continue;
      const double change = nodes_[i].After - nodes_[i].Before;
      Node& parent = nodes_[nodes_[i].Parent];
      parent.LargestGrowth = std::max(parent.LargestGrowth, change);
      parent.LargestShrink = std::max(parent.LargestShrink, -change);
    }
  }

  ScanChanges Changes() {
    ScanChanges changes;
    changes.Previous = before_.taken_;
    changes.TotalBefore = Value(before_.folders_[0]);
    changes.TotalAfter = nodes_[0].After;
    std::vector<uint32_t> grown, shrunk;
    for (uint32_t i = 0; i < nodes_.size(); ++i) {
      const Node& node = nodes_[i];
      const double change = node.After - node.Before;
      if (change > 0 && 2 * node.LargestGrowth <= change) grown.push_back(i);
      if (change < 0 && 2 * node.LargestShrink <= -change) shrunk.push_back(i);
    }
    changes.Grown = Largest(grown);
    changes.Shrunk = Largest(shrunk);
    return changes;
  }

 private:
  struct Node {
    double Before = 0;
    double After = 0;
    uint32_t Parent = 0;
    const TFolderList* Level = nullptr;  // none for a folder gone
    int64_t Old = -1;                    // its place in the previous scan; none for a new one
    double LargestGrowth = 0;            // of its sub-folders
    double LargestShrink = 0;
  };

  double Value(const ScanSnapshot::Folder& folder) const { return ValueOf(folder.Allocated, folder.Files, measure_); }

  // The 25 largest changes, ordered by size and then by path: of changes as large as
  // the 25th, those first by path fill the last places.
  std::vector<FolderChange> Largest(std::vector<uint32_t>& candidates) {
    const auto size = [&](uint32_t i) { return std::abs(nodes_[i].After - nodes_[i].Before); };
    if (candidates.size() > ScanChanges::kListed) {
      std::nth_element(candidates.begin(), candidates.begin() + ScanChanges::kListed - 1, candidates.end(),
                       [&](uint32_t a, uint32_t b) { return size(a) > size(b); });
      const double least = size(candidates[ScanChanges::kListed - 1]);
      std::erase_if(candidates, [&](uint32_t i) { return size(i) < least; });
    }
    std::vector<FolderChange> changes;
    for (const uint32_t i : candidates)
      changes.push_back({PathOf(i), nodes_[i].Before, nodes_[i].After, nodes_[i].Old < 0, !nodes_[i].Level});
    std::sort(changes.begin(), changes.end(), [](const FolderChange& a, const FolderChange& b) {
      const double sizeA = std::abs(a.Change()), sizeB = std::abs(b.Change());
      return sizeA != sizeB ? sizeA > sizeB : a.Path < b.Path;
    });
    if (changes.size() > ScanChanges::kListed) changes.resize(ScanChanges::kListed);
    return changes;
  }

  // A folder gone whose name was not kept: the nearest folder above it whose path is
  // known, and "…".
  std::string PathOf(uint32_t index) const {
    const std::string unknown = "\xE2\x80\xA6\\";
    for (uint32_t at = index;; at = nodes_[at].Parent) {
      const Node& node = nodes_[at];
      if (node.Level) return node.Level->Path() + (at == index ? "" : unknown);
      const auto& names = before_.names_;
      const auto named = std::lower_bound(names.begin(), names.end(), static_cast<uint32_t>(node.Old),
                                          [](const auto& name, uint32_t old) { return name.first < old; });
      if (named != names.end() && named->first == node.Old) return named->second + (at == index ? "" : unknown);
      if (node.Parent == at) return unknown;
    }
  }

  const ScanSnapshot& before_;
  const ChangeMeasure measure_;
  std::vector<Node> nodes_;
};

ScanChanges CompareScans(const ScanSnapshot& before, const TFolderList& now, ChangeMeasure measure) {
  return ChangeFinder(before, now, measure).Changes();
}
