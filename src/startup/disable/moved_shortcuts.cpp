#include "startup/disable/moved_shortcuts.h"

#include <windows.h>

#include <string>

#include "base/registry.h"
#include "base/command_line.h"
#include "startup/disable/disabled_record.h"
#include "startup/disable/disabled_index.h"
#include "base/file_search.h"
#include "startup/locations/location_types.h"
#include "base/program_folders.h"
#include "startup/locations/startup_folder_scan.h"
#include "base/text_helpers.h"

namespace {

using Path = FixedText<MAX_PATH>;

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(std::string_view path) {
    DWORD attributes = GetFileAttributesA(std::string(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A folder in the form used for comparing: long path, no trailing backslash.
Path Canonical(std::string_view folder) {
    Path out;
    LongPathOf(folder, out);
    std::string_view view = out.view();
    while (view.size() > 3 && view.back() == '\\') view.remove_suffix(1);
    return Path(view);
}

bool SameFolder(std::string_view a, std::string_view b) {
    return !a.empty() && !b.empty() && EqualsNoCase(Canonical(a).view(), Canonical(b).view());
}

bool ParentIs(std::string_view file, std::string_view folder) {
    Path parent;
    return FolderOfPath(file, parent) > 0 && SameFolder(parent.view(), folder);
}

std::string_view FileNameOf(std::string_view path) { return path.substr(FileNameOffset(path)); }

std::string_view ExtensionOfName(std::string_view fileName) {
    size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
}

std::string Join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += name;
    return path;
}

// Moves a file whole: either it is at its new place afterwards and gone from
// the old one, or it is where it was.
bool MoveWhole(const std::string& from, const std::string& to) {
    if (to.size() >= MAX_PATH || IsFile(to)) return false;
    DWORD attributes = GetFileAttributesA(from.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(from.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH);
    bool moved = !IsFile(from) && IsFile(to);
    // A copy across volumes whose source could not be deleted leaves a twin.
    if (!moved && IsFile(from) && IsFile(to)) DeleteFileA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA((moved ? to : from).c_str(), attributes);
    return moved;
}

// name + extension in folder, or "name (2)" ... when that file exists.
std::string FreeFileIn(std::string_view folder, std::string_view stem, std::string_view extension) {
    for (int n = 1; n < 100; ++n) {
        std::string name(stem);
        if (n > 1) name += " (" + std::to_string(n) + ")";
        std::string path = Join(folder, name + std::string(extension));
        if (path.size() >= MAX_PATH) return {};
        if (!IsFile(path)) return path;
    }
    return {};
}

}  // namespace

bool DisabledShortcutFolder(FixedText<MAX_PATH>& out) {
    out.clear();
    Path folder;
    if (ProgramFolder(folder) <= 0) return false;
    std::string path = Join(folder.view(), kDisabledFolderName);
    if (path.size() >= MAX_PATH) return false;
    out = path;
    return true;
}

bool UserStartupFolder(FixedText<MAX_PATH>& out) {
    const struct { HKEY root; const char* name; } candidates[] = {
        {HKEY_CURRENT_USER, "Startup"},
        {HKEY_LOCAL_MACHINE, "Common Startup"},
        {HKEY_LOCAL_MACHINE, "Startup"},
    };
    for (const auto& candidate : candidates)
        if (RegReadString(kShellFoldersKey, candidate.name, candidate.root, out) > 0) return true;
    out.clear();
    return false;
}

bool IsInStartupFolder(std::string_view file) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (const char* name : {"Startup", "Common Startup"}) {
            Path folder;
            if (RegReadString(kShellFoldersKey, name, root, folder) > 0 && ParentIs(file, folder.view())) return true;
        }
    }
    return IsInDisabledShortcutFolder(file);
}

bool IsInDisabledShortcutFolder(std::string_view file) {
    Path folder;
    return DisabledShortcutFolder(folder) && ParentIs(file, folder.view());
}

std::string_view ShortcutTitle(std::string_view file) {
    std::string_view name = FileNameOf(file);
    return name.substr(0, name.size() - ExtensionOfName(name).size());
}

bool DisableShortcut(std::string_view file) {
    std::string from(file);
    if (file.empty() || file.size() >= MAX_PATH || !IsFile(from) || !IsInStartupFolder(file) ||
        IsInDisabledShortcutFolder(file))
        return false;
    Path folder;
    if (!DisabledShortcutFolder(folder)) return false;
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!IsFolder(folder.view())) return false;

    std::string_view extension = ExtensionOfName(FileNameOf(file));
    std::string to;
    DisabledRecord record;
    record.name = FreeDisabledName(ShortcutTitle(file), [&](std::string_view candidate) {
        std::string path = Join(folder.view(), std::string(candidate) + std::string(extension));
        return path.size() >= MAX_PATH || IsFile(path);
    });
    if (record.name.empty()) return false;
    to = Join(folder.view(), std::string(record.name.view()) + std::string(extension));
    record.title = record.name.view();
    record.type = kLocationStartupFolder;
    record.origin = file;
    // Recorded first: a move that fails then takes the record back, and the
    // shortcut stays where it runs.
    if (!WriteDisabledRecord(record)) return false;
    if (MoveWhole(from, to)) return true;
    DeleteDisabledRecord(record);
    return false;
}

bool EnableShortcut(std::string_view file) {
    std::string from(file);
    if (file.empty() || file.size() >= MAX_PATH || !IsFile(from) || !IsInDisabledShortcutFolder(file)) return false;
    DisabledRecord record;
    bool recorded = FindDisabledRecord(ShortcutTitle(file), kLocationStartupFolder, record);

    Path folder;
    std::string_view fileName = FileNameOf(file);
    if (recorded && FolderOfPath(record.origin.view(), folder) > 0 && IsFolder(folder.view())) {
        fileName = FileNameOf(record.origin.view());
    } else if (!UserStartupFolder(folder)) {
        return false;
    }
    std::string_view extension = ExtensionOfName(fileName);
    std::string to = FreeFileIn(folder.view(), fileName.substr(0, fileName.size() - extension.size()), extension);
    if (to.empty() || !MoveWhole(from, to)) return false;
    if (!recorded || DeleteDisabledRecord(record)) return true;
    MoveWhole(to, from);  // still recorded: it stays disabled
    return false;
}

bool DeleteStartupShortcut(std::string_view file) {
    if (file.empty() || file.size() >= MAX_PATH) return false;
    std::string target(file);
    if (!IsFile(target)) {
        Path folder;
        if (!DisabledShortcutFolder(folder)) return false;
        target = Join(folder.view(), FileNameOf(file));
        if (!IsFile(target)) return false;
    }
    // A shortcut can be made again from its target; a program or other file placed in the
    // folder itself would be gone for good, and removing an entry never deletes a program.
    std::string_view extension = ExtensionOfName(FileNameOf(target));
    if (!IsInStartupFolder(target) || !(EqualsNoCase(extension, ".lnk") || EqualsNoCase(extension, ".pif")))
        return false;
    bool disabledCopy = IsInDisabledShortcutFolder(target);
    if (!DeleteFileForce(target) || IsFile(target)) return false;
    DisabledRecord record;
    if (disabledCopy && FindDisabledRecord(ShortcutTitle(target), kLocationStartupFolder, record))
        DeleteDisabledRecord(record);
    return true;
}
