#pragma once
// The machine as a POSIX system has it: its files and folders, an environment,
// and no registry (every read finds nothing, every write fails).

#include "platform/local_system.h"

namespace platform {

class PosixSystem : public LocalSystem {
 public:
  PosixSystem() : LocalSystem(ListPut::Rename) {}

  bool ReadRegistryText(Hive, const std::string&, const std::string&, std::string&) override {
    return false;
  }
  std::vector<std::string> SubKeyNames(Hive, const std::string&) override { return {}; }
  bool WriteMachineText(const std::string&, const std::string&, const std::string&) override {
    return false;
  }
  bool WriteMachineNumber(const std::string&, const std::string&, std::uint32_t) override {
    return false;
  }
  Removal RemoveMachineKey(const std::string&) override { return Removal::Failed; }
  std::string ProgramFilesFolder() override { return std::string(); }
  std::string FullPath(const std::string& path) override;
  std::string EnvironmentValue(const std::string& name) override;
  bool RunsUnderWine() override { return false; }
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
  // POSIX has no restart that deletes: false.
  bool DeleteAtRestart(const std::string&) override { return false; }
};

}  // namespace platform
