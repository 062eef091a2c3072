#pragma once
// What the file layer says of an entry that is not a regular file.
#include <string>

#include <sys/stat.h>

namespace zolvik::fileio {

inline std::string NotRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return "Is a folder, not a file";
    if (S_ISFIFO(mode))
        return "Is a FIFO (named pipe), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "Is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "Is a socket, not a regular file";
    return "Not a regular file";
}

}  // namespace zolvik::fileio
