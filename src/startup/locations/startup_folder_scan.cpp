#include "startup/locations/startup_folder_scan.h"

#include <windows.h>
#include <objbase.h>

#include <vector>

#include "base/text_helpers.h"
#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "base/registry.h"
#include "base/unique_resource.h"
#include "base/command_line.h"
#include "base/folder_walk.h"
#include "startup/locations/location_types.h"
#include "base/shortcuts.h"
#include "startup/locations/startup_scanner.h"

namespace {

enum class EntryKind { None, Shortcut, File };

EntryKind KindOf(std::string_view fileName) {
    // Explorer keeps the folder's own settings in desktop.ini; it starts nothing.
    if (EqualsNoCase(fileName, "desktop.ini")) return EntryKind::None;
    size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return EntryKind::None;
    std::string_view extension = fileName.substr(dot + 1);
    if (EqualsNoCase(extension, "lnk")) return EntryKind::Shortcut;
    for (std::string_view listed : {"exe", "pif", "ini"})
        if (EqualsNoCase(extension, listed)) return EntryKind::File;
    return EntryKind::None;
}

// The name the user gave the entry: its file name without the extension. It is
// also the name under which a disabled shortcut is recorded.
std::string_view TitleOf(std::string_view fileName) { return fileName.substr(0, fileName.rfind('.')); }

int VisitStartupEntry(const char* fullPath, const WIN32_FIND_DATAA& data, void*, void*) {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    std::string_view fileName(data.cFileName, BoundedLength(data.cFileName, sizeof(data.cFileName)));
    EntryKind kind = KindOf(fileName);
    if (kind == EntryKind::None) return 0;

    FixedText<kShortcutTargetSize> target;
    FixedText<kShortcutDescriptionSize> description;
    std::string_view path = fullPath;
    if (kind == EntryKind::Shortcut) {
        if (SUCCEEDED(ReadStartupShortcut(fullPath, target, description)) && !target.empty()) path = target.view();
    }
    ListStoreAppend(TitleOf(fileName), path, fullPath, description.view(), kLocationStartupFolder,
                    NamesRundll32(path) ? 1 : 0);
    return 0;
}

}  // namespace

HRESULT ReadStartupShortcut(std::string_view shortcutPath, FixedText<kShortcutTargetSize>& target,
                            FixedText<kShortcutDescriptionSize>& description) {
    HRESULT hr = ReadShortcut(shortcutPath, target, description);
    // A shortcut that cannot even be read is as broken as one whose target is gone.
    if ((FAILED(hr) || target.empty()) && description.empty()) LoadText(IDS_FILE_NOT_FOUND, description);
    return hr;
}

void ListStartupFolderEntries(std::string_view folder) {
    if (folder.empty()) return;
    ComScope com;
    int previousMode = FolderScanMode();
    SetFolderScanMode(kScanStartupFolder);
    // Depth 0: Windows starts nothing from the folder's sub-folders.
    WalkFolder(folder, VisitStartupEntry, 0, nullptr, nullptr);
    SetFolderScanMode(previousMode);
}

void ScanStartupFolders() {
    std::vector<FixedText<MAX_PATH>> walked;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (const char* name : {"Startup", "Common Startup"}) {
            FixedText<MAX_PATH> folder;
            if (RegReadString(kShellFoldersKey, name, root, folder) <= 0) continue;
            // Both hives may name the same folder; its entries are listed once.
            bool seen = false;
            for (const auto& earlier : walked) seen = seen || EqualsNoCase(earlier.view(), folder.view());
            if (seen) continue;
            walked.push_back(folder);
            ListStartupFolderEntries(folder.view());
        }
    }
}
