// The data folder "Brackenfold", relative to the game's working directory, and paths inside it.
#pragma once

#include <string>
#include <string_view>

namespace bf {

inline constexpr std::string_view kDataFolder = "Brackenfold";

// "Brackenfold/" + name; the name may hold a sub-folder ("AnimalsPopulation/...").
inline std::string dataFilePath(std::string_view name) {
    std::string path(kDataFolder);
    path += '/';
    path += name;
    return path;
}

}  // namespace bf
