#pragma once
// The texts of the list-file failures, exactly as the user sees them.

namespace messages {

inline constexpr char CannotOpenFile[] = "Cannot open file %s";
inline constexpr char CannotCreateFile[] = "Cannot create file %s";
inline constexpr char StreamWriteError[] = "Stream write error";
inline constexpr char ListIndexOutOfBounds[] = "List index out of bounds (%d)";
inline constexpr char NotAValidInteger[] = "'%s' is not a valid integer value";
// Reading stopped short of the file's length.
inline constexpr char CannotReadFile[] = "Cannot read file %s";
// Saving would drop everything from the NUL byte on.
inline constexpr char FileHoldsNulByte[] =
    "File %s holds a NUL byte and cannot be rewritten without losing its end";

}  // namespace messages
