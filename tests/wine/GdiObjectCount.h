#pragma once

// How many GDI objects this process holds now. Wine answers 0 to GetGuiResources, so
// there its handle table, which the process's own memory holds, is counted. Throws
// std::runtime_error when the table cannot be read, so a test fails rather than
// compare one failed reading with another.
long GdiObjectsOfThisProcess();
