#include "common/settings_location.h"

namespace zolvik {

std::string SettingsFolderFor(const std::string &executableFolder, bool executableFolderWritable,
                              const std::string &configHome, const std::string &home)
{
    if (executableFolderWritable)
        return executableFolder;
    const std::string base =
        !configHome.empty() && configHome.front() == '/' ? configHome : home + "/.config";
    return base + "/ZolvikTools";
}

}  // namespace zolvik
