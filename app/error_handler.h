#pragma once
// The one place where failures end: an error box captioned with the title.

#include <string>

#include "base/messages.h"

namespace app {

// The message with "." appended when its last character is above "." in byte order.
std::string WithFinalPeriod(const std::string& message);

// Cancels any mouse capture and shows the message in the error box (OK, stop sign).
void HandleFailure(const std::string& message);

// Runs action; a failure escaping it goes to HandleFailure and not further, so
// that no exception crosses a Win32 callback frame.
template <typename Action>
void Guarded(Action&& action) noexcept {
  try {
    action();
  } catch (const std::exception& failure) {
    HandleFailure(failure.what());
  } catch (...) {
    HandleFailure(messages::kUnknownFailure);
  }
}

}  // namespace app
