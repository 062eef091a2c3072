#pragma once
#include <QString>

// Shows the folder picker with Title above it. On a confirmed choice Folder becomes the
// chosen path and the result is true; a cancelled dialog leaves Folder as it was.
bool BrowseFolder(QString &Folder, const QString &Title);
