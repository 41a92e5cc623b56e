#pragma once
// Every text the user may see in a message, exactly as shown; "%s" and "%d"
// are filled in by Fail. The wizard's captions and labels are in its design.

namespace messages {

// List files.
inline constexpr char kCannotOpenFile[] = "Cannot open file %s";
inline constexpr char kCannotCreateFile[] = "Cannot create file %s";
inline constexpr char kStreamWriteError[] = "Stream write error";
inline constexpr char kListIndexOutOfBounds[] = "List index out of bounds (%d)";
inline constexpr char kNotAValidInteger[] = "'%s' is not a valid integer value";
// Reading stopped short of the file's length.
inline constexpr char kCannotReadFile[] = "Cannot read file %s";
// A map file the removal must take away and cannot.
inline constexpr char kCannotRemoveFile[] = "Cannot remove file %s";
// The temporary file beside it would pass the system's limit for a path.
inline constexpr char kPathTooLong[] =
    "The path %s is too long: Setup needs room beside it for a temporary file of a longer name";
// Saving would drop everything from the NUL byte on.
inline constexpr char kFileHoldsNulByte[] =
    "File %s holds a NUL byte and cannot be rewritten without losing its end";

// A map file's copy failed once the pack was checked: the pack's file, the
// game's, and why (one of the reasons below).
inline constexpr char kCannotCopyFile[] = "Cannot copy file %s to %s: %s";
inline constexpr char kCopyNoRoom[] = "the drive is full";
inline constexpr char kCopyInUse[] = "another program has it open";
inline constexpr char kCopyRefused[] =
    "the system refused to put it there (a folder of that name, a drive that only reads, "
    "or no right to write there)";
inline constexpr char kCopyFailed[] = "reading or writing it failed";

// The game's registry entry.
inline constexpr char kInvalidDataType[] = "Invalid data type for '%s'";
inline constexpr char kFailedToGetData[] = "Failed to get data for '%s'";

// The install.
inline constexpr char kIncorrectGameFolder[] =
    "Incorrect path to \"Battle for Europe\". Please true again";
// The pack's maps are not all beside Setup.exe: the maps folder looked in, then
// the first file that cannot be read there.
inline constexpr char kPackIncomplete[] =
    "Setup looked for the Zelmora maps in %s, but cannot read %s there.\n\n"
    "Extract the whole archive into one folder and start Setup.exe from that folder. "
    "Nothing has been installed.";
// The same where Setup.exe runs from the temporary folder, where opening it
// from inside an archive puts it without the maps.
inline constexpr char kPackInsideArchive[] =
    "Setup.exe was started from inside the archive, without the Zelmora maps: Setup looked for "
    "them in %s, but cannot read %s there.\n\n"
    "Extract the whole archive into one folder and start Setup.exe from that folder. "
    "Nothing has been installed.";

// The game's drive cannot take the pack: megabytes needed (rounded up), the
// game folder, megabytes free (rounded down).
inline constexpr char kNoRoomForPack[] =
    "The Zelmora maps need %s MB free on the drive of %s, but it has only %s MB free.\n\n"
    "Make room on that drive and run Setup again. Nothing has been installed.";

// The log: a line a step, filled in with paths as the steps use them.
inline constexpr char kLogGameFolder[] = "Game folder: %s (%s)";
inline constexpr char kLogFromPathBox[] = "as the path box reads";
inline constexpr char kLogFromCommandLine[] = "named with /D=";
inline constexpr char kLogFromRegistry[] = "as the game's registry entry names it";
inline constexpr char kLogFromSearch[] = "found where Steam or GOG keep the game";
inline constexpr char kLogFromInstalledApps[] = "where Installed apps says the pack is";
inline constexpr char kLogNotTheGame[] = "Not the game's folder: %s";
inline constexpr char kLogMapsFolder[] = "Maps taken from %s";
inline constexpr char kLogListSaved[] = "Read and saved %s";
inline constexpr char kLogListLeft[] = "Read %s: none of the pack's lines in it, left as it was";
inline constexpr char kLogCopied[] = "Copied %s to %s";
inline constexpr char kLogNotCopied[] = "Not copied, passed over: %s to %s";
inline constexpr char kLogRemoved[] = "Removed %s";
inline constexpr char kLogNotOurs[] = "Left as it is, a link or a folder, not Setup's file: %s";
inline constexpr char kLogRecorded[] = "Entered in Installed apps; kept for removal: %s";
inline constexpr char kLogUnrecorded[] = "Taken out of Installed apps";
inline constexpr char kLogGameGone[] = "The game is no longer in %s";
inline constexpr char kLogDone[] = "Done: %s";
inline constexpr char kLogInstalled[] = "the pack is installed";
inline constexpr char kLogRemovedPack[] = "the pack is removed";
inline constexpr char kLogCancelled[] = "Cancelled: the removal question was answered No";
inline constexpr char kLogFailed[] = "Failed, exit code %d: %s";
inline constexpr char kLogStopped[] = "Stopped: %s";
// The log file named with /LOG= is a link or not a file of its own.
inline constexpr char kLogNotAPlainFile[] =
    "The log file %s is a link, a folder or one of several names of one file: Setup writes its "
    "log only into a plain file of its own. Nothing has been changed.";
// A write to the log failed: the log, and the first line it lacks.
inline constexpr char kLogCannotBeWritten[] =
    "Cannot write file %s: the log stops before the line \"%s\"";

// Runs from the command line: Setup.exe /S, /D=, /LOG=, /uninstall.
inline constexpr char kUnknownArgument[] =
    "Unknown argument: %s\n\nSetup.exe takes /S (no window, no question), /LOG=<file>, "
    "/uninstall, and last /D=<game folder>. Nothing has been changed.";
inline constexpr char kNotAFullPath[] =
    "The game folder given with /D= is not a full path: %s\n\nName it from its drive, as "
    "/D=C:\\Games\\Cossacks 2. Nothing has been changed.";
inline constexpr char kRemoveQuestion[] =
    "Do you really want to remove the Zelmora pack 1.60 from %s ?";
inline constexpr char kRemoved[] = "The Zelmora pack 1.60 has been removed from %s.";
inline constexpr char kNotRecordedAnywhere[] =
    "The Zelmora pack is not entered in Installed apps. To remove it from a game folder, "
    "start Setup.exe /uninstall /D=<game folder>.";
inline constexpr char kNoGameFolderFound[] =
    "Setup found no game folder to install into. Name it with /D=<game folder>.";
// The pack's name in Installed apps.
inline constexpr char kPackDisplayName[] = "Zelmora pack 1.60";
inline constexpr char kCannotRecord[] =
    "The maps are installed, but Installed apps cannot take their entry: %s";
inline constexpr char kCannotForget[] = "Installed apps cannot let the pack go: %s";
// The removal finds the game's folder gone (or no game in it) where its drive is there.
inline constexpr char kGameGoneQuestion[] =
    "The game is no longer in %s, so nothing of the Zelmora pack is left there to remove.\n\n"
    "Do you want to take the Zelmora pack 1.60 out of Installed apps?";
inline constexpr char kEntryTakenOut[] =
    "The Zelmora pack 1.60 has been taken out of Installed apps.";
// The folder and the one above it are both missing: a drive, a card or a share
// that is not there just now.
inline constexpr char kGameFolderUnreachable[] =
    "Setup cannot reach %s just now: the drive, card or network folder that holds it is not "
    "there. Connect it and start the removal again; the Zelmora pack stays in Installed apps.";
// A folder below the game folder is a link (junction, symbolic link) to another place.
inline constexpr char kFolderIsALink[] =
    "The folder %s is a link to another place. Setup writes only into the game's own folders "
    "and has changed nothing";
// A folder the install writes into is there but does not open.
inline constexpr char kFolderCannotBeOpened[] =
    "The folder %s cannot be opened: another program may hold it, or Setup may not read it. "
    "Setup has changed nothing";
// Windows refused a junction on the way that no administrator made.
inline constexpr char kFolderBehindUntrustedLink[] =
    "Windows refused the way to the folder %s: it leads through a link that a user without "
    "administrator rights made. Setup has changed nothing";

// The wizard's questions and dialogs.
inline constexpr char kCancelQuestion[] = "Do you really want to abort installation ?";
inline constexpr char kCancelCaption[] = "MessageBox";
inline constexpr char kBrowseTitle[] = "Select a folder";

// The program itself broken or its system incomplete.
inline constexpr char kUnknownFailure[] = "Unknown failure";
inline constexpr char kCannotLoadSystemLibrary[] = "Cannot load the system library %s";
inline constexpr char kCannotCreateWindow[] = "The wizard window cannot be created";
inline constexpr char kCannotCreateControl[] = "The wizard's control %s cannot be created";
inline constexpr char kCannotDecodePicture[] = "The page picture cannot be decoded: %s";
inline constexpr char kCannotShowPicture[] = "The page picture cannot be shown";
inline constexpr char kResourceMissing[] = "The program's resource %s is missing";
// The last resort when the window cannot be built: kind, program, address,
// message and its period.
inline constexpr char kBrokenStartCaption[] = "Application Error";
inline constexpr char kBrokenStart[] = "Exception %s in module %s at %p.\n%s%s";

}  // namespace messages
