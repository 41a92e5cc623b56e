#include "app/error_handler.h"

#include <windows.h>

#include "app/message_services.h"
#include "app/title.h"

namespace app {

std::string WithFinalPeriod(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void HandleFailure(const std::string& message) {
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  ShowMessageBox(WithFinalPeriod(message), ApplicationTitle(), MB_OK | MB_ICONSTOP);
}

}  // namespace app
