#pragma once

#include <cstdint>
#include <string>

// A fresh folder under the user's temporary folder, removed with everything in it when
// the object goes. Paths given to its operations are relative to it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Full path with a trailing backslash.
  const std::wstring& Path() const { return path_; }
  std::string PathUtf8() const;

  // Creates the folder and any missing ones above it; false when Windows refuses.
  bool MakeFolder(const std::wstring& relative);
  // Creates a file of that size (sparse where the file system allows) and attributes.
  void MakeFile(const std::wstring& relative, uint64_t size, uint32_t attributes = 0);
  // Under Wine: a Unix symbolic link at `relative` pointing to `target`; false elsewhere.
  bool MakeUnixSymlink(const std::wstring& relative, const std::string& target);
  // Under Wine: runs a bash script in this folder and waits until it is done; false
  // elsewhere. Unix calls make big trees in a moment.
  bool RunUnixScript(const std::string& script);
  // Under Wine: the Unix path of `relative`; empty elsewhere.
  std::wstring UnixPath(const std::wstring& relative) const;

 private:
  static bool RunUnixProgram(const std::wstring& program, const std::wstring& arguments,
                             const std::wstring& watchedPath, bool expectPresent);
  void RemoveWithWin32Calls();

  std::wstring path_;
};

// The whole content of a file; empty when it cannot be read.
std::string FileContent(const std::wstring& path);

// The "\\?\" form of a full path, for calls on paths beyond 260 characters.
std::wstring Extended(const std::wstring& fullPath);
