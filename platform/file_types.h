#pragma once
// What the file calls of platform::System take and answer: an opened source,
// the outcomes of copies, saves, reads and removals, and the hold on the
// folders an install writes into.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class Readability { Readable, Missing, Unreadable };

// A file opened for reading as a copy's source, others free to read it
// meanwhile but not to change it, until it is copied or dropped.
class SourceFile {
 public:
  static constexpr std::intptr_t kNoHandle = -1;
  using Closer = void (*)(std::intptr_t handle);
  // handle: the system's, or kNoHandle when it did not open; close: how the
  // system that opened it lets it go.
  SourceFile(std::intptr_t handle, Readability readability, std::uint64_t size = 0,
             Closer close = nullptr)
      : handle_(handle), readability_(readability), size_(size), close_(close) {}
  SourceFile(SourceFile&& other) noexcept
      : handle_(other.handle_),
        readability_(other.readability_),
        size_(other.size_),
        close_(other.close_) {
    other.handle_ = kNoHandle;
  }
  ~SourceFile() {
    if (handle_ != kNoHandle && close_ != nullptr) close_(handle_);
  }
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;
  SourceFile& operator=(SourceFile&&) = delete;

  // Readable: it opened. Missing: no file of that name. Unreadable: it exists
  // but does not open (held by another program with no sharing, no right to
  // read it, a folder).
  Readability State() const { return readability_; }
  // Its length in bytes when it opened.
  std::uint64_t Size() const { return size_; }
  // Hands the system's handle over to the caller, who closes it.
  std::intptr_t Release() {
    const std::intptr_t handle = handle_;
    handle_ = kNoHandle;
    return handle;
  }

 private:
  std::intptr_t handle_;
  Readability readability_;
  std::uint64_t size_;
  Closer close_;
};

enum class CopyOutcome {
  Ok,
  SourceMissing,  // the source was not there
  NoFolder,       // no folder to write into: missing, or not among the held ones
  NoRoom,         // the destination's drive is full
  InUse,          // another program holds the destination, or its temporary's name
  Refused,        // the system refused to write there (a folder at its name, no right)
  Failed,         // any other failure, a source that did not open included
};

enum class RemoveOutcome { Removed, Missing, NotOurs, Failed };

enum class ReadOutcome { Ok, CannotOpen, CannotRead };

enum class WriteOutcome { Ok, CannotCreate, ShortWrite, NameTooLong };

enum class AppendOpening {
  Ok,
  CannotOpen,  // no file can be opened or made under that name
  NotPlain,    // the name is a link, a folder, or one of several names of one file
};

// A file that lines are added to at its end, as a log is.
class Appendable {
 public:
  virtual ~Appendable() = default;
  // Adds bytes at the end at once; false unless every one of them was written.
  virtual bool Append(const std::string& bytes) = 0;
};

// A folder the install writes into, relative to the game folder as the install
// builds it ("\Data\Missions", "\Run\Data\Missions"), and the names of the
// files it writes there.
struct FolderToWrite {
  std::string relative;
  std::vector<std::string> file_names;
};

enum class HoldOutcome {
  Ok,
  Link,           // a folder on the way is a link, not where its name says
  UntrustedLink,  // Windows refused a junction on the way that no administrator made
  CannotOpen,     // a folder that is there does not open (held by another program, no right)
  PathTooLong,    // a file's temporary would not fit the system's path limit
};

// The folders an install writes into, held from the check until it ends
// (System::HoldFolders says what is checked); while a hold lives, the system
// that gave it writes only into the folders it holds.
class Hold {
 public:
  virtual ~Hold() = default;
  HoldOutcome Outcome() const { return outcome_; }
  // What the outcome names: the folder refused, or the file whose temporary does not fit.
  const std::string& Refused() const { return refused_; }

 protected:
  void Refuse(HoldOutcome outcome, const std::string& what) {
    outcome_ = outcome;
    refused_ = what;
  }

 private:
  HoldOutcome outcome_ = HoldOutcome::Ok;
  std::string refused_;
};

}  // namespace platform
