// The whole tree out of the running program and into it: Velmora /export without a
// window, Export Tree from the menu, and ncdu's and gdu's exports opened as a chart.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

namespace {

// A run of Velmora without its window: how it ended and what it said.
struct HeadlessRun {
  DWORD ExitCode = 0;
  std::string Errors;
  bool WindowShown = false;
};

// Notes whether a window of the process, shown, is among those enumerated.
BOOL CALLBACK NoteShownWindow(HWND window, LPARAM found) {
  auto& [processId, shown] = *reinterpret_cast<std::pair<DWORD, bool>*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == processId && IsWindowVisible(window)) shown = true;
  return TRUE;
}

HeadlessRun RunHeadless(const std::wstring& arguments, const std::wstring& folder) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherited, 0));
  const FileHandle reader(readEnd);
  FileHandle writer(writeEnd);
  SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = writer.Get();
  std::wstring line = L"Velmora.exe " + arguments;
  PROCESS_INFORMATION started{};
  HeadlessRun run;
  if (!CreateProcessW(ProgramPath().c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                      &started)) {
    ADD_FAILURE() << "cannot start Velmora";
    return run;
  }
  const FileHandle process(started.hProcess), thread(started.hThread);
  // Its windows looked for from outside, until it has ended.
  std::pair<DWORD, bool> windows{started.dwProcessId, false};
  WaitFor([&] {
    const bool ended = WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
    EnumWindows(NoteShownWindow, reinterpret_cast<LPARAM>(&windows));
    return ended;
  }, 60000);
  run.WindowShown = windows.second;
  GetExitCodeProcess(process.Get(), &run.ExitCode);
  writer.Reset();  // the pipe ends with the program's end of it
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(reader.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) run.Errors.append(buffer, got);
  return run;
}

class ExportedTree : public SmallTree {
 protected:
  std::wstring Out(const std::wstring& name) const { return out.Path() + name; }
  TempFolder out;  // beside the tree, so exports do not change it
};

TEST_F(ExportedTree, HeadlessWritesTheFormatItsNameSaysWithoutAWindow) {
  HeadlessRun run = RunHeadless(L"/export \"" + Out(L"tree.json") + L"\" \"" + Root() + L"\"", out.Path());
  EXPECT_EQ(run.ExitCode, 0u) << run.Errors;
  EXPECT_FALSE(run.WindowShown);
  const std::string json = FileContent(Out(L"tree.json"));
  EXPECT_EQ(json.rfind("[1,2,{\"progname\":\"Velmora\",\"progver\":\"1.1.0.0\",\"timestamp\":", 0), 0u) << json;
  EXPECT_NE(json.find("{\"name\":\"song.mp3\",\"asize\":90000,\"dsize\":90112}"), std::string::npos) << json;
  // No folder: the current one.
  run = RunHeadless(L"-EXPORT tree.CSV", temp.Path());
  EXPECT_EQ(run.ExitCode, 0u) << run.Errors;
  const std::string csv = FileContent(temp.Path() + L"tree.CSV");
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBFPath,Kind,Nominal,Allocated,Slack,Files,Folders\r\n", 0), 0u) << csv;
  EXPECT_NE(csv.find("\r\n" + WideToUtf8(temp.Path()) + "Music\\song.mp3,file,90000,90112,112,,\r\n"),
            std::string::npos) << csv;
}

