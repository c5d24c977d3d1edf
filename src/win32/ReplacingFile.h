#pragma once

#include <string>
#include <string_view>

#include "export/ExportSink.h"
#include "win32/Handles.h"

// An export's file. The bytes go to a new file of its own name in the target's folder,
// which takes the target's place only on Commit; until then, and whenever anything
// fails, the target stays as it was, and the new file is deleted when the object goes.
class ReplacingFile : public ExportSink {
 public:
  // `path` is UTF-8; long paths are fine.
  explicit ReplacingFile(const std::string& path);
  ~ReplacingFile() override;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False once anything failed: making the new file or writing it.
  bool Write(std::string_view bytes) override;
  // Puts the file written in the target's place; false when that, or anything before, failed.
  bool Commit();
  // The first failure, naming the target and the cause; empty while there is none.
  const std::string& Failure() const { return failure_; }

 private:
  void Fail(unsigned long error);
  void Discard();

  std::string path_;
  std::wstring target_;
  std::wstring draft_;  // the new file while it exists
  FileHandle file_;
  std::string failure_;
};

// Replaces the file's whole content, or leaves the file as it was: the bytes go to a
// new file beside it first, which then takes the file's place. Throws
// std::runtime_error naming the file and the cause when that cannot be done.
void ReplaceFileContent(const std::string& path, std::string_view bytes);
