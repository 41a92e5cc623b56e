#include "setup/setup_options.h"

#include <cctype>

#include "base/failure.h"
#include "base/messages.h"

namespace setup {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void Refuse(const std::string& argument, SetupOptions& options) {
  if (options.refusal.empty()) options.refusal = FillIn(messages::kUnknownArgument, argument);
}

// Whether text begins with the switch, in any letter case.
bool StartsWithSwitch(const std::string& text, const std::string& name) {
  if (text.size() < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != name[i]) return false;
  return true;
}

std::string WithoutEnclosingQuotes(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

// Sets value from what follows name= in argument; refuses an empty one.
void TakeValue(const std::string& argument, const std::string& name, std::string& value,
               SetupOptions& options) {
  value = WithoutEnclosingQuotes(argument.substr(name.size()));
  if (value.empty()) Refuse(argument, options);
}

// From a drive (C:\...) or a share (\\server\share\...): a folder that
// means the same whatever the current directory.
bool IsFullPath(const std::string& path) {
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return true;
  const char drive = static_cast<char>(path.empty() ? 0 : path[0] | 0x20);
  return path.size() >= 3 && drive >= 'a' && drive <= 'z' && path[1] == ':' && path[2] == '\\';
}

}  // namespace

SetupOptions ParseSetupOptions(const std::string& arguments) {
  SetupOptions options;
  std::size_t at = 0;
  for (;;) {
    while (at < arguments.size() && IsBlank(arguments[at])) ++at;
    if (at == arguments.size()) return options;
    // As it stands, or quoted whole as Wine and scripts quote an argument with spaces.
    const std::string rest =
        WithoutEnclosingQuotes(arguments.substr(at, arguments.find_last_not_of(" \t") + 1 - at));
    if (StartsWithSwitch(rest, "/d=")) {
      TakeValue(rest, "/d=", options.game_folder, options);
      if (!options.game_folder.empty() && !IsFullPath(options.game_folder) &&
          options.refusal.empty())
        options.refusal = FillIn(messages::kNotAFullPath, options.game_folder);
      return options;
    }
    // One argument: up to the next blank outside quotes, the quotes dropped.
    std::string argument;
    bool quoted = false;
    for (; at < arguments.size() && (quoted || !IsBlank(arguments[at])); ++at) {
      if (arguments[at] == '"')
        quoted = !quoted;
      else
        argument += arguments[at];
    }
    if (StartsWithSwitch(argument, "/log="))
      TakeValue(argument, "/log=", options.log_file, options);
    else if (argument.size() == 2 && StartsWithSwitch(argument, "/s"))
      options.silent = true;
    else if (argument.size() == 10 && StartsWithSwitch(argument, "/uninstall"))
      options.uninstall = true;
    else
      Refuse(argument, options);
  }
}

}  // namespace setup
