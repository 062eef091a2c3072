#include "platform/u_utils.h"

#include "platform/platform.h"

bool BrowseFolder(QString &Folder, const QString &Title) { return platform::PickFolder(Folder, Title); }
