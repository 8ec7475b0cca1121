#include "base/folder_walk.h"

#include "base/fixed_text.h"
#include "base/unique_resource.h"

namespace {

int g_scanMode = kScanNone;

using PathText = FixedText<MAX_PATH>;

// folder + name when the whole path fits; a cut path would name another
// entry, which a visitor might then delete or unhide.
bool JoinEntryPath(std::string_view folder, std::string_view name, PathText& out) {
    if (folder.size() + name.size() >= out.capacity()) return false;
    out.assign(folder);
    out.append(name);
    return true;
}

}  // namespace

void SetFolderScanMode(int mode) { g_scanMode = mode; }
int FolderScanMode() { return g_scanMode; }

void WalkFolder(std::string_view folder, FolderVisitor visitor, int depth, void* context, void* context2) {
    if (!visitor || folder.empty()) return;
    PathText base(folder);
    if (base.size() != folder.size()) return;
    if (base.view().back() != '\\') base.append("\\");
    PathText pattern;
    if (base.view().back() != '\\' || !JoinEntryPath(base.view(), "*.*", pattern)) return;

    WIN32_FIND_DATAA found{};
    UniqueFindHandle find(FindFirstFileA(pattern.c_str(), &found));
    if (!find) return;
    PathText path;
    do {
        std::string_view name(found.cFileName, BoundedLength(found.cFileName, sizeof(found.cFileName)));
        bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder && !name.empty() && name.front() == '.') continue;
        if (name.empty() || !JoinEntryPath(base.view(), name, path)) continue;
        if (isFolder && depth > 0) WalkFolder(path.view(), visitor, depth - 1, context, context2);
        if (visitor(path.c_str(), found, context, context2) != 0) break;
    } while (FindNextFileA(find.get(), &found));
}
