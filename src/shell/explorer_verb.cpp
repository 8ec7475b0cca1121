#include "shell/explorer_verb.h"

#include <windows.h>

#include <string>

#include "shell/load_text.h"
#include "base/registry.h"
#include "base/program_folders.h"

void CreateExplorerVerb() {
    FixedText<MAX_PATH> folder;
    ProgramFolder(folder);
    std::string command = "\"" + std::string(folder.view()) + "\\sentrivox.exe\" %1";
    RegWriteString(HKEY_CLASSES_ROOT, std::string(kExplorerVerbKey) + "\\command", "", command);
    RegWriteString(HKEY_CLASSES_ROOT, kExplorerVerbKey, "", LoadTextString(1183, 260));
}

void RemoveExplorerVerb() { RegDeleteTree(HKEY_CLASSES_ROOT, kExplorerVerbKey); }

bool ExplorerVerbPresent() {
    FixedText<260> value;
    return RegReadString(kExplorerVerbKey, "", HKEY_CLASSES_ROOT, value) > 0;
}
