// A stand-in planted beside Setup.exe under a system library's name: when any
// process loads it, it leaves "<its own path>.loaded" behind.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    char path[MAX_PATH + 16] = {};
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    lstrcpyA(path + length, ".loaded");
    CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  return TRUE;
}
