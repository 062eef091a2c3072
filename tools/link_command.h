#pragma once
// The directory link that the Links page asks for: the check of its three fields and the
// parameter text handed to the command interpreter's "mklink".
#include <string>

namespace zolvik {

inline constexpr const char *kLinkFieldsMissing = "Todos os três campos devem estar preenchidos";

// True when every one of the three texts holds at least one character; blanks count.
bool LinkFieldsFilled(const std::string &destName, const std::string &destDir,
                      const std::string &orgDir);

// "/C mklink /D \"<destDir>\<destName>\" \"<orgDir>\"", every text taken as it stands: no
// trimming, quoting or escaping, so a drive root "C:\" gives two backslashes in a row.
std::string LinkCommandParameters(const std::string &destDir, const std::string &destName,
                                  const std::string &orgDir);

// Where the link itself is made on a system without "mklink": the name inside the location,
// joined by "/" whatever the location ends with.
std::string LinkPath(const std::string &destDir, const std::string &destName);

}  // namespace zolvik
