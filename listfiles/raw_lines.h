#pragma once
// A list file's own bytes, seen as lines by the loading rules, from which
// whole lines can be taken out and a line's text replaced while every other
// byte stays as it was: the other lines, each line's own line break, a missing
// last line break, and whatever follows a NUL byte, which ends the text.

#include <cstddef>
#include <string>
#include <vector>

class RawLines {
 public:
  explicit RawLines(std::string bytes);

  std::size_t Count() const { return spans_.size(); }
  // The text of a line, without its line break.
  std::string Line(std::size_t index) const;
  // Takes a line that has text out, its line break with it. Empty lines stay.
  void Remove(std::size_t index);
  bool IsRemoved(std::size_t index) const { return spans_[index].removed; }
  // Replaces the text of a line, keeping its line break.
  void Replace(std::size_t index, const std::string& text);
  bool Changed() const { return changed_; }
  // The file's bytes after the changes. Where lines taken out stood between a
  // lone CR and an empty line ended by LF, the LF that ended them stays: without
  // it, the lone CR and the empty line's LF would read as one CR LF and the
  // empty line would be lost.
  std::string Bytes() const;

 private:
  struct Span {
    std::size_t start, stop, next;  // text [start, stop), line break [stop, next)
    bool removed = false;
    bool replaced = false;
    std::string text;  // the replacement
  };
  std::string bytes_;
  std::vector<Span> spans_;
  bool changed_ = false;
};
