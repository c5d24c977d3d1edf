// dump_version_blocks OUTDIR FILE...: writes the version block of each file, as
// GetFileVersionInfoW returns it, to OUTDIR\<file name>.bin, to start the fuzzer from.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  int written = 0;
  for (int i = 2; i < argc; ++i) {
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(argv[i], &ignored));
    if (block.empty() || !GetFileVersionInfoW(argv[i], 0, block.size(), block.data())) continue;
    const std::wstring path = argv[i];
    const std::wstring out = std::wstring(argv[1]) + L"\\" + path.substr(path.find_last_of(L"\\/") + 1) + L".bin";
    FILE* file = _wfopen(out.c_str(), L"wb");
    if (!file) return 1;
    written += std::fwrite(block.data(), 1, block.size(), file) == block.size();
    std::fclose(file);
  }
  std::printf("%d blocks written\n", written);
  return written > 0 ? 0 : 1;
}
