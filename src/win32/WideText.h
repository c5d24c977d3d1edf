#pragma once

#include <string>
#include <string_view>

// Conversions at the Windows boundary: UTF-8 inside, UTF-16 for the wide calls.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// Appends the UTF-8 form of `text` to `out`; an unpaired surrogate becomes U+FFFD.
// Quicker than WideToUtf8 for the many short names of a directory listing.
void AppendUtf8(std::string& out, std::wstring_view text);

// The text in the system's ANSI code page; characters it lacks become "?".
std::string Utf8ToAnsi(std::string_view text);
