#pragma once
// The file layer of this build (file_system_win32.cpp or file_system_posix.cpp
// and their parts), reached only through the machine's System
// (local_system.h), which limits its writes to the folders a hold keeps. What
// each call does is said where System declares it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_types.h"

namespace platform {

// How a saved list's temporary takes the list's place: through the system's
// replace, which keeps the list's identity (Windows), or by a rename over it,
// one step where the system's replace is not (Wine; POSIX has only this).
enum class ListPut { SystemReplace, Rename };

bool IsFolder(const std::string& path);
std::string CurrentDirectory();
std::string ProgramFile();
bool ProgramRunsFromTemporaryFolder();
SourceFile OpenSource(const std::string& path);
SourceFile OpenSourceNamedInWindows1252(const std::string& folder, const std::string& file_name);
CopyOutcome CopyFileReplacing(SourceFile source, const std::string& destination,
                              std::string* copied);
bool FreeRoom(const std::string& folder, std::uint64_t& bytes);
RemoveOutcome RemoveFile(const std::string& path);
bool NameFromUtf8(const std::string& utf8, std::string& name);
ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::size_t headroom,
                          std::size_t largest);
WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes, ListPut put);

}  // namespace platform
