// Dates and size of a file, and a whole text file read into memory.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"
#include "base/unique_resource.h"

struct FileFactsRecord {
    FixedText<24> created, accessed, written, firstDetected, size;
};

// Creation time as "YYYY/MM/DD hh:mm" (local); empty when the file cannot be opened.
int FileCreationStamp(std::string_view path, TextBuffer out);
// The size as "%d" and the last-write time; false (both empty) when the file cannot be opened.
bool FileSizeAndWriteTime(std::string_view path, char* sizeOut, size_t sizeSize, char* timeOut, size_t timeSize);
// Creation, access and write times, the first-seen date of the path under
// itemType's category, and the size (sizeUnknownText when it cannot be read:
// the pages show "File in Use" there).
bool FileFacts(std::string_view path, int itemType, FileFactsRecord& out, std::string_view sizeUnknownText = {});

// The whole file in a new movable block of (size + 32) bytes, each line feed
// turned into CR LF when addCr is set; size comes back as the characters
// written minus one. An empty owner when the file cannot be opened or is empty.
UniqueHglobal LoadTextFileCrLf(std::string_view path, bool addCr, size_t& size);
