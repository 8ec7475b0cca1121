// The help page of a page: a local file in the program folder, or the vendor's web page.
#pragma once

#include <string>

// The help file name of a page (with the language prefix of string 634).
std::string HelpFileName(int pageId);
void OpenHelpPage(int pageId);
