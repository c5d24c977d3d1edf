#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "TempFolder.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

// Folder trees for the end-to-end tests.

// A fresh folder and no stored settings.
class TreeTest : public ::testing::Test {
 protected:
  TreeTest() { ForgetStoredSettings(); }
  // The folder as a user names it, without a trailing backslash.
  std::wstring Root() const { return temp.Path().substr(0, temp.Path().size() - 1); }
  TempFolder temp;
};

// A small tree of known sizes: 4096-byte clusters make the KB figures.
class SmallTree : public TreeTest {
 protected:
  SmallTree() {
    temp.MakeFile(L"big.iso", 150000);        // 37 clusters: 148.0 KB
    temp.MakeFile(L"Music\\song.mp3", 90000);  // 22 clusters: 88.0 KB
    temp.MakeFile(L"Docs\\report.doc", 30000);  // 8 clusters
    temp.MakeFile(L"Docs\\Sub\\notes.txt", 5000);
    temp.MakeFile(L"ReadMe.TXT", 100);
  }
  std::string Caption(const std::wstring& below = L"") const {
    return "Velmora - " + WideToUtf8(temp.Path() + below);
  }
};

// A tree of 10,000 folders, enough to catch a scan in progress.
class BigTree : public TreeTest {
 protected:
  BigTree() {
    // Big enough that a loaded machine does not finish scanning it before a key
    // pressed during the scan arrives.
    if (!temp.RunUnixScript("mkdir -p d{1..100}/e{1..100} && for a in {1..100}; do echo x > d$a/f; done"))
      throw std::runtime_error("cannot make the tree");
  }
};
