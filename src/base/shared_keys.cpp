#include "base/shared_keys.h"

#include <cwchar>
#include <vector>

namespace {

constexpr ULONG kKeyNameInformation = 3;
using NtQueryKeyFn = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

NtQueryKeyFn QueryKeyFunction() {
    static NtQueryKeyFn fn = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll ? reinterpret_cast<NtQueryKeyFn>(GetProcAddress(ntdll, "NtQueryKey")) : nullptr;
    }();
    return fn;
}

bool ContainsWow64Node(const WCHAR* name, size_t length) {
    static const WCHAR kNode[] = L"\\WOW6432NODE";
    const size_t nodeLength = sizeof(kNode) / sizeof(WCHAR) - 1;
    for (size_t i = 0; i + nodeLength <= length; ++i) {
        size_t j = 0;
        while (j < nodeLength && towupper(name[i + j]) == kNode[j]) ++j;
        if (j == nodeLength) return true;
    }
    return false;
}

}  // namespace

bool IsNativeKeyBehindWow64Path(HKEY key) {
    NtQueryKeyFn query = QueryKeyFunction();
    if (!query || !key) return false;
    // KEY_NAME_INFORMATION: a byte count, then the UTF-16 name.
    std::vector<ULONG> buffer(1024);
    ULONG needed = 0;
    if (query(key, kKeyNameInformation, buffer.data(), ULONG(buffer.size() * sizeof(ULONG)), &needed) != 0)
        return false;
    const ULONG bytes = buffer[0];
    if (bytes == 0 || bytes > (buffer.size() - 1) * sizeof(ULONG)) return false;
    const WCHAR* name = reinterpret_cast<const WCHAR*>(buffer.data() + 1);
    return !ContainsWow64Node(name, bytes / sizeof(WCHAR));
}
