#include "tools/link_command.h"

namespace zolvik {

bool LinkFieldsFilled(const std::string &destName, const std::string &destDir,
                      const std::string &orgDir)
{
    return !destName.empty() && !destDir.empty() && !orgDir.empty();
}

std::string LinkCommandParameters(const std::string &destDir, const std::string &destName,
                                  const std::string &orgDir)
{
    std::string text = "/C mklink /D \"";
    text += destDir;
    text += '\\';
    text += destName;
    text += "\" \"";
    text += orgDir;
    text += '"';
    return text;
}

std::string LinkPath(const std::string &destDir, const std::string &destName)
{
    return destDir + "/" + destName;
}

}  // namespace zolvik
