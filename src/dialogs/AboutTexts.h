#pragma once

#include <optional>
#include <string>
#include <string_view>

// The texts of the about box.

// "About Quillfen's " and the product name.
std::string AboutCaption(std::string_view productName);

// "VELMORA.EXE, V1.2.3.4, 2001 Jul 04": the executable's file name as the system
// gives it, the version text and the comments.
std::string AboutVersionLine(std::string_view executablePath, std::string_view version,
                             std::string_view comments);

// What a click on the web address opens: nothing for an empty text; "http://" is put
// in front unless the text holds it somewhere (matched exactly, so "https://x" gets it).
std::optional<std::string> WebAddressToOpen(std::string_view text);
