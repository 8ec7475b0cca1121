#include "base/raw_values.h"

#include <cstring>
#include <string>

#include "base/unique_resource.h"
#include "base/windows_version.h"

namespace {

WriteFaultHook g_writeFault = nullptr;

UniqueHkey OpenKey(HKEY root, std::string_view subkey, REGSAM access) {
    UniqueHkey key;
    if (RegOpenKeyExA(root, std::string(subkey).c_str(), 0, access, key.put()) != ERROR_SUCCESS) key.reset();
    return key;
}

}  // namespace

std::string_view RawValue::Text() const {
    if (!IsText() || data.empty()) return {};
    const char* text = reinterpret_cast<const char*>(data.data());
    return std::string_view(text, strnlen(text, data.size()));
}

RawValue RawValue::FromText(std::string_view text, DWORD type) {
    RawValue value;
    value.type = type;
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return value;
}

REGSAM LocationView() { return IsWindows64() ? KEY_WOW64_64KEY : 0; }

bool ReadRawValue(HKEY root, std::string_view subkey, std::string_view name, REGSAM view, RawValue& out) {
    out = RawValue();
    UniqueHkey key = OpenKey(root, subkey, KEY_QUERY_VALUE | view);
    if (!key) return false;
    std::string valueName(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > kRawValueMaxBytes)
        return false;
    out.data.resize(size);
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, size ? out.data.data() : nullptr, &size) !=
        ERROR_SUCCESS)
        return false;
    out.data.resize(size);
    out.type = type;
    return true;
}

bool RawValueExists(HKEY root, std::string_view subkey, std::string_view name, REGSAM view) {
    UniqueHkey key = OpenKey(root, subkey, KEY_QUERY_VALUE | view);
    return key && RegQueryValueExA(key.get(), std::string(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                      ERROR_SUCCESS;
}

bool WriteRawValue(HKEY root, std::string_view subkey, std::string_view name, REGSAM view, const RawValue& value) {
    WriteFault fault = g_writeFault ? g_writeFault(root, subkey, name) : WriteFault::None;
    if (fault == WriteFault::Fail) return false;
    if (fault == WriteFault::None) {
        UniqueHkey key;
        if (RegCreateKeyExA(root, std::string(subkey).c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE | view,
                            nullptr, key.put(), nullptr) != ERROR_SUCCESS)
            return false;
        if (RegSetValueExA(key.get(), std::string(name).c_str(), 0, value.type, value.data.data(),
                           DWORD(value.data.size())) != ERROR_SUCCESS)
            return false;
    }
    // Trust what the registry holds, not the answer of the write.
    RawValue stored;
    return ReadRawValue(root, subkey, name, view, stored) && stored.type == value.type && stored.data == value.data;
}

bool DeleteRawValue(HKEY root, std::string_view subkey, std::string_view name, REGSAM view) {
    UniqueHkey key = OpenKey(root, subkey, KEY_SET_VALUE | view);
    if (key) RegDeleteValueA(key.get(), std::string(name).c_str());
    return !RawValueExists(root, subkey, name, view);
}

WriteFaultHook SetWriteFaultHook(WriteFaultHook hook) {
    WriteFaultHook previous = g_writeFault;
    g_writeFault = hook;
    return previous;
}
