#include "Help.h"

#include "HoverButton.h"
#include "Shell.h"

std::string HelpFilePath()
{
    return GetProgramFolder() + "/help.chm";
}

void OpenHelpFile()
{
    // A button that lives only to open its link, as the help commands have always done.
    CHoverButton opener;
    opener.SetLink(HelpFilePath().c_str());
    opener.SetOpenMaximized(false);
    opener.OpenLink();
}
