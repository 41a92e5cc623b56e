#pragma once
// The machine as Windows (or Wine) has it.

#include "platform/local_system.h"

namespace platform {

class Win32System : public LocalSystem {
 public:
  // Lists are saved through the system's replace on Windows. Wine's replace
  // moves the old list away, deletes it and only then moves the new content
  // in, so a process ended between those steps leaves no list at all: there a
  // rename over the list is one step.
  Win32System();
  explicit Win32System(ListPut put) : LocalSystem(put) {}

  bool ReadRegistryText(Hive hive, const std::string& key, const std::string& name,
                        std::string& text) override;
  std::vector<std::string> SubKeyNames(Hive hive, const std::string& key) override;
  bool WriteMachineText(const std::string& key, const std::string& name,
                        const std::string& text) override;
  bool WriteMachineNumber(const std::string& key, const std::string& name,
                          std::uint32_t number) override;
  Removal RemoveMachineKey(const std::string& key) override;
  std::string ProgramFilesFolder() override;
  std::string FullPath(const std::string& path) override;
  std::string EnvironmentValue(const std::string& name) override;
  bool RunsUnderWine() override;
  bool IsPlainFolder(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  bool FileSize(const std::string& path, std::uint64_t& size) override;
  bool SameSizeAndTime(const std::string& a, const std::string& b) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  bool CopyOver(const std::string& from, const std::string& to) override;
  bool Rename(const std::string& from, const std::string& to) override;
  Removal Delete(const std::string& path) override;
  Removal RemoveFolder(const std::string& path) override;
  bool DeleteAtRestart(const std::string& path) override;
};

}  // namespace platform
