// A second program that holds a file open for reading, sharing everything, as
// a virus scanner or the search indexer does:
//   list_holder PATH HOLD_MS READY_FILE
// With HOLD_MS 0 it holds PATH for good; otherwise it holds it for HOLD_MS after
// every change it sees (each save replaces the file), and adds a line to
// READY_FILE per hold. READY_FILE is created once it is watching or holding.

#include <windows.h>

#include <cstdlib>
#include <fstream>

namespace {

HANDLE Hold(const char* path) {
  return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// When and how large: a save replaces the file with a newer, longer one.
bool Stamp(const char* path, WIN32_FILE_ATTRIBUTE_DATA& stamp) {
  return GetFileAttributesExA(path, GetFileExInfoStandard, &stamp) != 0;
}

bool SameStamp(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b) {
  return CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0 &&
         a.nFileSizeLow == b.nFileSizeLow && a.nFileSizeHigh == b.nFileSizeHigh;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const char* path = argv[1];
  const DWORD hold_ms = static_cast<DWORD>(std::atoi(argv[2]));
  std::ofstream ready(argv[3]);
  if (hold_ms == 0) {
    if (Hold(path) == INVALID_HANDLE_VALUE) return 1;
    ready << "holding\n" << std::flush;
    for (;;) Sleep(INFINITE);  // until the test ends it
  }
  WIN32_FILE_ATTRIBUTE_DATA seen = {};
  Stamp(path, seen);
  ready << "watching\n" << std::flush;
  for (;;) {
    WIN32_FILE_ATTRIBUTE_DATA now = {};
    if (!Stamp(path, now) || SameStamp(now, seen)) {
      Sleep(1);
      continue;
    }
    HANDLE held = Hold(path);
    if (held == INVALID_HANDLE_VALUE) continue;  // the saver still has it: try again
    seen = now;
    Sleep(hold_ms);
    CloseHandle(held);
    ready << "held\n" << std::flush;
  }
}
