#pragma once
// GOG keeps a registry entry for each game it installed, named by number and
// holding the game's name ("gameName") and folder ("path").

#include <string>

namespace stores {

// Whether a GOG game name names this game ("Cossacks II: Battle for Europe"):
// it holds "Cossacks" and "Battle for Europe", ASCII case ignored, so that the
// game's other episodes are passed over.
bool NamesThisGame(const std::string& gog_game_name);

}  // namespace stores
