#pragma once
// What keeps an install on record for its removal (Installed apps); none of
// the window's business.

#include <string>

namespace engine {

class InstallRecord {
 public:
  virtual ~InstallRecord() = default;
  // The pack is in place in game_folder. Fails when it cannot be kept on record.
  virtual void Record(const std::string& game_folder) = 0;
};

}  // namespace engine
