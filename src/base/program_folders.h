// The program's own folders and files: install folder, data folder, vault, notes.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "base/fixed_text.h"

// The folder of the running executable without the trailing backslash; empty when over 260 characters.
int ProgramFolder(TextBuffer out);
// <AppData>\Sentrivox, created with its vault when missing; the program folder when that fails.
int DataFolder(TextBuffer out);
// <data folder>\vault.
int VaultFolder(TextBuffer out);
// The note file of a command line's program: note_<NAME>.txt in the program
// folder when it is there, else in the data folder (where new notes go).
int NoteFilePath(std::string_view commandLine, TextBuffer out);
// The last component of USERPROFILE, at most 128 characters.
int UserProfileName(TextBuffer out);


// True when the file lies in the Windows folder or in a System folder
// (System32, and SysWOW64 on 64-bit Windows): where Windows keeps its own
// programs (explorer.exe, svchost.exe, rundll32.exe). Subfolders do not count.
bool IsInWindowsFolders(std::string_view file);
// The same against the folders given.
bool IsInFolders(std::string_view file, std::initializer_list<std::string_view> folders);
