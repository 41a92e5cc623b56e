#include "listfiles/line_list.h"

#include "listfiles/failure.h"
#include "listfiles/list_messages.h"
#include "listfiles/text_routines.h"
#include "platform/file_system.h"

LineList LineList::LoadLines(const std::string& path) {
  std::string bytes;
  switch (platform::ReadWholeFile(path, bytes)) {
    case platform::ReadOutcome::Ok:
      return FromBytes(bytes);
    case platform::ReadOutcome::CannotOpen:
      Fail(messages::CannotOpenFile, path);
    case platform::ReadOutcome::CannotRead:
      break;
  }
  Fail(messages::CannotReadFile, path);
}

LineList LineList::FromBytes(const std::string& bytes) {
  LineList list;
  const char* const data = bytes.data();
  const std::size_t size = bytes.size();
  list.text_.reserve(size + 2);
  std::size_t at = 0;
  while (at < size && data[at] != '\0') {
    std::size_t stop = at;
    while (stop < size && data[stop] != '\r' && data[stop] != '\n' && data[stop] != '\0') ++stop;
    list.starts_.push_back(list.text_.size());
    list.text_.append(data + at, stop - at);
    list.text_ += "\r\n";
    at = stop;
    if (at < size && data[at] == '\r') ++at;
    if (at < size && data[at] == '\n') ++at;
  }
  list.cut_at_nul_ = at < size;
  return list;
}

int LineList::LineCount() const { return static_cast<int>(starts_.size()); }

void LineList::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= LineCount()) Fail(messages::ListIndexOutOfBounds, FormatInt(index));
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

void LineList::SaveLines(const std::string& path) const {
  if (cut_at_nul_) Fail(messages::FileHoldsNulByte, path);
  switch (platform::WriteWholeFile(path, text_)) {
    case platform::WriteOutcome::Ok:
      return;
    case platform::WriteOutcome::CannotCreate:
      Fail(messages::CannotCreateFile, path);
    case platform::WriteOutcome::ShortWrite:
      break;
  }
  throw Failure(messages::StreamWriteError);
}
