#include "base/program_folders.h"

#include <windows.h>

#include "base/registry.h"
#include "base/command_line.h"
#include "base/file_search.h"
#include "base/text_helpers.h"

namespace {

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr size_t kModulePathSize = 480;
constexpr size_t kUserNameMax = 128;

// A folder that already exists counts as created; a file of that name does not.
bool EnsureFolder(const char* path) {
    if (CreateDirectoryA(path, nullptr)) return true;
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

int ProgramFolder(TextBuffer out) {
    char module[kModulePathSize];
    DWORD n = GetModuleFileNameA(nullptr, module, DWORD(kModulePathSize));
    if (n == 0 || n >= kModulePathSize) return int(out.assign({}));
    std::string_view path(module, n);
    size_t slash = path.rfind('\\');
    std::string_view folder = slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
    if (folder.size() >= MAX_PATH) folder = {};  // does not fit any path buffer: unusable
    return int(out.assign(folder));
}

int DataFolder(TextBuffer out) {
    FixedText<MAX_PATH> appData, data, vault;
    bool ok = RegReadString(kShellFoldersKey, "AppData", HKEY_CURRENT_USER, appData) > 0 &&
              appData.size() + 16 < MAX_PATH;  // room for "\Sentrivox\vault"
    if (ok) {
        data = appData.view();
        data.append("\\Sentrivox");
        vault = data.view();
        vault.append("\\vault");
        ok = EnsureFolder(data.c_str()) && EnsureFolder(vault.c_str());
    }
    if (!ok) return ProgramFolder(out);
    return int(out.assign(data.view()));
}

int VaultFolder(TextBuffer out) {
    FixedText<MAX_PATH> vault;
    if (DataFolder(vault) == 0 || vault.size() + 6 >= MAX_PATH) return int(out.assign({}));
    vault.append("\\vault");
    return int(out.assign(vault.view()));
}

int NoteFilePath(std::string_view commandLine, TextBuffer out) {
    FixedText<MAX_PATH> file, noteName, leaf;
    ExtractProgramFile(commandLine, file);
    NoteName(file.view().substr(FileNameOffset(file.view())), noteName);
    leaf = "\\note_";
    leaf.append(noteName.view());
    leaf.append(".txt");

    FixedText<MAX_PATH> folder, path;
    if (ProgramFolder(folder) > 0 && folder.size() + leaf.size() < MAX_PATH) {
        path = folder.view();
        path.append(leaf.view());
        if (FileExists(path.view())) return int(out.assign(path.view()));
    }
    if (DataFolder(folder) == 0 || folder.size() + leaf.size() >= MAX_PATH) return int(out.assign({}));
    path = folder.view();
    path.append(leaf.view());
    return int(out.assign(path.view()));
}

int UserProfileName(TextBuffer out) {
    char profile[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return int(out.assign({}));
    std::string_view path(profile, n);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    std::string_view name = path.substr(FileNameOffset(path));
    return int(out.assign(name.substr(0, kUserNameMax)));
}

bool IsInFolders(std::string_view file, std::initializer_list<std::string_view> folders) {
    const size_t slash = file.rfind('\\');
    if (slash == std::string_view::npos || slash + 1 == file.size()) return false;
    const std::string_view parent = file.substr(0, slash);
    for (std::string_view folder : folders) {
        while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
        if (!folder.empty() && EqualsNoCase(parent, folder)) return true;
    }
    return false;
}

bool IsInWindowsFolders(std::string_view file) {
    char windows[MAX_PATH] = {}, system[MAX_PATH] = {}, wow64[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof(windows));
    GetSystemDirectoryA(system, sizeof(system));
    // Looked up at run time: Windows before XP has no 32-bit System folder of its own.
    using Wow64Folder = UINT(WINAPI*)(LPSTR, UINT);
    if (HMODULE kernel = GetModuleHandleA("kernel32.dll")) {
        auto folder = reinterpret_cast<Wow64Folder>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetSystemWow64DirectoryA")));
        if (folder) folder(wow64, sizeof(wow64));
    }
    FixedText<MAX_PATH> longForm;
    if (LongPathOf(file, longForm) <= 0) longForm = file;
    for (std::string_view path : {file, longForm.view()})
        if (IsInFolders(path, {system, wow64, windows})) return true;
    return false;
}
