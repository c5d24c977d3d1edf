#pragma once

#include <string_view>

// Parts of a file path; "\", "/" and a drive's ":" end the folder part.

// The folder part, up to and including the last separator ("C:\Data\" of "C:\Data\a.txt").
std::string_view ExtractFilePath(std::string_view path);
// The name after the folder part.
std::string_view ExtractFileName(std::string_view path);
// The name's extension from its last ".", the point included; empty when it has none.
std::string_view ExtractFileExt(std::string_view path);
// A drive's root, as "C:\" names it: a whole volume.
bool IsDriveRoot(std::string_view path);
