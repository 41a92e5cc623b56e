#include "app/title.h"

#include <windows.h>

namespace app {

std::string TitleFromProgramPath(const std::string& path) {
  std::string title = path.substr(path.rfind('\\') + 1);
  title = title.substr(0, title.find('.'));
  if (title.size() > 1) CharLowerBuffA(&title[1], static_cast<DWORD>(title.size() - 1));
  return title;
}

const std::string& ApplicationTitle() {
  static const std::string title = [] {
    char buffer[256] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    // A path cut at the buffer's end comes back unterminated before Vista.
    std::string path(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
    OemToCharBuffA(path.c_str(), &path[0], static_cast<DWORD>(path.size()));
    return TitleFromProgramPath(path);
  }();
  return title;
}

}  // namespace app
