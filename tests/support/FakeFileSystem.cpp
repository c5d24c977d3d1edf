#include "FakeFileSystem.h"

#include <stdexcept>

namespace {

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> names;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

}  // namespace

FakeFileSystem::FakeFileSystem() { nodes_.emplace_back(); }

FakeFileSystem::Node* FakeFileSystem::Find(std::string_view path) {
  Node* node = &nodes_[0];
  for (const std::string_view name : SplitPath(path)) {
    Node* next = nullptr;
    for (const size_t child : node->Children)
      if (nodes_[child].Name == name) next = &nodes_[child];
    if (!next) return nullptr;
    node = next;
  }
  return node;
}

FakeFileSystem::Node& FakeFileSystem::FindOrAdd(std::string_view path, uint32_t attributes) {
  Node* node = &nodes_[0];
  for (const std::string_view name : SplitPath(path)) {
    Node* next = nullptr;
    for (const size_t child : node->Children)
      if (nodes_[child].Name == name) next = &nodes_[child];
    if (!next) {
      node->Children.push_back(nodes_.size());
      next = &nodes_.emplace_back();
      next->Name = name;
      next->Attributes = kAttributeDirectory;
    }
    node = next;
  }
  node->Attributes = attributes;
  return *node;
}

FakeFileSystem::Node& FakeFileSystem::AddFile(std::string_view path, uint64_t size, uint32_t attributes) {
  Node& file = FindOrAdd(path, attributes);
  file.Size = size;
  return file;
}

FakeFileSystem::Node& FakeFileSystem::AddFolder(std::string_view path, uint32_t attributes) {
  return FindOrAdd(path, attributes | kAttributeDirectory);
}

ListingOutcome FakeFileSystem::ListFolder(const std::string& folderPath, FolderListing& listing) {
  Events.push_back("list " + folderPath);
  const Node* folder = Find(folderPath);
  if (!folder || !(folder->Attributes & kAttributeDirectory)) return ListingOutcome::NotFound;
  if (folder->Listing != ListingOutcome::Listed) return folder->Listing;
  const bool driveRoot = SplitPath(folderPath).size() == 1;
  if (!driveRoot) {
    listing.Add({.Name = ".", .Attributes = kAttributeDirectory});
    listing.Add({.Name = "..", .Attributes = kAttributeDirectory});
  }
  for (const size_t child : folder->Children) {
    const Node& node = nodes_[child];
    listing.Add({.Name = node.Name,
                 .Attributes = node.Attributes,
                 .ReparseTag = node.ReparseTag,
                 .Size = node.Size,
                 .Allocated = node.Allocated,
                 .FileId = node.FileId,
                 .Links = node.Links});
  }
  return ListingOutcome::Listed;
}

std::optional<uint64_t> FakeFileSystem::CompressedFileSize(const std::string& filePath) {
  const Node* file = Find(filePath);
  if (!file) throw std::logic_error("compressed size asked for a missing file: " + filePath);
  return file->CompressedSize;
}

void FakeFileSystem::ProcessMessages() {
  Events.emplace_back("pump");
  if (OnProcessMessages) OnProcessMessages();
}
