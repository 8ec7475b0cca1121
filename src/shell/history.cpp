#include "shell/history.h"

#include <cstdio>

#include "res/resource_ids.h"
#include "shell/history_names.h"
#include "shell/load_text.h"
#include "shell/options.h"
#include "base/unique_resource.h"
#include "base/program_folders.h"

namespace {

// A field as it may stand in a line: cut at an embedded NUL and to its size,
// with tabs and line breaks turned into blanks.
template <size_t N>
FixedText<N> HistoryField(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    FixedText<N> field(text);
    for (char* p = field.data(); *p; ++p)
        if (*p == '\t' || *p == '\r' || *p == '\n') *p = ' ';
    return field;
}

// An event code missing from the table is written as "LOG_UNKNOWN": an empty
// name would read back as the first, restorable event.
std::string_view HistoryEventName(int eventCode) {
    std::string_view name = EventName(eventCode);
    return name.empty() ? EventName(kUnknownEvent) : name;
}

bool IsZeroDate(const SYSTEMTIME& time) {
    return time.wYear == 0 || time.wMonth == 0 || time.wDay == 0;
}

// Opens for appending without sharing. A sharing clash is usually the monitor
// writing its own line, so it is tried again for a moment before giving up.
UniqueFileHandle OpenHistoryFile(const char* path) {
    for (int attempt = 1;; ++attempt) {
        UniqueFileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        DWORD error = GetLastError();
        bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!busy || attempt >= kHistoryOpenAttempts) return file;
        Sleep(kHistoryRetryDelayMs);
    }
}

bool AppendToFile(HANDLE file, std::string_view text) {
    LONG high = 0;
    if (SetFilePointer(file, 0, &high, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
        return false;
    DWORD written = 0;
    return WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size();
}

}  // namespace

int HistoryFilePath(char* out, size_t size) {
    FixedText<MAX_PATH> folder;
    if (ProgramFolder(folder) <= 0 || folder.empty()) {
        CopyBounded(out, size, "");
        return 0;
    }
    FixedText<MAX_PATH> path(folder.view());
    path.append("\\");
    path.append(kHistoryFileName);
    // A path cut short would name some other file.
    if (path.size() != folder.size() + 1 + std::string_view(kHistoryFileName).size() ||
        path.size() >= size) {
        CopyBounded(out, size, "");
        return 0;
    }
    return int(CopyBounded(out, size, path.view()));
}

int FormatHistoryTime(const SYSTEMTIME& time, char* out, size_t size) {
    if (IsZeroDate(time)) return LoadText(IDS_NEVER, out, size);
    unsigned hour12 = time.wHour % 12 == 0 ? 12u : unsigned(time.wHour % 12);
    FixedText<64> text;
    std::snprintf(text.data(), text.capacity(), "%02u/%02u/%04u  %u:%02u %s", unsigned(time.wMonth),
                  unsigned(time.wDay), unsigned(time.wYear), hour12, unsigned(time.wMinute),
                  time.wHour >= 12 ? "PM" : "AM");
    return int(CopyBounded(out, size, text.view()));
}

FixedText<kHistoryLineMax> BuildHistoryLine(const SYSTEMTIME& time, std::string_view title,
                                            std::string_view command, std::string_view detail,
                                            int itemType, int eventCode) {
    FixedText<kHistoryTimeMax> stamp;
    FormatHistoryTime(time, stamp);
    // Room is kept for CR LF so that a cut line still ends where it should.
    FixedText<kHistoryLineMax - 2> body(HistoryField<kHistoryTimeMax>(stamp.view()).view());
    body.append("\t");
    body.append(HistoryEventName(eventCode));
    body.append("\t");
    body.append(ItemTypeName(itemType));
    body.append("\t");
    body.append(HistoryField<kHistoryTitleMax>(title).view());
    body.append("\t");
    body.append(HistoryField<kHistoryCommandMax>(command).view());
    body.append("\t");
    body.append(HistoryField<kHistoryDetailMax>(detail).view());
    FixedText<kHistoryLineMax> line(body.view());
    line.append("\r\n");
    return line;
}

int WriteHistory(const SYSTEMTIME& time, std::string_view title, std::string_view command,
                 std::string_view detail, int itemType, int eventCode) {
    if (ReadOption("History", 1) < 1) return 0;
    FixedText<MAX_PATH> path;
    if (HistoryFilePath(path) <= 0) return 0;
    FixedText<kHistoryLineMax> line = BuildHistoryLine(time, title, command, detail, itemType, eventCode);
    UniqueFileHandle file = OpenHistoryFile(path.c_str());
    if (!file) return 0;
    return AppendToFile(file.get(), line.view()) ? 1 : 0;
}

int WriteHistory(std::string_view title, std::string_view command, std::string_view detail,
                 int itemType, int eventCode) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return WriteHistory(now, title, command, detail, itemType, eventCode);
}
