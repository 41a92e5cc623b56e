#pragma once
// The text key-value format in which Steam keeps its library list and its app
// manifests: quoted keys, each followed by a quoted text or by a block of keys
// in braces; "\\" and "\"" escapes in quoted text, any other backslash kept as
// written; "//" comments to the end of the line. These files are written by
// another program and may be damaged: the parse accepts only what is whole.

#include <cstddef>
#include <string>
#include <vector>

namespace stores {

struct KeyValue {
  std::string key;
  std::string value;            // a value's text; empty for a block
  std::vector<KeyValue> block;  // a block's keys in file order
  bool is_block = false;

  // The first key of this block named name, ASCII case ignored as Steam
  // ignores it; null when there is none.
  const KeyValue* Find(const std::string& name) const;
  // The text value of that key; empty when it is missing or a block.
  std::string ValueOf(const std::string& name) const;
};

// Larger files are no list of Steam's; the limit keeps a hostile one cheap.
constexpr std::size_t kLargestKeyValueText = 1024 * 1024;
// Steam's files nest four deep; the limit keeps the parse's stack small.
constexpr int kDeepestKeyValueBlock = 32;

// Reads text as the keys of one outer block into document. False when the text
// is larger than kLargestKeyValueText, holds a NUL byte, nests blocks deeper
// than kDeepestKeyValueBlock, or is not whole: a key without a value, a brace
// or an unquoted text out of place, a quote or a block left open.
bool ParseKeyValues(const std::string& text, KeyValue& document);

}  // namespace stores
