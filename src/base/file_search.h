// Finding files and folders, and the WOW64 file-system redirection bracket.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// Bare names shorter than this are searched for in the Windows and System folders.
inline constexpr size_t kBareNameSearchLimit = 32;

// True when the file can be opened for reading; bare names are also looked
// for in the Windows and System folders.
bool FileExists(std::string_view path);
// The text before the last backslash; 0 (and empty) when there is none.
int FolderOfPath(std::string_view path, TextBuffer out);
// The folder to show for a program (a drive root keeps its backslash); for a
// bare name, the Windows, System or SysWOW64 folder that holds it.
bool LocateProgramFolder(std::string_view path, TextBuffer out);

// Disables (disable = true) or reverts WOW64 file-system redirection when the
// program runs on 64-bit Windows; a no-op that reports success otherwise.
bool SetFsRedirection(bool disable, void** cookie);

// Redirection off for one scope: every direct probe of a file that may lie in
// the System folder is bracketed by one of these.
class FsRedirectionOff {
public:
    FsRedirectionOff() { active_ = SetFsRedirection(true, &cookie_); }
    ~FsRedirectionOff() { if (active_) SetFsRedirection(false, &cookie_); }
    FsRedirectionOff(const FsRedirectionOff&) = delete;
    FsRedirectionOff& operator=(const FsRedirectionOff&) = delete;
private:
    void* cookie_ = nullptr;
    bool active_ = false;
};

// Sets the file's attributes to normal, then deletes it.
bool DeleteFileForce(std::string_view path);
// <System folder>\drivers\etc\HOSTS on the NT family, <Windows folder>\HOSTS on 9x.
int HostsFilePath(TextBuffer out);

// The path with each folder and file name spelt as on disk: a path
// resolved upper-case (ExtractProgramFile) is shown or written back as it was. A path
// that cannot be followed to its file is returned as it is.
FixedText<MAX_PATH> PathAsOnDisk(std::string_view path);
