#include "support/registry_fixture.h"

#include <cstring>
#include <functional>

namespace testsupport {

namespace {

REGSAM ViewFlag(RegView view) { return view == RegView::k64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

class Key {
public:
    Key(HKEY root, std::string_view subkey, REGSAM access, RegView view) {
        if (RegOpenKeyExA(root, std::string(subkey).c_str(), 0, access | ViewFlag(view), &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

std::optional<RegValueData> ReadValue(HKEY key, std::string_view name) {
    std::string valueName(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return RegValueData{type, data};
}

std::string TextOfString(std::string data) {
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
}

}  // namespace

std::optional<std::string> ReadRegString(HKEY root, std::string_view subkey, std::string_view name, RegView view) {
    Key key(root, subkey, KEY_READ, view);
    if (!key) return std::nullopt;
    auto value = ReadValue(key.get(), name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
    return TextOfString(value->data);
}

std::optional<DWORD> ReadRegDword(HKEY root, std::string_view subkey, std::string_view name, RegView view) {
    Key key(root, subkey, KEY_READ, view);
    if (!key) return std::nullopt;
    auto value = ReadValue(key.get(), name);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof(number));
    return number;
}

bool WriteRegString(HKEY root, std::string_view subkey, std::string_view name, std::string_view value,
                    RegView view) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, std::string(subkey).c_str(), 0, nullptr, 0, KEY_WRITE | ViewFlag(view), nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    std::string text(value);
    LONG rc = RegSetValueExA(key, std::string(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             DWORD(text.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool WriteRegDword(HKEY root, std::string_view subkey, std::string_view name, DWORD value, RegView view) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, std::string(subkey).c_str(), 0, nullptr, 0, KEY_WRITE | ViewFlag(view), nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExA(key, std::string(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                             sizeof(value));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool RegKeyPresent(HKEY root, std::string_view subkey, RegView view) {
    return bool(Key(root, subkey, KEY_READ, view));
}

bool RegValuePresent(HKEY root, std::string_view subkey, std::string_view name, RegView view) {
    Key key(root, subkey, KEY_READ, view);
    return key && ReadValue(key.get(), name).has_value();
}

std::vector<std::string> RegSubkeyNames(HKEY root, std::string_view subkey, RegView view) {
    std::vector<std::string> names;
    Key key(root, subkey, KEY_READ, view);
    if (!key) return names;
    char name[256];
    for (DWORD i = 0; i < 100000; ++i) {
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> RegValueNames(HKEY root, std::string_view subkey, RegView view) {
    std::vector<std::string> names;
    Key key(root, subkey, KEY_READ, view);
    if (!key) return names;
    char name[16384];
    for (DWORD i = 0; i < 100000; ++i) {
        DWORD length = sizeof(name);
        if (RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

bool DeleteRegTree(HKEY root, std::string_view subkey, RegView view) {
    std::string path(subkey);
    {
        Key key(root, path, KEY_ALL_ACCESS, view);
        if (!key) return !RegKeyPresent(root, path, view);
        RegDeleteTreeA(key.get(), nullptr);
    }
    RegDeleteKeyExA(root, path.c_str(), ViewFlag(view), 0);
    return !RegKeyPresent(root, path, view);
}

bool DeleteRegValue(HKEY root, std::string_view subkey, std::string_view name, RegView view) {
    Key key(root, subkey, KEY_SET_VALUE | KEY_QUERY_VALUE, view);
    if (!key) return true;
    RegDeleteValueA(key.get(), std::string(name).c_str());
    return !ReadValue(key.get(), name).has_value();
}

RegTree CaptureRegTree(HKEY root, std::string_view subkey, RegView view) {
    RegTree tree;
    std::function<void(const std::string&)> visit = [&](const std::string& relative) {
        std::string path(subkey);
        if (!relative.empty()) path += "\\" + relative;
        Key key(root, path, KEY_READ, view);
        if (!key) return;
        auto& values = tree[relative];
        for (const std::string& name : RegValueNames(root, path, view))
            if (auto value = ReadValue(key.get(), name)) values[name] = *value;
        for (const std::string& child : RegSubkeyNames(root, path, view))
            visit(relative.empty() ? child : relative + "\\" + child);
    };
    visit("");
    return tree;
}

namespace {

// The guard works in the native view, the one the program reads and writes on
// 64-bit Windows, also from a 32-bit test program; 32-bit Windows ignores the flag.
constexpr REGSAM kGuardView = KEY_WOW64_64KEY;

// The first missing key on the way to subkey (subkey itself when only it is
// missing); empty when the key exists.
std::string FirstMissingKey(HKEY root, const std::string& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | kGuardView, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return {};
    }
    std::string missing = subkey, path = subkey;
    for (;;) {
        size_t slash = path.rfind('\\');
        if (slash == std::string::npos) break;
        path.resize(slash);
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kGuardView, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            break;
        }
        missing = path;
    }
    return missing;
}

void DeleteTree(HKEY root, const std::string& path) { DeleteRegTree(root, path, RegView::k64); }

}  // namespace

RegistryGuard::RegistryGuard(HKEY root, std::string subkey)
    : root_(root), subkey_(std::move(subkey)), wholeKey_(true) {
    created_ = FirstMissingKey(root_, subkey_);
    existed_ = created_.empty() && Capture(root_, subkey_, saved_);
}

RegistryGuard::RegistryGuard(HKEY root, std::string subkey, std::string name)
    : root_(root), subkey_(std::move(subkey)), name_(std::move(name)), wholeKey_(false) {
    created_ = FirstMissingKey(root_, subkey_);
    HKEY key = nullptr;
    if (!created_.empty() || RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_READ | kGuardView, &key) != ERROR_SUCCESS)
        return;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name_.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        savedValue_ = {name_, type, std::string(size, '\0')};
        existed_ = RegQueryValueExA(key, name_.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(savedValue_.data.data()), &size) == ERROR_SUCCESS;
        savedValue_.data.resize(size);
    }
    RegCloseKey(key);
}

RegistryGuard::~RegistryGuard() {
    if (!created_.empty()) {
        DeleteTree(root_, created_);
        return;
    }
    if (wholeKey_) {
        DeleteTree(root_, subkey_);
        if (existed_) Write(root_, subkey_, saved_);
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_SET_VALUE | kGuardView, &key) != ERROR_SUCCESS) return;
    if (existed_)
        RegSetValueExA(key, name_.c_str(), 0, savedValue_.type, reinterpret_cast<const BYTE*>(savedValue_.data.data()),
                       DWORD(savedValue_.data.size()));
    else
        RegDeleteValueA(key, name_.c_str());
    RegCloseKey(key);
}

bool RegistryGuard::Capture(HKEY root, const std::string& path, Key& node) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kGuardView, &key) != ERROR_SUCCESS) return false;
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = DWORD(name.size()), dataLen = DWORD(data.size()), type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen) != ERROR_SUCCESS)
            break;
        node.values.push_back({std::string(name.data(), nameLen), type,
                               std::string(reinterpret_cast<const char*>(data.data()), dataLen)});
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = DWORD(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        node.children.emplace_back(std::string(name.data(), nameLen), Key());
    }
    RegCloseKey(key);
    for (auto& [child, childKey] : node.children) Capture(root, path + "\\" + child, childKey);
    return true;
}

void RegistryGuard::Write(HKEY root, const std::string& path, const Key& node) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kGuardView, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    for (const Value& v : node.values)
        RegSetValueExA(key, v.name.empty() ? nullptr : v.name.c_str(), 0, v.type,
                       reinterpret_cast<const BYTE*>(v.data.data()), DWORD(v.data.size()));
    RegCloseKey(key);
    for (const auto& [child, childKey] : node.children) Write(root, path + "\\" + child, childKey);
}

void RegistryGuard::Set(const std::string& text) const { Set(name_, text); }

void RegistryGuard::Set(const std::string& name, const std::string& text, DWORD type) const {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE | kGuardView, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                   DWORD(text.size() + 1));
    RegCloseKey(key);
}

void RegistryGuard::SetDword(const std::string& name, DWORD value) const {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE | kGuardView, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

void RegistryGuard::Remove() const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_SET_VALUE | kGuardView, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name_.c_str());
    RegCloseKey(key);
}

void CleanProgramRegistry() {
    for (RegView view : {RegView::k64, RegView::k32}) {
        DeleteRegTree(HKEY_CURRENT_USER, kVendorKey, view);
        DeleteRegTree(HKEY_LOCAL_MACHINE, kVendorKey, view);
        DeleteRegValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Sentrivox", view);
        DeleteRegTree(HKEY_LOCAL_MACHINE, "Software\\Classes\\exefile\\shell\\Sentrivox PLUS", view);
        DeleteRegTree(HKEY_CURRENT_USER, "Software\\Classes\\exefile\\shell\\Sentrivox PLUS", view);
    }
}

}  // namespace testsupport
