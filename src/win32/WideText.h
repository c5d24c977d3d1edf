#pragma once

#include <string>
#include <string_view>

// Conversions at the Windows boundary: UTF-8 inside, UTF-16 for the wide calls
// (wchar_t is UTF-16 on Windows).
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// The text in the system's ANSI code page; characters it lacks become "?".
std::string Utf8ToAnsi(std::string_view text);
