#pragma once
// A text file as an ordered list of 8-bit lines, loaded whole and saved whole.
// Loading ends a line at CR LF, a lone LF or a lone CR, and ends the text at a
// NUL byte; saving writes every line followed by CR LF.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system.h"

// The file's whole content, as it is. Fails with "Cannot open file %s" when it
// cannot be opened for reading, "Cannot read file %s" when it cannot be read whole.
std::string LoadBytes(platform::System& system, const std::string& path, std::size_t headroom = 0);

// Writes bytes as the file's whole content, as SaveLines does, with its failures.
// Fails with kPathTooLong, writing nothing, where no temporary beside it fits.
void SaveBytes(platform::System& system, const std::string& path, const std::string& bytes);

class LineList {
 public:
  // Reads the whole file. Fails with "Cannot open file %s" when it cannot be
  // opened for reading, "Cannot read file %s" when it cannot be read whole.
  static LineList LoadLines(platform::System& system, const std::string& path);

  // Splits bytes into lines by the loading rules.
  static LineList FromBytes(std::string bytes);

  int LineCount() const;
  // Both fail with "List index out of bounds (%d)" outside 0 .. LineCount() - 1.
  std::string GetLine(std::int32_t index) const;
  void SetLine(std::int32_t index, const std::string& text);
  void AppendLine(const std::string& text);

  // Every line followed by CR LF.
  const std::string& JoinedText() const;
  // FindText(needle, JoinedText()) != 0.
  bool ContainsText(const std::string& needle) const;
  // ContainsText of each needle, in one pass over the text instead of one each.
  std::vector<bool> ContainsEach(const std::vector<std::string>& needles) const;

  // Writes JoinedText() as the file's whole content. Fails with "Cannot create
  // file %s" when the file cannot be opened for writing with no sharing, and with
  // "Stream write error" when the write falls short; the old content survives both.
  // Fails with kPathTooLong, writing nothing, where no temporary beside it fits.
  // A list loaded from a file holding a NUL byte is never saved: that would cut
  // the file at the NUL.
  void SaveLines(platform::System& system, const std::string& path) const;

 private:
  void CheckIndex(std::int32_t index) const;
  // Offset in text_ one past the line's last byte (where its CR LF begins).
  std::size_t LineEnd(std::size_t index) const;

  // The list is kept as its joined text, so that containment tests and saving
  // never rebuild it; starts_ holds where each line begins in it.
  std::string text_;
  std::vector<std::size_t> starts_;
  bool cut_at_nul_ = false;
};
