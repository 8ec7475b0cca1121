// Registry helpers for the tests: read what the program wrote, capture a tree
// for before/after comparisons, wipe the program's keys so the next start is
// a user's first start (every such helper names its view), and the one guard
// that puts a scratch key or value back as it was.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

enum class RegView { k64, k32 };

inline constexpr const char* kVendorKey = "Software\\Orvik Studios";
inline constexpr const char* kProgramKeyPath = "Software\\Orvik Studios\\Sentrivox";
inline constexpr const char* kProgramOptionsPath = "Software\\Orvik Studios\\Sentrivox\\Options";
inline constexpr const char* kDetectedKeyPath = "Software\\Orvik Studios\\Detected";

std::optional<std::string> ReadRegString(HKEY root, std::string_view subkey, std::string_view name,
                                         RegView view = RegView::k64);
std::optional<DWORD> ReadRegDword(HKEY root, std::string_view subkey, std::string_view name,
                                  RegView view = RegView::k64);
bool WriteRegString(HKEY root, std::string_view subkey, std::string_view name, std::string_view value,
                    RegView view = RegView::k64);
bool WriteRegDword(HKEY root, std::string_view subkey, std::string_view name, DWORD value,
                   RegView view = RegView::k64);
bool RegKeyPresent(HKEY root, std::string_view subkey, RegView view = RegView::k64);
bool RegValuePresent(HKEY root, std::string_view subkey, std::string_view name, RegView view = RegView::k64);
std::vector<std::string> RegSubkeyNames(HKEY root, std::string_view subkey, RegView view = RegView::k64);
std::vector<std::string> RegValueNames(HKEY root, std::string_view subkey, RegView view = RegView::k64);
// Deletes a key with everything below it; a missing key counts as deleted.
bool DeleteRegTree(HKEY root, std::string_view subkey, RegView view = RegView::k64);
bool DeleteRegValue(HKEY root, std::string_view subkey, std::string_view name, RegView view = RegView::k64);

// Every value of a key and its subkeys: relative key path -> value name -> (type, data).
struct RegValueData {
    DWORD type = 0;
    std::string data;
    bool operator==(const RegValueData& o) const { return type == o.type && data == o.data; }
};
using RegTree = std::map<std::string, std::map<std::string, RegValueData>>;
RegTree CaptureRegTree(HKEY root, std::string_view subkey, RegView view = RegView::k64);

// Removes, in both views, what the program keeps or leaves in the registry:
// HKCU and HKLM "Software\Orvik Studios", the monitor's Run value and the
// Explorer verb. The next start of the program is then a user's first start.
void CleanProgramRegistry();

// A scratch place of the registry, put back exactly when the guard goes: a
// whole key with everything below it (root, subkey), or one value of a key
// (root, subkey, name). Values and keys that the test adds go, those that it
// changes or deletes come back, and keys created for the test are deleted up
// to the first one that was there. It works in the native view, the one the
// program uses on 64-bit Windows, also from a 32-bit test program.
class RegistryGuard {
public:
    RegistryGuard(HKEY root, std::string subkey);
    RegistryGuard(HKEY root, std::string subkey, std::string name);
    ~RegistryGuard();
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

    // Writes the guarded value as a text, creating the key when needed.
    void Set(const std::string& text) const;
    // Writes a value of the key (an empty name: its default value), creating the key.
    void Set(const std::string& name, const std::string& text, DWORD type = REG_SZ) const;
    void SetDword(const std::string& name, DWORD value) const;
    // Deletes the guarded value.
    void Remove() const;
    const std::string& subkey() const { return subkey_; }

private:
    struct Value {
        std::string name;
        DWORD type = 0;
        std::string data;
    };
    struct Key {
        std::vector<Value> values;
        std::vector<std::pair<std::string, Key>> children;
    };
    static bool Capture(HKEY root, const std::string& path, Key& key);
    static void Write(HKEY root, const std::string& path, const Key& key);

    HKEY root_;
    std::string subkey_, name_;
    bool wholeKey_;
    std::string created_;        // the first key that the test's writes may create
    bool existed_ = false;       // the key (whole-key guard) or the value was there
    Key saved_;                  // the key's tree, for a whole-key guard
    Value savedValue_;           // the value, for a value guard
};

// Cleans on construction and again on destruction.
class FreshProgramRegistry {
public:
    FreshProgramRegistry() { CleanProgramRegistry(); }
    ~FreshProgramRegistry() { CleanProgramRegistry(); }
    FreshProgramRegistry(const FreshProgramRegistry&) = delete;
    FreshProgramRegistry& operator=(const FreshProgramRegistry&) = delete;
};

}  // namespace testsupport
