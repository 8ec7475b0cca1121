// The recursive walk over a folder tree.
#pragma once

#include <windows.h>

#include <string_view>

// Called for every entry: its full path (at most 259 characters), its find
// data and the caller's two context values. Returns 0 to go on, nonzero to
// end the walk of the current folder.
using FolderVisitor = int (*)(const char* fullPath, const WIN32_FIND_DATAA& data,
                              void* context, void* context2);

// Which visitor behaviour runs: the process-wide scan mode set by the caller
// before a walk.
enum FolderScanMode : int {
    kScanNone = 0,
    kScanStartupFolder = 1,
    kScanCookies = 2,
    kScanHiddenFiles = 7,
    kScanCookiesAlt = 8,
};
void SetFolderScanMode(int mode);
int FolderScanMode();

// Walks the folder: subfolders (except those whose names begin with ".") are
// walked first with depth - 1 while depth is above 0, then visited
// themselves; files are visited. Depth 0 visits the folder's own entries only.
void WalkFolder(std::string_view folder, FolderVisitor visitor, int depth,
                void* context, void* context2);
