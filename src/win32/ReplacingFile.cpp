#include "win32/ReplacingFile.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "win32/Files.h"
#include "win32/RealFileSystem.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

ReplacingFile::ReplacingFile(const std::string& path)
    : path_(path), target_(ExtendedLengthPath(Utf8ToWide(path))) {
  // A short name of its own, so that no target's name is too long to take a suffix and
  // no other export, in this program or another, writes the same file.
  static std::atomic<unsigned> drafts = 0;
  const RealFileSystem real;
  const std::wstring folder = target_.substr(0, target_.rfind(L'\\') + 1);
  for (;;) {
    std::wstring draft = folder + L"~velmora-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                         std::to_wstring(++drafts) + L".tmp";
    file_.Reset(CreateFileW(draft.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file_) {
      draft_ = std::move(draft);
      return;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS) continue;  // left by a program long gone that had our number
    Fail(error);
    return;
  }
}

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::Write(std::string_view bytes) {
  while (file_ && !bytes.empty()) {
    const auto size = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file_.Get(), bytes.data(), size, &written, nullptr) || written != size) {
      const DWORD error = GetLastError();
      Fail(error ? error : ERROR_WRITE_FAULT);
    }
    bytes.remove_prefix(written);
  }
  return static_cast<bool>(file_);
}

bool ReplacingFile::Commit() {
  if (!file_) return false;
  if (!FlushFileBuffers(file_.Get())) {
    Fail(GetLastError());
    return false;
  }
  file_.Reset();
  const RealFileSystem real;
  // Moving over a read-only file would replace it (Wine lets it); an export must not.
  const DWORD attributes = GetFileAttributesW(target_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    Fail(ERROR_ACCESS_DENIED);
    return false;
  }
  if (!MoveFileExW(draft_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail(GetLastError());
    return false;
  }
  draft_.clear();
  return true;
}

void ReplacingFile::Fail(unsigned long error) {
  Discard();
  if (failure_.empty()) failure_ = "Cannot save " + path_ + ": " + SystemMessage(error);
}

void ReplaceFileContent(const std::string& path, std::string_view bytes) {
  ReplacingFile file(path);
  if (!file.Write(bytes) || !file.Commit()) throw std::runtime_error(file.Failure());
}

void ReplacingFile::Discard() {
  const RealFileSystem real;
  file_.Reset();
  if (!draft_.empty()) DeleteFileW(draft_.c_str());
  draft_.clear();
}
