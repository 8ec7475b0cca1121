#include "base/clsid_server.h"

#include <windows.h>

#include <string>

#include "base/registry.h"

namespace {

// A class id names one key under CLSID; a backslash would reach another.
constexpr size_t kClassIdLimit = 255;

}  // namespace

bool ClsidServerPath(std::string_view clsid, TextBuffer out) {
    out.assign({});
    if (clsid.empty() || clsid.size() > kClassIdLimit || clsid.find('\\') != std::string_view::npos) return false;
    std::string key = "CLSID\\";
    key.append(clsid);
    key.append("\\InprocServer32");
    return RegReadString(key, "", HKEY_CLASSES_ROOT, out) > 0;
}
