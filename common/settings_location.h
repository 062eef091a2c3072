#pragma once
// Where the settings file lives: beside the executable where the user may write there (a copy
// unpacked into a folder of its own), else in the user's configuration folder (an installed
// copy under /usr/bin).
#include <string>

namespace zolvik {

inline constexpr const char *kSettingsFileName = "zolviktools.ini";

// The folder of the settings file. `configHome` is $XDG_CONFIG_HOME and `home` is $HOME, either
// empty when unset; a relative $XDG_CONFIG_HOME is ignored, as the base directory rules say.
std::string SettingsFolderFor(const std::string &executableFolder, bool executableFolderWritable,
                              const std::string &configHome, const std::string &home);

}  // namespace zolvik
