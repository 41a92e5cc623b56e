#pragma once
// The machine in memory, with Windows' rules where the setup layer meets them:
// names compared without case, a running program that may be renamed but not
// deleted, a folder that holds anything not removed, deletes that wait for a
// restart, and any step refused on request.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

class FakeSystem : public platform::System {
 public:
  // The program runs from program, a file in a folder of its own; the current
  // directory is current.
  FakeSystem(const std::string& program, const std::string& current);

  bool ReadMachineText(const std::string& key, const std::string& name, std::string& text) override;
  bool WriteMachineText(const std::string& key, const std::string& name,
                        const std::string& text) override;
  bool WriteMachineNumber(const std::string& key, const std::string& name,
                          std::uint32_t number) override;
  platform::Removal RemoveMachineKey(const std::string& key) override;
  std::string ProgramFile() override { return program_; }
  std::string ProgramFilesFolder() override { return "C:\\Program Files (x86)"; }
  std::string FullPath(const std::string& path) override;
  bool IsPlainFolder(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  bool FileSize(const std::string& path, std::uint64_t& size) override;
  bool SameSizeAndTime(const std::string& a, const std::string& b) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  bool CopyOver(const std::string& from, const std::string& to) override;
  bool Rename(const std::string& from, const std::string& to) override;
  platform::Removal Delete(const std::string& path) override;
  platform::Removal RemoveFolder(const std::string& path) override;
  bool DeleteAtRestart(const std::string& path) override;

  // Windows starts again: the deletes waiting for it happen, in the order asked.
  void Restart();
  // The program now runs from another file (Installed apps starting the kept copy).
  void RunFrom(const std::string& program) { program_ = program; }
  void AddFile(const std::string& path, std::uint64_t size, std::uint64_t time);
  // Names of files and folders (as last written) at or below path.
  std::vector<std::string> Below(const std::string& path) const;
  std::string EntryText(const std::string& key, const std::string& name) const;

  // Steps named here (as the interface names them) fail.
  std::set<std::string> refused;

 private:
  struct File {
    std::string name;
    std::uint64_t size, time;
  };
  bool Refuses(const char* step) const { return refused.count(step) != 0; }

  std::string program_, current_;
  std::map<std::string, File> files_;                                   // by name without case
  std::map<std::string, std::string> folders_;                          // the same
  std::map<std::string, std::map<std::string, std::string>> registry_;  // numbers as decimal text
  std::vector<std::string> pending_;
};
