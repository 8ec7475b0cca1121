#include "startup/locations/run_entries.h"

#include <string>

#include "base/text_helpers.h"
#include "shell/app_state.h"
#include "startup/locations/location_types.h"
#include "base/windows_version.h"

namespace {

bool SameCommand(const RawValue& a, const RawValue& b) { return EqualsNoCase(a.Text(), b.Text()); }

}  // namespace

bool RunKeyOf(int type, RunKey& out) {
    const RunTableHive* hive = nullptr;
    int position = 0;
    if (!RunTableLocation(type, hive, position)) return false;
    if (hive == &kWow64RunHive && !IsWindows64()) return false;
    out.root = hive->root;
    return RunTableKeyPath(type, out.path);
}

bool ReadRunValue(const RunKey& key, std::string_view name, RawValue& out) {
    return !name.empty() && ReadRawValue(key.root, key.path.view(), name, LocationView(), out) && out.IsText();
}

bool DeleteRunValue(const RunKey& key, std::string_view name) {
    return !name.empty() && DeleteRawValue(key.root, key.path.view(), name, LocationView());
}

FixedText<256> PutRunValue(const RunKey& key, std::string_view name, const RawValue& command, bool* written) {
    if (written) *written = false;
    if (name.empty() || !command.IsText()) return {};
    for (int n = 1; n < 100; ++n) {
        std::string candidate(name);
        if (n > 1) candidate += " (" + std::to_string(n) + ")";
        if (candidate.size() >= FixedText<256>::capacity()) return {};
        RawValue present;
        if (ReadRawValue(key.root, key.path.view(), candidate, LocationView(), present)) {
            if (SameCommand(present, command)) return FixedText<256>(candidate);
            continue;  // another program's command: never overwritten
        }
        if (RawValueExists(key.root, key.path.view(), candidate, LocationView())) continue;
        if (!WriteRawValue(key.root, key.path.view(), candidate, LocationView(), command)) return {};
        if (written) *written = true;
        return FixedText<256>(candidate);
    }
    return {};
}
