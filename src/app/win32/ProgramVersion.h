#pragma once

// The program's version: in its version resource, and in the trees it exports.
#define VELMORA_FILE_VERSION "1.1.0.0"
