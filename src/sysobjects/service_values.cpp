#include "sysobjects/service_values.h"

#include <vector>

#include "shell/app_state.h"
#include "base/registry.h"
#include "base/unique_resource.h"
#include "base/text_helpers.h"

namespace {

// A value larger than this is no text a service keeps: read as empty.
constexpr DWORD kValueBytesMax = 1u << 20;
// Most values fit here, so they are read in one call.
constexpr DWORD kFirstReadBytes = 1024;

// The raw bytes of the value, terminated; false when missing or too large.
bool QueryRaw(HKEY key, const char* name, DWORD& type, std::vector<char>& data) {
    data.assign(kFirstReadBytes + 2, '\0');
    DWORD size = kFirstReadBytes;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (rc == ERROR_MORE_DATA && size <= kValueBytesMax) {
        data.assign(size + 2, '\0');
        rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (rc != ERROR_SUCCESS || size > data.size() - 2) return false;
    data[size] = '\0';  // a stored text need not end with its terminator
    data.resize(size + 1);
    return true;
}

size_t CopyExpanded(const char* text, char* out, size_t size) {
    DWORD needed = ExpandEnvironmentStringsA(text, nullptr, 0);
    if (needed == 0 || needed > kValueBytesMax) return 0;
    std::vector<char> expanded(needed + 1, '\0');
    DWORD written = ExpandEnvironmentStringsA(text, expanded.data(), needed);
    if (written == 0 || written > needed) return 0;
    return CopyBounded(out, size, expanded.data());
}

enum class Expansion { AsStored, Always };

size_t ReadText(HKEY key, const char* name, char* out, size_t size, Expansion expansion) {
    if (!out || size == 0) return 0;
    out[0] = '\0';
    DWORD type = 0;
    std::vector<char> data;
    if (!key || !QueryRaw(key, name, type, data)) return 0;
    if (type == REG_EXPAND_SZ || (type == REG_SZ && expansion == Expansion::Always))
        return CopyExpanded(data.data(), out, size);
    if (type == REG_SZ || type == REG_MULTI_SZ) return CopyBounded(out, size, data.data());
    return 0;
}

}  // namespace

size_t ReadServiceText(HKEY key, const char* name, char* out, size_t size) {
    return ReadText(key, name, out, size, Expansion::AsStored);
}

size_t ReadServicePath(HKEY key, const char* name, char* out, size_t size) {
    return ReadText(key, name, out, size, Expansion::Always);
}

long ReadServiceNumber(HKEY key, const char* name) {
    DWORD type = 0, value = 0, size = sizeof(value);
    if (!key || RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return -1;
    return long(value);
}

bool ApplyServiceDll(HKEY serviceKey, std::string_view hostMark, ServiceFileText& imagePath) {
    if (!ContainsNoCase(imagePath.view(), hostMark)) return false;
    UniqueHkey parameters;
    if (RegOpenKeyExA(serviceKey, "Parameters", 0, RegistryReadMask(), parameters.put()) == ERROR_SUCCESS) {
        ServiceFileText dll;
        if (ReadServicePath(parameters.get(), "ServiceDll", dll) > 0) imagePath = dll.view();
    }
    return true;
}

bool ForEachServiceKey(const std::function<bool(std::string_view keyName, HKEY key)>& visit) {
    UniqueHkey services = RegOpenForRead(HKEY_LOCAL_MACHINE, kServicesKey);
    if (!services) return false;
    DWORD count = 0;
    if (RegQueryInfoKeyA(services.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return true;
    char name[256];
    // Up to the count, and one more: a service added meanwhile is not lost.
    for (DWORD index = 0; index <= count; ++index) {
        DWORD length = sizeof(name);
        LONG rc = RegEnumKeyExA(services.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS || length == 0) continue;
        UniqueHkey key;
        if (RegOpenKeyExA(services.get(), name, 0, RegistryReadMask(), key.put()) != ERROR_SUCCESS) continue;
        if (!visit(std::string_view(name, length), key.get())) break;
    }
    return true;
}
