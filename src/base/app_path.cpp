#include "base/app_path.h"

#include <windows.h>

#include <string>

#include "base/registry.h"
#include "base/file_search.h"
#include "base/text_helpers.h"

namespace {

using PathText = FixedText<MAX_PATH>;

// Path values are written as search lists ("C:\Program Files\App;"): the first folder counts.
std::string_view FirstFolder(std::string_view list) {
    list = list.substr(0, list.find(';'));
    while (!list.empty() && (list.back() == ' ' || list.back() == '\\')) list.remove_suffix(1);
    while (!list.empty() && list.front() == ' ') list.remove_prefix(1);
    return list;
}

bool JoinedPath(std::string_view folder, std::string_view name, PathText& out) {
    if (folder.empty() || folder.size() + 1 + name.size() >= out.capacity()) return false;
    out = folder;
    out.append("\\");
    out.append(name);
    return true;
}

// A path that does not fit the caller's buffer is no answer: cut, it would name another file.
bool Answer(std::string_view path, TextBuffer out) {
    if (path.size() >= out.capacity()) return false;
    out.assign(path);
    return true;
}

}  // namespace

bool AppPathOf(std::string_view name, TextBuffer out) {
    out.assign({});
    // One key name: a backslash would reach another key.
    if (name.empty() || name.size() >= MAX_PATH || name.find('\\') != std::string_view::npos) return false;
    std::string key = std::string(kAppPathsKey) + "\\" + std::string(name);

    FixedText<1024> value;
    PathText found;
    if (RegReadString(key, "Path", HKEY_LOCAL_MACHINE, value) > 0 &&
        JoinedPath(FirstFolder(value.view()), name, found) && FileExists(found.view()))
        return Answer(found.view(), out);

    FixedText<1024> unquoted;
    if (RegReadString(key, "", HKEY_LOCAL_MACHINE, value) > 0 && StripQuotes(value.view(), unquoted) > 0 &&
        unquoted.size() < MAX_PATH && FileExists(unquoted.view()))
        return Answer(unquoted.view(), out);
    return false;
}
