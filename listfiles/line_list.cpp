#include "listfiles/line_list.h"

#include <algorithm>
#include <cstring>

#include "base/failure.h"
#include "base/messages.h"
#include "base/text_routines.h"
#include "listfiles/line_breaks.h"

std::string LoadBytes(platform::System& system, const std::string& path, std::size_t headroom) {
  std::string bytes;
  switch (system.ReadWholeFile(path, bytes, headroom)) {
    case platform::ReadOutcome::Ok:
      return bytes;
    case platform::ReadOutcome::CannotOpen:
      Fail(messages::kCannotOpenFile, path);
    case platform::ReadOutcome::CannotRead:
      break;
  }
  Fail(messages::kCannotReadFile, path);
}

void SaveBytes(platform::System& system, const std::string& path, const std::string& bytes) {
  switch (system.WriteWholeFile(path, bytes)) {
    case platform::WriteOutcome::Ok:
      return;
    case platform::WriteOutcome::CannotCreate:
      Fail(messages::kCannotCreateFile, path);
    case platform::WriteOutcome::NameTooLong:
      Fail(messages::kPathTooLong, path);
    case platform::WriteOutcome::ShortWrite:
      break;
  }
  throw Failure(messages::kStreamWriteError);
}

LineList LineList::LoadLines(platform::System& system, const std::string& path) {
  // Room for what an update appends (21 mission blocks are under 8 KiB).
  constexpr std::size_t kAppendHeadroom = 64 * 1024;
  return FromBytes(LoadBytes(system, path, kAppendHeadroom));
}

LineList LineList::FromBytes(std::string bytes) {
  LineList list;
  const char* const data = bytes.data();
  const std::size_t end = line_breaks::TextEnd(data, bytes.size());
  list.cut_at_nul_ = end != bytes.size();
  const bool joined_form = line_breaks::ForEachLine(
      data, end,
      [&](std::size_t start, std::size_t, std::size_t) { list.starts_.push_back(start); });
  if (joined_form && !list.cut_at_nul_) {
    // The common case: the file is its own joined text, so no copy is made.
    list.text_ = std::move(bytes);
    return list;
  }
  list.starts_.clear();
  list.text_.reserve(end + 2 * list.starts_.capacity());
  line_breaks::ForEachLine(data, end, [&](std::size_t start, std::size_t stop, std::size_t) {
    list.starts_.push_back(list.text_.size());
    list.text_.append(data + start, stop - start).append("\r\n", 2);
  });
  return list;
}

int LineList::LineCount() const { return static_cast<int>(starts_.size()); }

void LineList::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= LineCount()) Fail(messages::kListIndexOutOfBounds, FormatInt(index));
}

std::size_t LineList::LineEnd(std::size_t index) const {
  return (index + 1 < starts_.size() ? starts_[index + 1] : text_.size()) - 2;
}

std::string LineList::GetLine(std::int32_t index) const {
  CheckIndex(index);
  const std::size_t i = static_cast<std::size_t>(index);
  return text_.substr(starts_[i], LineEnd(i) - starts_[i]);
}

void LineList::SetLine(std::int32_t index, const std::string& text) {
  CheckIndex(index);
  const std::size_t i = static_cast<std::size_t>(index);
  const std::size_t old_length = LineEnd(i) - starts_[i];
  text_.replace(starts_[i], old_length, text);
  for (std::size_t later = i + 1; later < starts_.size(); ++later)
    starts_[later] = starts_[later] - old_length + text.size();
}

void LineList::AppendLine(const std::string& text) {
  starts_.push_back(text_.size());
  text_ += text;
  text_ += "\r\n";
}

const std::string& LineList::JoinedText() const { return text_; }

bool LineList::ContainsText(const std::string& needle) const {
  return FindText(needle, text_) != 0;
}

std::vector<bool> LineList::ContainsEach(const std::vector<std::string>& needles) const {
  std::vector<bool> found(needles.size(), false);
  std::vector<bool> first_byte_done(256, false);
  for (std::size_t i = 0; i < needles.size(); ++i) {
    if (needles[i].empty() || found[i]) continue;
    const unsigned char first = static_cast<unsigned char>(needles[i][0]);
    if (first_byte_done[first]) continue;
    first_byte_done[first] = true;
    // One scan over the candidates of this first byte serves every needle that has it.
    std::vector<std::size_t> open;
    for (std::size_t j = i; j < needles.size(); ++j)
      if (!needles[j].empty() && static_cast<unsigned char>(needles[j][0]) == first)
        open.push_back(j);
    const char* const data = text_.data();
    for (std::size_t at = 0; at < text_.size() && !open.empty(); ++at) {
      const void* hit = std::memchr(data + at, first, text_.size() - at);
      if (hit == nullptr) break;
      at = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
      for (std::size_t k = 0; k < open.size();) {
        const std::string& needle = needles[open[k]];
        if (text_.compare(at, needle.size(), needle) == 0) {
          found[open[k]] = true;
          open.erase(open.begin() + static_cast<std::ptrdiff_t>(k));
        } else {
          ++k;
        }
      }
    }
  }
  return found;
}

void LineList::SaveLines(platform::System& system, const std::string& path) const {
  if (cut_at_nul_) Fail(messages::kFileHoldsNulByte, path);
  SaveBytes(system, path, text_);
}
