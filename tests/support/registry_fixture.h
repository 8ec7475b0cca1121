// Registry helpers for tests that run the whole program: read what it wrote,
// capture a tree for before/after comparisons, and wipe the program's keys so
// the next start is a user's first start. Every helper names its view.
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

// Cleans on construction and again on destruction.
class FreshProgramRegistry {
public:
    FreshProgramRegistry() { CleanProgramRegistry(); }
    ~FreshProgramRegistry() { CleanProgramRegistry(); }
    FreshProgramRegistry(const FreshProgramRegistry&) = delete;
    FreshProgramRegistry& operator=(const FreshProgramRegistry&) = delete;
};

}  // namespace testsupport
