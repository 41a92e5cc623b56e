#pragma once
// The key under which the game finds a map's texts: the second line of its
// mission block and the start of its battle-name line.

#include <string>

inline const std::string TextKeySuffix = "_TXT";

// entry + "_TXT".
inline std::string TextKey(const std::string& entry) { return entry + TextKeySuffix; }
