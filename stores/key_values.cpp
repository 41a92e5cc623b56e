#include "stores/key_values.h"

#include <utility>

#include "base/text_routines.h"

namespace stores {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  bool ParseBlock(KeyValue& block, int depth) {
    block.is_block = true;
    for (;;) {
      Token token = Token::End;
      KeyValue entry;
      if (!Next(token, entry.key)) return false;
      if (token == Token::End) return depth == 0;
      if (token == Token::Close) return depth > 0;
      if (token == Token::Open || !Next(token, entry.value)) return false;
      if (token == Token::Open) {
        if (depth == kDeepestKeyValueBlock || !ParseBlock(entry, depth + 1)) return false;
      } else if (token != Token::Text) {
        return false;
      }
      block.block.push_back(std::move(entry));
    }
  }

 private:
  enum class Token { Text, Open, Close, End };

  void SkipSpaceAndComments() {
    while (at_ < text_.size()) {
      if (IsSpace(text_[at_])) {
        ++at_;
      } else if (text_.compare(at_, 2, "//") == 0) {
        const std::size_t line_end = text_.find('\n', at_);
        at_ = line_end == std::string::npos ? text_.size() : line_end;
      } else {
        return;
      }
    }
  }

  // The next token, its text in text; false on an unquoted text or a quote
  // left open.
  bool Next(Token& token, std::string& text) {
    SkipSpaceAndComments();
    if (at_ == text_.size()) {
      token = Token::End;
      return true;
    }
    const char first = text_[at_++];
    if (first == '{' || first == '}') {
      token = first == '{' ? Token::Open : Token::Close;
      return true;
    }
    token = Token::Text;
    if (first != '"') return false;
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      // A backslash escapes only a backslash or a quote; any other stays as
      // written, as in a path typed with single ones.
      const bool escape =
          c == '\\' && at_ + 1 < text_.size() && (text_[at_ + 1] == '\\' || text_[at_ + 1] == '"');
      if (escape) ++at_;
      text += text_[at_];
    }
    return false;
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace

const KeyValue* KeyValue::Find(const std::string& name) const {
  const std::string wanted = AsciiLowerCase(name);
  for (const KeyValue& entry : block)
    if (AsciiLowerCase(entry.key) == wanted) return &entry;
  return nullptr;
}

std::string KeyValue::ValueOf(const std::string& name) const {
  const KeyValue* entry = Find(name);
  return entry == nullptr || entry->is_block ? std::string() : entry->value;
}

bool ParseKeyValues(const std::string& text, KeyValue& document) {
  document = KeyValue();
  if (text.size() > kLargestKeyValueText || text.find('\0') != std::string::npos) return false;
  return Parser(text).ParseBlock(document, 0);
}

}  // namespace stores
