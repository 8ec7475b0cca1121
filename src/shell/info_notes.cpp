#include "shell/info_notes.h"

#include <windows.h>

#include "base/unique_resource.h"
#include "base/file_facts.h"
#include "base/file_search.h"
#include "base/program_folders.h"

namespace {

FixedText<MAX_PATH> NotePath(std::string_view commandLine) {
    FixedText<MAX_PATH> path;
    NoteFilePath(commandLine, path);
    return path;
}

}  // namespace

bool ReadProgramNote(std::string_view commandLine, ProgramNote& note) {
    note = ProgramNote();
    FixedText<MAX_PATH> path = NotePath(commandLine);
    if (path.empty() || !FileExists(path.view())) return false;
    size_t size = 0;
    // Notes written elsewhere may end their lines in LF alone: the edit box needs CR LF.
    UniqueHglobal block = LoadTextFileCrLf(path.view(), true, size);
    if (!block) {
        // An empty note is still the program's note; one that cannot be read
        // is kept from being replaced by an empty text.
        WIN32_FILE_ATTRIBUTE_DATA facts;
        note.cut = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &facts) &&
                   (facts.nFileSizeLow != 0 || facts.nFileSizeHigh != 0);
        return true;
    }
    const char* text = static_cast<const char*>(GlobalLock(block.get()));
    if (text) {
        size_t length = BoundedLength(text, size + 1);
        note.cut = length > kNoteTextMax;
        note.text.assign(text, note.cut ? kNoteTextMax : length);
        GlobalUnlock(block.get());
    }
    return true;
}

std::string NewNoteText(std::string_view title, std::string_view file) {
    std::string text(title);
    text += "\r\n";
    text += file;
    text += "\r\n";
    return text;
}

bool WriteProgramNote(std::string_view commandLine, std::string_view text) {
    FixedText<MAX_PATH> path = NotePath(commandLine);
    if (path.empty()) return false;
    if (text.size() > kNoteTextMax) text = text.substr(0, kNoteTextMax);
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
}
