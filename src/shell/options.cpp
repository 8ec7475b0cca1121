#include "shell/options.h"

#include <windows.h>

#include <string>

#include "base/fixed_text.h"
#include "shell/option_store.h"
#include "base/registry.h"

long ParseOptionText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0x7fffffffLL) value = 0x7fffffffLL;  // saturate instead of wrapping
    }
    return long(negative ? -value : value);
}

long ReadOption(std::string_view name, long fallback) {
    FixedText<129> text;
    if (RegReadString(kOptionsKey, name, HKEY_CURRENT_USER, text) <= 0) return fallback;
    return ParseOptionText(text.view());
}

void WriteOption(std::string_view name, long value) {
    RememberOption(name, value);
    RegWriteString(HKEY_CURRENT_USER, kOptionsKey, name, std::to_string(value));
    RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "Update", "1");
}
