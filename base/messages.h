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
// The temporary file beside it would pass the system's limit for a path.
inline constexpr char kPathTooLong[] =
    "The path %s is too long: Setup needs room beside it for a temporary file of a longer name";
// Saving would drop everything from the NUL byte on.
inline constexpr char kFileHoldsNulByte[] =
    "File %s holds a NUL byte and cannot be rewritten without losing its end";

// The game's registry entry.
inline constexpr char kInvalidDataType[] = "Invalid data type for '%s'";
inline constexpr char kFailedToGetData[] = "Failed to get data for '%s'";

// The install.
inline constexpr char kIncorrectGameFolder[] =
    "Incorrect path to \"Battle for Europe\". Please true again";
// A folder below the game folder is a link (junction, symbolic link) to another place.
inline constexpr char kFolderIsALink[] =
    "The folder %s is a link to another place. Setup writes only into the game's own folders "
    "and has changed nothing";
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
