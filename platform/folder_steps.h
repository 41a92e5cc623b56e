#pragma once
// Shared by both implementations of FolderHold and by the writes it limits.

#include <string>
#include <vector>

namespace platform {
class FolderHold;
}

namespace platform::detail {

// The hold that limits writes from now on, until it leaves.
void EnterWriteScope(const FolderHold* hold);
void LeaveWriteScope(const FolderHold* hold);

// True when no hold is active, or when the active one holds path's folder.
bool MayWriteInto(const std::string& path);

// A relative folder path and every path above it below the game folder, the
// topmost first: "\Data\Missions" gives "\Data", "\Data\Missions".
std::vector<std::string> FolderSteps(const std::string& relative);

}  // namespace platform::detail
