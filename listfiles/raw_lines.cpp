#include "listfiles/raw_lines.h"

#include "listfiles/line_breaks.h"

RawLines::RawLines(std::string bytes) : bytes_(std::move(bytes)) {
  line_breaks::ForEachLine(bytes_.data(), line_breaks::TextEnd(bytes_.data(), bytes_.size()),
                           [&](std::size_t start, std::size_t stop, std::size_t next) {
                             spans_.push_back({start, stop, next, false, false, std::string()});
                           });
}

std::string RawLines::Line(std::size_t index) const {
  const Span& span = spans_[index];
  return span.replaced ? span.text : bytes_.substr(span.start, span.stop - span.start);
}

void RawLines::Remove(std::size_t index) {
  if (spans_[index].stop == spans_[index].start) return;
  spans_[index].removed = true;
  changed_ = true;
}

void RawLines::Replace(std::size_t index, const std::string& text) {
  spans_[index].replaced = true;
  spans_[index].text = text;
  changed_ = true;
}

std::string RawLines::Bytes() const {
  std::string out;
  out.reserve(bytes_.size());
  const auto append = [&](const Span& span) {
    if (span.replaced)
      out += span.text;
    else
      out.append(bytes_, span.start, span.stop - span.start);
    out.append(bytes_, span.stop, span.next - span.stop);
  };
  for (std::size_t i = 0; i < spans_.size(); ++i) {
    const Span& span = spans_[i];
    if (span.removed) continue;
    const bool empty_after_lf =
        span.start == span.stop && span.stop < span.next && bytes_[span.stop] == '\n';
    // The removed line's break ended in LF: that LF stays, so that the lone CR
    // and it read as one CR LF and the empty line keeps its own.
    if (empty_after_lf && i > 0 && spans_[i - 1].removed && !out.empty() && out.back() == '\r')
      out += '\n';
    append(span);
  }
  const std::size_t text_end = spans_.empty() ? 0 : spans_.back().next;
  out.append(bytes_, text_end, std::string::npos);
  return out;
}
