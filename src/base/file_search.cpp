#include "base/file_search.h"

#include <windows.h>

#include "base/unique_resource.h"
#include "base/command_line.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

using Wow64DisableFn = BOOL(WINAPI*)(PVOID*);
using Wow64RevertFn = BOOL(WINAPI*)(PVOID);

FARPROC Kernel32Function(const char* name) {
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    return kernel ? GetProcAddress(kernel, name) : nullptr;
}

// Opens the file for shared reading and closes it again.
bool OpensForReading(const char* path) {
    UniqueFileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
}

// The short form first: it exists only when the file does, and it keeps long
// paths within what the older open calls accept.
bool ProbeFile(const char* path) {
    char shortPath[MAX_PATH];
    DWORD n = GetShortPathNameA(path, shortPath, MAX_PATH);
    return n > 0 && n < MAX_PATH && OpensForReading(shortPath);
}

// folder + "\" + name into out; false when it does not fit.
bool JoinPath(std::string_view folder, std::string_view name, FixedText<MAX_PATH>& out) {
    if (folder.size() + 1 + name.size() >= MAX_PATH) return false;
    out.assign(folder);
    if (folder.empty() || folder.back() != '\\') out.append("\\");
    out.append(name);
    return true;
}

int WindowsFolder(FixedText<MAX_PATH>& out) {
    UINT n = GetWindowsDirectoryA(out.data(), MAX_PATH);
    if (n == 0 || n >= MAX_PATH) { out.clear(); return 0; }
    return int(n);
}

int SystemFolder(FixedText<MAX_PATH>& out) {
    UINT n = GetSystemDirectoryA(out.data(), MAX_PATH);
    if (n == 0 || n >= MAX_PATH) { out.clear(); return 0; }
    return int(n);
}

}  // namespace

bool SetFsRedirection(bool disable, void** cookie) {
    if (!IsWindows64() || !cookie) return true;
    if (disable) {
        auto fn = reinterpret_cast<Wow64DisableFn>(Kernel32Function("Wow64DisableWow64FsRedirection"));
        return fn ? fn(cookie) != FALSE : true;
    }
    auto fn = reinterpret_cast<Wow64RevertFn>(Kernel32Function("Wow64RevertWow64FsRedirection"));
    return fn ? fn(*cookie) != FALSE : true;
}

bool FileExists(std::string_view path) {
    if (path.size() >= MAX_PATH) return false;  // a cut path would name another file
    FixedText<MAX_PATH> name(path);
    FsRedirectionOff redirection;
    if (IsWindows64() && !name.empty() && OpensForReading(name.c_str())) return true;
    if (name.empty()) return false;
    if (ProbeFile(name.c_str())) return true;
    if (path.size() >= kBareNameSearchLimit) return false;
    FixedText<MAX_PATH> folder, candidate;
    if (WindowsFolder(folder) && JoinPath(folder.view(), path, candidate) && ProbeFile(candidate.c_str())) return true;
    if (SystemFolder(folder) && JoinPath(folder.view(), path, candidate) && ProbeFile(candidate.c_str())) return true;
    return false;
}

int FolderOfPath(std::string_view path, TextBuffer out) {
    size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos) return int(out.assign({}));
    return int(out.assign(path.substr(0, slash)));
}

bool LocateProgramFolder(std::string_view path, TextBuffer out) {
    out.assign({});
    size_t slash = path.rfind('\\');
    if (slash != std::string_view::npos) {
        std::string_view folder = path.substr(0, slash);
        // A drive root keeps its backslash: "C:\" is a folder, "C:" is not.
        if (folder.empty() || folder.back() == ':') folder = path.substr(0, slash + 1);
        out.assign(folder);
        return true;
    }
    if (path.empty() || path.size() >= kBareNameSearchLimit) return false;

    FixedText<MAX_PATH> windows, system, wow64, candidate;
    WindowsFolder(windows);
    SystemFolder(system);
    if (!windows.empty() && windows.size() + 11 < MAX_PATH) {
        wow64 = windows.view();
        if (windows.view().back() != '\\') wow64.append("\\");
        wow64.append("SysWOW64\\");
    }
    FsRedirectionOff redirection;
    for (const FixedText<MAX_PATH>* folder : {&windows, &system, &wow64}) {
        if (folder->empty() || !JoinPath(folder->view(), path, candidate)) continue;
        if (OpensForReading(candidate.c_str())) {
            out.assign(folder->view());
            return true;
        }
    }
    return false;
}

bool DeleteFileForce(std::string_view path) {
    FixedText<MAX_PATH> name(path);
    if (name.empty() || path.size() >= MAX_PATH) return false;
    // The same file that a scan saw with redirection off, not its SysWOW64 twin.
    FsRedirectionOff redirection;
    SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(name.c_str()) != FALSE;
}

int HostsFilePath(TextBuffer out) {
    FixedText<MAX_PATH> folder, hosts;
    bool nt = IsWindowsNT();
    if (!(nt ? SystemFolder(folder) : WindowsFolder(folder))) return int(out.assign({}));
    if (!JoinPath(folder.view(), nt ? "drivers\\etc\\HOSTS" : "HOSTS", hosts)) return int(out.assign({}));
    return int(out.assign(hosts.view()));
}

FixedText<MAX_PATH> PathAsOnDisk(std::string_view path) {
    const auto IsFullPath = [](std::string_view p) { return p.size() > 2 && p[1] == ':'; };
    FixedText<MAX_PATH> original(path);
    if (!IsFullPath(path) || path.size() < 4 || path[2] != '\\' || path.size() >= MAX_PATH ||
        path.find_first_of("*?\"") != std::string_view::npos)
        return original;
    FsRedirectionOff redirection;
    std::string spelt(path.substr(0, 2));  // the drive as given
    size_t at = 3;
    while (at <= path.size()) {
        size_t end = path.find('\\', at);
        if (end == std::string_view::npos) end = path.size();
        if (end == at) return original;  // an empty name: no such file
        std::string probe = spelt + "\\" + std::string(path.substr(at, end - at));
        WIN32_FIND_DATAA found;
        if (!UniqueFindHandle(FindFirstFileA(probe.c_str(), &found))) return original;
        std::string_view name(found.cFileName, BoundedLength(found.cFileName, sizeof(found.cFileName)));
        // The long name only: a short name given in the path stays short.
        bool same = EqualsNoCase(name, path.substr(at, end - at));
        spelt += '\\';
        spelt += same ? name : path.substr(at, end - at);
        at = end + 1;
    }
    return spelt.size() < MAX_PATH ? FixedText<MAX_PATH>(spelt) : original;
}
