#pragma once
// The machine in memory, with Windows' rules: names compared without case, a
// folder or a link where a file is expected, files with other names, files
// another program holds, a full disk, steps refused for lack of rights, a
// running program that may be renamed but not deleted, a folder that holds
// anything not removed, deletes that wait for a restart.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

class FakeSystem : public platform::System {
 public:
  // The program runs from program, a file in a folder of its own; the current
  // directory is current. Both folders, and Program Files, are there.
  FakeSystem(const std::string& program, const std::string& current);

  bool ReadRegistryText(platform::Hive hive, const std::string& key, const std::string& name,
                        std::string& text) override;
  std::vector<std::string> SubKeyNames(platform::Hive hive, const std::string& key) override;
  bool WriteMachineText(const std::string& key, const std::string& name,
                        const std::string& text) override;
  bool WriteMachineNumber(const std::string& key, const std::string& name,
                          std::uint32_t number) override;
  platform::Removal RemoveMachineKey(const std::string& key) override;
  std::string ProgramFile() override { return program_; }
  bool ProgramRunsFromTemporaryFolder() override { return false; }
  std::string ProgramFilesFolder() override { return "C:\\Program Files (x86)"; }
  std::string CurrentDirectory() override { return current_; }
  std::string FullPath(const std::string& path) override;
  std::string EnvironmentValue(const std::string& name) override;
  bool RunsUnderWine() override { return under_wine; }
  bool NameFromUtf8(const std::string& utf8, std::string& name) override;
  bool IsFolder(const std::string& path) override;
  bool IsPlainFolder(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  bool FileSize(const std::string& path, std::uint64_t& size) override;
  bool FreeRoom(const std::string& folder, std::uint64_t& bytes) override;
  platform::SourceFile OpenSource(const std::string& path) override;
  platform::SourceFile OpenSourceNamedInWindows1252(const std::string& folder,
                                                    const std::string& file_name) override;
  platform::CopyOutcome CopyFileReplacing(platform::SourceFile source,
                                          const std::string& destination,
                                          std::string* copied = nullptr) override;
  platform::ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes,
                                      std::size_t headroom = 0,
                                      std::size_t largest = SIZE_MAX) override;
  platform::WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes) override;
  platform::RemoveOutcome RemoveFile(const std::string& path) override;
  std::unique_ptr<platform::Hold> HoldFolders(
      const std::string& game_folder, const std::vector<platform::FolderToWrite>& folders) override;
  std::unique_ptr<platform::Appendable> OpenForAppending(const std::string& path,
                                                         platform::AppendOpening& opening) override;
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
  // A folder, with every folder above it.
  void AddFolder(const std::string& path);
  // A file of that size and time of last change, its content unknown.
  void AddFile(const std::string& path, std::uint64_t size, std::uint64_t time);
  // A file with that content, its folders made.
  void PutFile(const std::string& path, const std::string& bytes);
  // A directory link (a junction) where path is, to a folder elsewhere.
  void AddLink(const std::string& path);
  // The file's content; "(none)" where there is no file.
  std::string Content(const std::string& path) const;
  // Names of files and folders (as last written) at or below path.
  std::vector<std::string> Below(const std::string& path) const;
  void SetRegistryText(platform::Hive hive, const std::string& key, const std::string& name,
                       const std::string& text);
  std::string EntryText(const std::string& key, const std::string& name) const;

  // Steps named here (as the interface names them) are refused for lack of rights.
  std::set<std::string> refused;
  // Files and folders another program holds open, sharing nothing.
  std::set<std::string> held;
  // Files that have other names too (hard links).
  std::set<std::string> other_names;
  // The room left on the drive, in bytes.
  std::uint64_t room = 1ull << 40;
  std::map<std::string, std::string> environment;
  bool under_wine = false;

 private:
  class Appender;
  struct File {
    std::string name;
    std::uint64_t size, time;
    std::string bytes;
  };
  bool Refuses(const char* step) const { return refused.count(step) != 0; }
  bool IsHeld(const std::string& path) const;
  bool IsLink(const std::string& path) const;
  // Where a write may go: into an existing folder, within the live hold.
  bool MayWriteInto(const std::string& path) const;
  // Stores bytes as the file at path where the drive has room for them.
  bool Store(const std::string& path, const std::string& bytes);

  std::string program_, current_;
  std::map<std::string, File> files_;                                   // by name without case
  std::map<std::string, std::string> folders_;                          // the same
  std::set<std::string> links_;                                         // the same
  std::map<std::string, std::map<std::string, std::string>> registry_;  // numbers as decimal text
  std::vector<std::string> pending_;
  std::vector<File> opened_;  // each source opened, by its handle
  const std::vector<std::string>* live_hold_ = nullptr;
};
