#pragma once

#include <cstdint>

// Whether a folder is a reparse point that leads elsewhere: a junction, a volume mount
// point, a symbolic link, or any reparse point whose tag is unknown or not reported.
// Entering one could loop ("Application Data" points into its own parent) or count a
// volume twice. Folders that are reparse points only because of how their data is
// stored (cloud-file and similar placeholders) do not lead elsewhere.
bool LeadsElsewhere(uint32_t attributes, uint32_t reparseTag);
