// The program's own folders and files: install folder, data folder, vault, notes.
#pragma once

#include <cstddef>
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

