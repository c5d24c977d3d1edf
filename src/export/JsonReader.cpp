#include "export/JsonReader.h"

#include <algorithm>

#include "support/Utf8.h"

namespace {

// Large enough that reading costs little next to parsing, small enough that progress
// and cancel come often.
constexpr size_t kChunkBytes = 256 * 1024;
constexpr const char* kEndOfFile = "unexpected end of file";

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int HexValue(int c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

JsonReader::JsonReader(ExportSource& source, size_t maxNesting, size_t keptTextBytes, const ReadProgress& progress,
                       const bool& cancel)
    : source_(source),
      maxNesting_(maxNesting),
      keptTextBytes_(keptTextBytes),
      progress_(progress),
      cancel_(cancel),
      buffer_(kChunkBytes) {}

void JsonReader::FailAt(uint64_t offset, const char* reason) { throw ExportError{offset, reason}; }

bool JsonReader::Refill() {
  if (sourceDone_) return false;
  bufferOffset_ += end_;
  at_ = end_ = 0;
  if (cancel_) throw ExportError{bufferOffset_, "cancelled", true};
  const std::optional<size_t> read = source_.Read(buffer_);
  if (!read) FailAt(bufferOffset_, "the file could not be read");
  if (*read == 0) {
    sourceDone_ = true;
    return false;
  }
  end_ = std::min(*read, buffer_.size());
  if (progress_) progress_(bufferOffset_ + end_);
  return true;
}

int JsonReader::Take() {
  const int c = Peek();
  if (c < 0) FailAt(Here(), kEndOfFile);
  ++at_;
  return c;
}

void JsonReader::SkipSpace() {
  for (int c = Peek(); c == ' ' || c == '\n' || c == '\r' || c == '\t'; c = Peek()) ++at_;
}

JsonReader::Token JsonReader::Next() {
  for (;;) {
    SkipSpace();
    tokenOffset_ = Here();
    const int c = Peek();
    if (c < 0) {
      if (expect_ == Expect::Nothing) return Token::End;
      Fail(kEndOfFile);
    }
    switch (expect_) {
      case Expect::Nothing:
        Fail("unexpected data after the end");
      case Expect::Colon:
        if (c != ':') Fail("expected ':'");
        ++at_;
        expect_ = Expect::Value;
        continue;
      case Expect::CommaOrEnd: {
        const bool array = open_.back() == '[';
        if (c == ',') {
          ++at_;
          expect_ = array ? Expect::Value : Expect::Key;
          continue;
        }
        if (c == (array ? ']' : '}')) return End();
        Fail(array ? "expected ',' or ']'" : "expected ',' or '}'");
      }
      case Expect::KeyOrEnd:
        if (c == '}') return End();
        [[fallthrough]];
      case Expect::Key:
        if (c != '"') Fail("expected a key");
        ++at_;
        ReadString();
        expect_ = Expect::Colon;
        return Token::Key;
      case Expect::ValueOrEnd:
        if (c == ']') return End();
        [[fallthrough]];
      case Expect::Value:
        break;
    }
    Token token = Token::Number;
    switch (c) {
      case '[':
      case '{':
        return Begin(static_cast<char>(c));
      case '"':
        ++at_;
        ReadString();
        token = Token::String;
        break;
      case 't':
        ReadWord("true");
        token = Token::True;
        break;
      case 'f':
        ReadWord("false");
        token = Token::False;
        break;
      case 'n':
        ReadWord("null");
        token = Token::Null;
        break;
      default:
        if (c != '-' && !IsDigit(c)) Fail("expected a value");
        ReadNumber();
    }
    expect_ = open_.empty() ? Expect::Nothing : Expect::CommaOrEnd;
    return token;
  }
}

void JsonReader::SkipValue(Token first) {
  if (first != Token::BeginArray && first != Token::BeginObject) return;
  const size_t depth = open_.size();
  while (open_.size() >= depth) Next();
}

JsonReader::Token JsonReader::Begin(char open) {
  if (open_.size() == maxNesting_) Fail("nesting too deep");
  ++at_;
  open_.push_back(open);
  expect_ = open == '[' ? Expect::ValueOrEnd : Expect::KeyOrEnd;
  return open == '[' ? Token::BeginArray : Token::BeginObject;
}

JsonReader::Token JsonReader::End() {
  const char open = open_.back();
  ++at_;
  open_.pop_back();
  expect_ = open_.empty() ? Expect::Nothing : Expect::CommaOrEnd;
  return open == '[' ? Token::EndArray : Token::EndObject;
}

void JsonReader::ReadString() {
  text_.clear();
  textCut_ = false;
  pendingHigh_ = 0;
  for (;;) {
    // Plain bytes, as many as the chunk holds, in one go.
    const size_t start = at_;
    while (at_ < end_) {
      const auto byte = static_cast<unsigned char>(buffer_[at_]);
      if (byte == '"' || byte == '\\' || byte < 0x20) break;
      ++at_;
    }
    if (at_ > start) {
      KeepPendingHigh();
      Keep(std::string_view(&buffer_[start], at_ - start));
    }
    const int c = Peek();
    if (c < 0) FailAt(Here(), kEndOfFile);
    if (c == '"') {
      ++at_;
      KeepPendingHigh();
      return;
    }
    if (c == '\\')
      ReadEscape();
    else if (c < 0x20)
      FailAt(Here(), "control character in a string");
  }
}

void JsonReader::ReadEscape() {
  const uint64_t escape = Here();
  ++at_;
  char byte = 0;
  switch (Take()) {
    case '"': byte = '"'; break;
    case '\\': byte = '\\'; break;
    case '/': byte = '/'; break;
    case 'b': byte = '\b'; break;
    case 'f': byte = '\f'; break;
    case 'n': byte = '\n'; break;
    case 'r': byte = '\r'; break;
    case 't': byte = '\t'; break;
    case 'u': {
      char16_t unit = 0;
      for (int i = 0; i < 4; ++i) {
        const int value = HexValue(Take());
        if (value < 0) FailAt(escape, "bad escape in a string");
        unit = static_cast<char16_t>(unit << 4 | value);
      }
      if (unit >= 0xDC00 && unit <= 0xDFFF && pendingHigh_) {
        const char16_t pair[] = {pendingHigh_, unit};
        pendingHigh_ = 0;
        KeepUnits({pair, 2});
      } else {
        KeepPendingHigh();
        if (unit >= 0xD800 && unit <= 0xDBFF)
          pendingHigh_ = unit;
        else
          KeepUnits({&unit, 1});  // a lone low surrogate becomes U+FFFD
      }
      return;
    }
    default:
      FailAt(escape, "bad escape in a string");
  }
  KeepPendingHigh();
  Keep(std::string_view(&byte, 1));
}

void JsonReader::ReadNumber() {
  text_.clear();
  textCut_ = false;
  const auto keepTaken = [this] { Keep(std::string_view(&buffer_[at_++], 1)); };
  const auto digits = [&] {
    if (!IsDigit(Peek())) FailAt(Here(), Peek() < 0 ? kEndOfFile : "bad number");
    while (IsDigit(Peek())) keepTaken();
  };
  if (Peek() == '-') keepTaken();
  if (Peek() == '0')
    keepTaken();
  else
    digits();
  if (Peek() == '.') {
    keepTaken();
    digits();
  }
  if (Peek() == 'e' || Peek() == 'E') {
    keepTaken();
    if (Peek() == '+' || Peek() == '-') keepTaken();
    digits();
  }
}

void JsonReader::ReadWord(std::string_view word) {
  for (const char expected : word) {
    if (Take() != expected) Fail("expected a value");
  }
}

void JsonReader::Keep(std::string_view bytes) {
  const size_t room = keptTextBytes_ - std::min(keptTextBytes_, text_.size());
  if (bytes.size() > room) {
    textCut_ = true;
    bytes = bytes.substr(0, room);
  }
  text_ += bytes;
}

void JsonReader::KeepUnits(std::u16string_view units) {
  AppendUtf8(text_, units);
  if (text_.size() > keptTextBytes_) {
    text_.resize(keptTextBytes_);
    textCut_ = true;
  }
}

void JsonReader::KeepPendingHigh() {
  if (!pendingHigh_) return;
  const char16_t lone = pendingHigh_;
  pendingHigh_ = 0;
  KeepUnits({&lone, 1});  // U+FFFD
}
