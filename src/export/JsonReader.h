#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "export/ExportSource.h"

// Why an export could not be read: the byte offset where it went wrong and a short
// English reason, or that reading was cancelled there.
struct ExportError {
  uint64_t Offset = 0;
  std::string Reason;
  bool Cancelled = false;
};

// Hears how many bytes have been read so far, after each chunk.
using ReadProgress = std::function<void(uint64_t bytesRead)>;

// The tokens of one JSON text, read from a source a chunk at a time and checked
// against JSON's grammar as they come. Open arrays and objects are kept on a stack of
// its own, so nesting costs no thread stack. Whatever is not JSON, the end of the
// source too early, a failed read and `cancel` (read before each chunk) all throw an
// ExportError.
class JsonReader {
 public:
  enum class Token : uint8_t {
    BeginArray, EndArray, BeginObject, EndObject, Key, String, Number, True, False, Null, End
  };

  // Arrays and objects nest at most `maxNesting` deep; strings (decoded, as UTF-8) and
  // numbers are kept up to `keptTextBytes`, longer ones are read whole but cut.
  JsonReader(ExportSource& source, size_t maxNesting, size_t keptTextBytes, const ReadProgress& progress,
             const bool& cancel);

  // The next token; End once the text is over (and only white space followed it).
  Token Next();
  // Passes over the rest of the value that `first`, just read, starts.
  void SkipValue(Token first);

  // Where the last token starts.
  uint64_t Offset() const { return tokenOffset_; }
  // A key's or string's text, decoded, or a number as written.
  std::string_view Text() const { return text_; }
  bool TextCut() const { return textCut_; }

  [[noreturn]] void Fail(const char* reason) const { FailAt(tokenOffset_, reason); }
  [[noreturn]] static void FailAt(uint64_t offset, const char* reason);

 private:
  enum class Expect : uint8_t { Value, ValueOrEnd, Key, KeyOrEnd, Colon, CommaOrEnd, Nothing };

  int Peek() { return at_ < end_ || Refill() ? static_cast<unsigned char>(buffer_[at_]) : -1; }
  uint64_t Here() const { return bufferOffset_ + at_; }
  bool Refill();
  int Take();
  void SkipSpace();
  Token Begin(char open);
  Token End();
  void ReadString();
  void ReadEscape();
  void ReadNumber();
  void ReadWord(std::string_view word);
  void Keep(std::string_view bytes);
  void KeepUnits(std::u16string_view units);
  void KeepPendingHigh();

  ExportSource& source_;
  const size_t maxNesting_;
  const size_t keptTextBytes_;
  const ReadProgress& progress_;
  const bool& cancel_;
  std::vector<char> buffer_;
  size_t at_ = 0, end_ = 0;
  uint64_t bufferOffset_ = 0;  // of buffer_[0] in the source
  bool sourceDone_ = false;
  std::vector<char> open_;  // '[' or '{' of each array and object not yet closed
  Expect expect_ = Expect::Value;
  uint64_t tokenOffset_ = 0;
  std::string text_;
  bool textCut_ = false;
  char16_t pendingHigh_ = 0;  // a high surrogate escape waiting for its low half
};
