// The program's own folders and files: install folder, data folder, vault, notes.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// The folder of the running executable without the trailing backslash; empty when over 260 characters.
int ProgramFolder(char* out, size_t size);
// <AppData>\Sentrivox, created with its vault when missing; the program folder when that fails.
int DataFolder(char* out, size_t size);
// <data folder>\vault.
int VaultFolder(char* out, size_t size);
// The note file of a command line's program: note_<NAME>.txt in the program
// folder when it is there, else in the data folder (where new notes go).
int NoteFilePath(std::string_view commandLine, char* out, size_t size);
// The last component of USERPROFILE, at most 128 characters.
int UserProfileName(char* out, size_t size);

template <size_t N> int ProgramFolder(FixedText<N>& o) { return ProgramFolder(o.data(), N); }
template <size_t N> int DataFolder(FixedText<N>& o) { return DataFolder(o.data(), N); }
template <size_t N> int VaultFolder(FixedText<N>& o) { return VaultFolder(o.data(), N); }
template <size_t N> int NoteFilePath(std::string_view c, FixedText<N>& o) { return NoteFilePath(c, o.data(), N); }
template <size_t N> int UserProfileName(FixedText<N>& o) { return UserProfileName(o.data(), N); }
