#pragma once
// What the install needs from the window it runs in.

#include <string>

namespace engine {

class InstallView {
 public:
  virtual ~InstallView() = default;
  // The path box's text: the game folder exactly as entered.
  virtual std::string GameFolderText() = 0;
  // The plain message dialog with one OK button; returns when it is closed.
  virtual void ShowNotice(const std::string& text) = 0;
  virtual void SetProgressRange(int minimum, int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
  virtual void ShowFinishPage() = 0;
};

}  // namespace engine
