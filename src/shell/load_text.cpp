#include "shell/load_text.h"

#include <windows.h>

#include <cstdio>

#include "shell/app_state.h"
#include "base/registry.h"

namespace {

// Copies an override, turning each "%n" pair into a line feed; returns the length written.
size_t CopyOverride(std::string_view text, char* out, size_t size) {
    size_t n = 0;
    for (size_t i = 0; i < text.size() && n + 1 < size; ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n') {
            out[n++] = '\n';
            ++i;
        } else {
            out[n++] = text[i];
        }
    }
    out[n] = '\0';
    return n;
}

}  // namespace

int LoadText(int id, char* out, size_t size) {
    if (!out || size == 0) return 0;
    out[0] = '\0';
    if (g_app.languageId != 9) {
        char name[32];
        std::snprintf(name, sizeof(name), "LString%d", id);
        UniqueHkey key = RegOpenForRead(HKEY_LOCAL_MACHINE, kProgramKey);
        FixedText<1024> text;
        if (key && RegReadStringRaw(key.get(), name, text) > 0) {
            std::string_view view = text.view().substr(0, kOverrideMax);
            size_t limit = size >= size_t(kOverrideMax) ? size_t(kOverrideMax) : size;
            return int(CopyOverride(view, out, limit));
        }
    }
    int n = LoadStringA(ResourceInstance(), UINT(id), out, int(size));
    if (n <= 0) {
        out[0] = '\0';
        return 0;
    }
    return n;
}

std::string LoadTextString(int id, size_t size) {
    std::string buf(size, '\0');
    int n = LoadText(id, buf.data(), size);
    buf.resize(size_t(n < 0 ? 0 : n));
    buf.resize(BoundedLength(buf.c_str(), buf.size()));
    return buf;
}
