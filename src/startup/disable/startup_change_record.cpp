#include "startup/disable/startup_change_record.h"

#include <string>

#include "base/registry.h"
#include "base/text_helpers.h"

namespace {

void ForgetName(std::string_view name) {
    if (name.empty()) return;  // never the key's default value
    RegRemoveValue(HKEY_CURRENT_USER, kStartupChangeKey, name);
    FixedText<1024> baselineName;
    NoteName(name, baselineName);
    if (baselineName.view() != name) RegRemoveValue(HKEY_CURRENT_USER, kStartupChangeKey, baselineName.view());
}

}  // namespace

bool RecordStartupChange(std::string_view command, int code, HKEY root) {
    if (command.empty()) return false;
    return RegWriteString(root, kStartupChangeKey, command, std::to_string(code));
}

void ForgetStartupChange(std::string_view command, std::string_view title) {
    ForgetName(command);
    ForgetName(title);
}
