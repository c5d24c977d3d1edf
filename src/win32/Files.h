#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The absolute form of a path as a user gives it, a trailing backslash kept; none when
// it names nothing a path can.
std::optional<std::wstring> FullPath(const std::wstring& path);

// An absolute "\\?\" form of a path as a user gives it (relative, with "." or "..",
// with forward slashes, or on a network share).
std::wstring ExtendedLengthPath(const std::wstring& path);

// The space a file takes on the disk, compressed or sparse; none when it cannot be had.
std::optional<uint64_t> CompressedSizeOf(const std::wstring& extendedPath);

// Whether a file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// The running program's full file name.
std::string ExecutablePath();

// The system's message for an error code, without the line break at its end.
std::string SystemMessage(unsigned long error);
