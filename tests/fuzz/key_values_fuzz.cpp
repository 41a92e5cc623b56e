// libFuzzer target: the parse of Steam's key-value files on arbitrary bytes,
// and what is read from them. Aborts on any broken property.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "stores/key_values.h"
#include "stores/steam_library.h"

namespace {

using stores::KeyValue;

void Check(bool property) {
  if (!property) std::abort();
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The block's keys written back, every text quoted and escaped.
std::string Written(const KeyValue& block) {
  std::string text;
  for (const KeyValue& entry : block.block)
    text += Quoted(entry.key) +
            (entry.is_block ? " {\n" + Written(entry) + "}\n" : " " + Quoted(entry.value) + "\n");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  KeyValue document;
  if (!stores::ParseKeyValues(std::string(reinterpret_cast<const char*>(data), size), document))
    return 0;
  // What was read, written back, reads as the same keys and texts.
  const std::string written = Written(document);
  KeyValue again;
  Check(stores::ParseKeyValues(written, again) && Written(again) == written);
  for (const std::string& folder : stores::LibraryFoldersIn(document)) Check(!folder.empty());
  const std::string dir = stores::InstallDirIn(document);
  Check(dir != "." && dir != ".." && dir.find_first_of("\\/:") == std::string::npos);
  return 0;
}
