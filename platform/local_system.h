#pragma once
// The machine's own files, through this build's file layer, with the writes
// limited to the folders of the hold an install takes. The Windows and the
// POSIX system build on it with the rest of what a system is asked.

#include "platform/file_layer.h"
#include "platform/folder_hold.h"
#include "platform/system.h"

namespace platform {

class LocalSystem : public System {
 public:
  std::string ProgramFile() override;
  bool ProgramRunsFromTemporaryFolder() override;
  std::string CurrentDirectory() override;
  bool NameFromUtf8(const std::string& utf8, std::string& name) override;
  bool IsFolder(const std::string& path) override;
  bool FreeRoom(const std::string& folder, std::uint64_t& bytes) override;
  SourceFile OpenSource(const std::string& path) override;
  SourceFile OpenSourceNamedInWindows1252(const std::string& folder,
                                          const std::string& file_name) override;
  CopyOutcome CopyFileReplacing(SourceFile source, const std::string& destination,
                                std::string* copied = nullptr) override;
  ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::size_t headroom = 0,
                            std::size_t largest = SIZE_MAX) override;
  WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes) override;
  RemoveOutcome RemoveFile(const std::string& path) override;
  std::unique_ptr<Hold> HoldFolders(const std::string& game_folder,
                                    const std::vector<FolderToWrite>& folders) override;
  std::unique_ptr<Appendable> OpenForAppending(const std::string& path,
                                               AppendOpening& opening) override;

 protected:
  explicit LocalSystem(ListPut put) : put_(put) {}

 private:
  // No hold is live, or the live one holds path's folder.
  bool MayWriteInto(const std::string& path) const;

  ListPut put_;
  const FolderHold* live_hold_ = nullptr;
};

}  // namespace platform
