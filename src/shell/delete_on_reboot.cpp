#include "shell/delete_on_reboot.h"

#include <windows.h>

#include <string>

#include "base/text_helpers.h"
#include "shell/app_state.h"
#include "base/fixed_text.h"
#include "base/unique_resource.h"
#include "base/file_search.h"
#include "shell/removal_report.h"
#include "base/windows_version.h"

namespace {

constexpr std::string_view kRenameSection = "[rename]";
// wininit.ini is a few lines; a far larger file is not rewritten.
constexpr DWORD kWininitMaxBytes = 1u << 20;

bool IsSectionHeader(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return EqualsNoCase(line, kRenameSection);
}

// The text with entry placed right after the [rename] header, or a new
// section at the end when there is none.
std::string WithDeletion(const std::string& text, const std::string& entry) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t next = end == std::string::npos ? text.size() : end + 1;
        std::string_view line(text.data() + start, (end == std::string::npos ? text.size() : end) - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsSectionHeader(line)) {
            std::string result = text.substr(0, next);
            if (end == std::string::npos) result += "\r\n";
            return result + entry + text.substr(next);
        }
        start = next;
    }
    std::string result = text;
    if (!result.empty() && result.back() != '\n') result += "\r\n";
    return result + std::string(kRenameSection) + "\r\n" + entry;
}

bool ScheduleNt(const FixedText<MAX_PATH>& file) {
    // The file the user was shown, also from a 32-bit process on 64-bit Windows.
    FsRedirectionOff redirection;
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    return MoveFileExA(file.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

bool Schedule9x(const FixedText<MAX_PATH>& file) {
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    FixedText<MAX_PATH> shortPath, ini;
    DWORD n = GetShortPathNameA(file.c_str(), shortPath.data(), DWORD(shortPath.capacity()));
    if (n == 0 || n >= shortPath.capacity()) shortPath = file.view();
    UINT folder = GetWindowsDirectoryA(ini.data(), UINT(ini.capacity()));
    if (folder == 0 || folder >= ini.capacity()) return false;
    if (ini.view().back() != '\\') ini.append("\\");
    ini.append("wininit.ini");
    return AddWininitDeletion(ini.view(), shortPath.view());
}

}  // namespace

bool AddWininitDeletion(std::string_view iniPath, std::string_view path) {
    FixedText<MAX_PATH> name(iniPath);
    if (iniPath.empty() || name.size() != iniPath.size()) return false;
    UniqueFileHandle ini(CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!ini) return false;
    DWORD size = GetFileSize(ini.get(), nullptr);
    if (size == INVALID_FILE_SIZE || size > kWininitMaxBytes) return false;
    std::string text(size, '\0');
    DWORD read = 0;
    if (size && (!ReadFile(ini.get(), text.data(), size, &read, nullptr) || read != size)) return false;

    std::string entry = "NUL=" + std::string(path) + "\r\n";
    std::string updated = WithDeletion(text, entry);
    DWORD written = 0;
    if (SetFilePointer(ini.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return false;
    if (!WriteFile(ini.get(), updated.data(), DWORD(updated.size()), &written, nullptr) || written != updated.size())
        return false;
    return SetEndOfFile(ini.get()) != FALSE;
}

bool DeleteOnReboot(std::string_view path) {
    FixedText<MAX_PATH> file(path);
    // A cut path would schedule another file.
    if (path.empty() || file.size() != path.size()) return false;
    if (!IsWindowsNT()) return Schedule9x(file);
    if (!ScheduleNt(file)) return false;
    ReportRemoval("", path);
    return true;
}
