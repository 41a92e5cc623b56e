#pragma once
// The program runs elevated in folders that every user may write to: Windows
// can refuse it every junction that no administrator made.

namespace app {

// Turns on redirection trust for the process where Windows has it (Windows 10
// 22H2 and 11 with their updates): a file operation that meets a junction made
// by a user without administrator rights then fails with ERROR_UNTRUSTED_MOUNT_POINT.
// Elsewhere (older Windows, Wine) the program goes on without it; the install's
// own folder check holds everywhere. Called at start, before any file is touched.
void TrustOnlyAdministratorsJunctions();

}  // namespace app
