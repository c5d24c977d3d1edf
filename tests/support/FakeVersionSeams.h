#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/VersionSource.h"
#include "gui/CaptionView.h"
#include "gui/ReportView.h"

// Files with version blocks, and which were read.
struct FakeVersionSource : VersionSource {
  std::map<std::string, std::vector<uint8_t>> Blocks;
  std::string Executable = "C:\\Program Files\\Velmora\\Velmora.exe";
  std::string Module = "C:\\Program Files\\Velmora\\Reader.dll";
  bool InExecutable = true;
  std::vector<std::string> Reads;

  std::vector<uint8_t> ReadVersionBlock(const std::string& path) override {
    Reads.push_back(path);
    return Blocks.contains(path) ? Blocks[path] : std::vector<uint8_t>();
  }
  std::string ExecutablePath() override { return Executable; }
  std::string ComponentModulePath() override { return Module; }
  bool ComponentInExecutable() override { return InExecutable; }
};

struct FakeLabel : TComponent, TCaptionView {
  std::string Caption = "(untouched)";
  void SetCaption(std::string_view caption) override { Caption = caption; }
  TComponent& Component() override { return *this; }
};

struct FakeReportView : TComponent, TReportView {
  std::vector<std::pair<std::string, int>> Columns;
  std::vector<std::pair<std::string, std::string>> Rows;
  bool ReadOnlyReport = false;

  void Clear() override { Columns.clear(); Rows.clear(); }
  void SetReadOnlyReport() override { ReadOnlyReport = true; }
  void AddColumn(std::string_view caption, int width) override { Columns.emplace_back(caption, width); }
  void AddRow(std::string_view caption, std::string_view value) override { Rows.emplace_back(caption, value); }
  TComponent& Component() override { return *this; }
};
