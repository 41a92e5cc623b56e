#include "stores/gog_game.h"

#include "base/text_routines.h"

namespace stores {

bool NamesThisGame(const std::string& gog_game_name) {
  const std::string name = AsciiLowerCase(gog_game_name);
  return name.find("cossacks") != std::string::npos &&
         name.find("battle for europe") != std::string::npos;
}

}  // namespace stores