TEST_F(ExportedTree, HeadlessFailsWithOneLineAndLeavesNothingBehind) {
  const struct {
    std::wstring Arguments;
    DWORD ExitCode;
    std::string Says;
  } failures[] = {
      {L"/export", 2, "Usage: Velmora /export FILE [FOLDER]"},
      {L"/export tree.json \"" + Root() + L"\\missing\"", 2, "no such folder"},
      {L"/export \"" + Out(L"missing\\tree.json") + L"\" \"" + Root() + L"\"", 1, "Cannot save"},
      {L"/export \"" + Out(L"kept.csv") + L"\" \"" + Root() + L"\"", 1, "Cannot save"},
  };
  out.MakeFile(L"kept.csv", 100);
  SetFileAttributesW(Out(L"kept.csv").c_str(), FILE_ATTRIBUTE_READONLY);
  const std::string kept = FileContent(Out(L"kept.csv"));
  for (const auto& [arguments, exitCode, says] : failures) {
    const HeadlessRun run = RunHeadless(arguments, out.Path());
    EXPECT_EQ(run.ExitCode, exitCode) << WideToUtf8(arguments);
    EXPECT_NE(run.Errors.find(says), std::string::npos) << run.Errors;
    EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 1) << run.Errors;
    EXPECT_FALSE(run.WindowShown);
  }
  EXPECT_EQ(FileContent(Out(L"kept.csv")), kept);
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileW(Out(L"*").c_str(), &found));
  std::vector<std::wstring> left;
  if (search) do left.push_back(found.cFileName); while (FindNextFileW(search.Get(), &found));
  EXPECT_EQ(left, (std::vector<std::wstring>{L".", L"..", L"kept.csv"}));
  SetFileAttributesW(Out(L"kept.csv").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ExportedTree, FromTheMenuAsCsv) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  ASSERT_TRUE(velmora.SaveAs(velmora.OpenFromMenu(L'f', L't', L"Export tree"), Out(L"menu.csv")));
  ASSERT_TRUE(WaitFor([&] { return !FileContent(Out(L"menu.csv")).empty(); }));
  EXPECT_NE(FileContent(Out(L"menu.csv")).find("\r\n" + WideToUtf8(temp.Path()) + "Docs\\Sub,folder,5000,8192,3192,1,0\r\n"),
            std::string::npos);
  CloseCleanly(velmora);
}

// The levels of a tree as Velmora shows them: the root's, Docs's and Docs\Sub's lists.
std::vector<std::vector<std::string>> Levels(const Velmora& velmora) {
  EXPECT_TRUE(velmora.WaitUntilShown());
  std::vector<std::vector<std::string>> levels{velmora.ListLines()};
  for (const char* folder : {"docs", "sub"}) {  // as the list shows them
    const std::wstring caption = velmora.Caption();
    for (const std::string& line : velmora.ListLines())
      if (line.ends_with(std::string("   \\") + folder)) velmora.DoubleClickLine(line);
    EXPECT_TRUE(WaitFor([&] { return velmora.Caption() != caption; })) << folder;
    levels.push_back(velmora.ListLines());
  }
  return levels;
}

TEST_F(ExportedTree, OfNcduAndGduOpenAsTheScanOfTheirTreeShowsIt) {
  StoreInteger(L"Display units", 0);  // bytes
  StoreInteger(L"Display mode", 0);   // nominal: ncdu counts the blocks of sparse files
  const std::string tree = WideToUtf8(temp.UnixPath(L""));
  if (!out.RunUnixScript("ncdu -o ncdu.json '" + tree + "' && gdu -n -o gdu.json '" + tree + "'"))
    GTEST_SKIP() << "no ncdu and gdu";
  std::vector<std::vector<std::string>> scanned;
  {
    const Velmora velmora(Root());
    scanned = Levels(velmora);
    CloseCleanly(velmora);
  }
  for (const wchar_t* file : {L"ncdu.json", L"gdu.json"}) {
    const Velmora velmora(Out(file));
    EXPECT_EQ(Levels(velmora), scanned) << WideToUtf8(file);
    EXPECT_TRUE(velmora.Caption().ends_with(L" (" + Out(file) + L")")) << WideToUtf8(velmora.Caption());
    CloseCleanly(velmora);
  }
}

TEST_F(ExportedTree, ThatIsCutShortIsNamedWithWhereAndTheTreeShownStays) {
  const std::string whole = "[1,0,{},[{\"name\":\"/x\"},{\"name\":\"a\",\"asize\":1}";
  {
    const FileHandle file(CreateFileW(Out(L"cut.json").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr);
  }
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  const std::vector<std::string> shown = velmora.ListLines();
  HWND dialog = velmora.OpenFromMenu(L'f', L'e', L"Open export");
  ASSERT_NE(dialog, nullptr);
  velmora.Type(velmora.Child(L"Edit", L"", dialog), Out(L"cut.json"));
  velmora.PressKey(velmora.Child(L"Edit", L"", dialog), VK_RETURN);
  HWND message = velmora.WaitForWindow(L"Velmora - cannot open export");
  ASSERT_NE(message, nullptr);
  EXPECT_NE(FindChild(message, L"Static",
                      L"Cannot open " + Out(L"cut.json") + L": unexpected end of file (at byte " +
                          std::to_wstring(whole.size()) + L")."),
            nullptr);
  PostMessageW(FindChild(message, L"Button", L"OK"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(message); }));
  EXPECT_EQ(velmora.ListLines(), shown);
  EXPECT_EQ(velmora.Caption(), L"Velmora - " + temp.Path());
  CloseCleanly(velmora);
}

}  // namespace
