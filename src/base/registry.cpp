#include "base/registry.h"

#include <string>

#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

std::string Z(std::string_view s) { return std::string(s); }

// Reads the raw value into buf (size bytes); returns false when missing or too large.
bool QueryValue(HKEY key, std::string_view name, DWORD* type, BYTE* buf, DWORD* size) {
    return RegQueryValueExA(key, Z(name).c_str(), nullptr, type, buf, size) == ERROR_SUCCESS;
}

void ClearReadOnly(const std::string& path) {
    DWORD attrs = GetFileAttributesA(path.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(path.c_str(), attrs & ~FILE_ATTRIBUTE_READONLY);
}

std::string WinIniPath() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\win.ini";
}

using RegDeleteKeyExFn = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);

LONG DeleteKeyInView(HKEY root, const std::string& subkey) {
    // RegDeleteKeyA always works on the caller's own view; the 64-bit view needs
    // RegDeleteKeyExA, which older systems lack.
    if (IsWindows64()) {
        static auto fn = reinterpret_cast<RegDeleteKeyExFn>(
            GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExA"));
        if (fn) return fn(root, subkey.c_str(), KEY_WOW64_64KEY, 0);
    }
    return RegDeleteKeyA(root, subkey.c_str());
}

bool DeleteTreeRecursive(HKEY root, const std::string& subkey, int depth) {
    if (DeleteKeyInView(root, subkey) == ERROR_SUCCESS) return true;
    UniqueHkey key;
    LONG rc = RegOpenKeyExA(root, subkey.c_str(), 0, RegistryReadMask() | RegistryWriteMask(), key.put());
    if (rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND;
    if (depth > 64) return false;  // a cycle of links must not recurse forever
    std::string prefix = subkey + "\\";
    char child[256];
    // Index 0 each time: every deletion shifts the remaining subkeys down.
    for (;;) {
        DWORD len = sizeof(child);
        if (RegEnumKeyExA(key.get(), 0, child, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (!DeleteTreeRecursive(root, prefix + child, depth + 1)) return false;
    }
    key.reset();
    return DeleteKeyInView(root, subkey) == ERROR_SUCCESS;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

REGSAM RegistryReadMask() { return IsWindows64() ? (KEY_READ | KEY_WOW64_64KEY) : KEY_READ; }
REGSAM RegistryWriteMask() { return IsWindows64() ? (KEY_WRITE | KEY_WOW64_64KEY) : KEY_WRITE; }

UniqueHkey RegOpenForRead(HKEY root, std::string_view subkey) {
    UniqueHkey key;
    if (RegOpenKeyExA(root, Z(subkey).c_str(), 0, RegistryReadMask(), key.put()) != ERROR_SUCCESS) key.reset();
    return key;
}

UniqueHkey RegOpenForWrite(HKEY root, std::string_view subkey) {
    UniqueHkey key;
    if (RegOpenKeyExA(root, Z(subkey).c_str(), 0, RegistryWriteMask(), key.put()) != ERROR_SUCCESS) key.reset();
    return key;
}

UniqueHkey RegCreateForWrite(HKEY root, std::string_view subkey) {
    UniqueHkey key;
    if (RegCreateKeyExA(root, Z(subkey).c_str(), 0, nullptr, 0, RegistryWriteMask() | RegistryReadMask(), nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS)
        key.reset();
    return key;
}

bool RegKeyExists(HKEY root, std::string_view subkey) { return bool(RegOpenForRead(root, subkey)); }

int RegReadStringRaw(HKEY key, std::string_view name, FixedText<1024>& out) {
    out.clear();
    BYTE data[1024];
    DWORD type = 0, size = sizeof(data) - 1;
    if (!QueryValue(key, name, &type, data, &size)) return 0;
    data[size] = 0;
    std::string_view text(reinterpret_cast<char*>(data), BoundedLength(reinterpret_cast<char*>(data), size));
    if (type == REG_EXPAND_SZ) {
        char expanded[1024];
        std::string source(text);
        DWORD n = ExpandEnvironmentStringsA(source.c_str(), expanded, 1023);
        if (n == 0 || n > 1023) return 0;
        expanded[1023] = 0;
        out.assign(expanded);
    } else if (type == REG_SZ || type == REG_MULTI_SZ) {
        out.assign(text);  // a REG_MULTI_SZ reads as its first string
    } else {
        return 0;          // DWORD, binary and other kinds are not text
    }
    return int(out.size());
}

int RegReadString(std::string_view subkey, std::string_view name, HKEY root, TextBuffer out) {
    out.clear();
    UniqueHkey key = RegOpenForRead(root, subkey);
    if (!key) return 0;
    FixedText<1024> text;
    int len = RegReadStringRaw(key.get(), name, text);
    if (len <= 0 || size_t(len) > out.capacity() - 1) return 0;
    out.assign(text.view());
    return len;
}

bool RegWriteString(HKEY root, std::string_view subkey, std::string_view name, std::string_view text) {
    // Written in the same view the reads use, so that a value written on 64-bit
    // Windows is found again.
    REGSAM sam = KEY_ALL_ACCESS | (IsWindows64() ? KEY_WOW64_64KEY : 0);
    std::string path(subkey);
    UniqueHkey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, sam, key.put()) != ERROR_SUCCESS) {
        UniqueHkey created;
        if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, sam, nullptr, created.put(), nullptr) != ERROR_SUCCESS)
            return false;
        created.reset();
        if (RegOpenKeyExA(root, path.c_str(), 0, sam, key.put()) != ERROR_SUCCESS) return false;
    }
    std::string data(text);
    return RegSetValueExA(key.get(), Z(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          DWORD(data.size() + 1)) == ERROR_SUCCESS;
}

DWORD RegReadDword(HKEY root, std::string_view subkey, std::string_view name) {
    UniqueHkey key = RegOpenForRead(root, subkey);
    if (!key) return 0;
    DWORD type = 0, value = 0, size = sizeof(value);
    if (!QueryValue(key.get(), name, &type, reinterpret_cast<BYTE*>(&value), &size) || type != REG_DWORD) return 0;
    return value;
}

bool RegWriteDword(HKEY root, std::string_view subkey, std::string_view name, const DWORD* value) {
    if (!value) return false;
    UniqueHkey key = RegCreateForWrite(root, subkey);
    if (!key) return false;
    return RegSetValueExA(key.get(), Z(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(value),
                          sizeof(DWORD)) == ERROR_SUCCESS;
}

long RegReadDwordOrMissing(UniqueHkey key, std::string_view name) {
    if (!key) return -1;
    DWORD type = 0, value = 0, size = sizeof(value);
    if (!QueryValue(key.get(), name, &type, reinterpret_cast<BYTE*>(&value), &size) || type != REG_DWORD) return -1;
    return long(value);
}

bool RegRemoveValue(HKEY root, std::string_view subkey, std::string_view name) {
    UniqueHkey key = RegOpenForWrite(root, subkey);
    if (!key) return false;
    if (name.empty()) {
        const char empty[] = "";
        return RegSetValueExA(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(empty), 1) == ERROR_SUCCESS;
    }
    std::string valueName(name);
    if (RegDeleteValueA(key.get(), valueName.c_str()) == ERROR_SUCCESS) return true;
    UniqueHkey check = RegOpenForRead(root, subkey);
    return !check || RegQueryValueExA(check.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
}

bool RegDeleteTree(HKEY root, std::string_view subkey) {
    if (subkey.empty()) return false;  // never the whole hive
    return DeleteTreeRecursive(root, std::string(subkey), 0);
}

void WinIniRemove(std::string_view entry, std::string_view name) {
    std::string key(entry);
    char current[513] = {};
    GetProfileStringA("windows", key.c_str(), "", current, sizeof(current));
    std::string kept;
    std::string_view rest(current);
    while (true) {
        size_t semi = rest.find(';');
        std::string_view part = rest.substr(0, semi);
        bool drop = EqualsNoCase(Trim(part), Trim(name));
        if (!drop && !part.empty()) {
            if (!kept.empty()) kept += ';';
            kept += part;
        }
        if (semi == std::string_view::npos) break;
        rest.remove_prefix(semi + 1);
    }
    ClearReadOnly(WinIniPath());
    WriteProfileStringA("windows", key.c_str(), kept.c_str());
}

void WinIniAppend(std::string_view entry, std::string_view name) {
    std::string key(entry);
    char current[513] = {};
    GetProfileStringA("windows", key.c_str(), "", current, sizeof(current));
    std::string text(current);
    text += ';';
    text += name;
    ClearReadOnly(WinIniPath());
    WriteProfileStringA("windows", key.c_str(), text.c_str());
}
