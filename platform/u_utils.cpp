#include "platform/u_utils.h"

#include "platform/prompts.h"

bool BrowseFolder(QString &Folder, const QString &Title)
{
    const QString chosen = platform::CurrentPrompts().AskFolder(Title);
    if (chosen.isEmpty())
        return false;
    Folder = chosen;
    return true;
}
