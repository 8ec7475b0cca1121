// The personal note a user keeps per program: note_<NAME>.txt (NoteFilePath),
// read into and written from the information dialog's note box.
#pragma once

#include <string>
#include <string_view>

// The most characters of a note that the dialog holds and writes.
inline constexpr size_t kNoteTextMax = 16384;

struct ProgramNote {
    std::string text;   // CR LF line ends
    bool cut = false;   // the file holds more than kNoteTextMax characters
};

// Reads the note of a command line's program; false when it has none.
bool ReadProgramNote(std::string_view commandLine, ProgramNote& note);
// The text a new note starts with: the title and the file, each on a line.
std::string NewNoteText(std::string_view title, std::string_view file);
// Writes text (cut to kNoteTextMax characters) as the program's note,
// creating or replacing the file; true when all of it was written.
bool WriteProgramNote(std::string_view commandLine, std::string_view text);
