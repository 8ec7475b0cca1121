#include "base/file_facts.h"

#include <windows.h>

#include <cstdio>

#include "base/first_seen.h"
#include "base/date_time.h"
#include "base/file_search.h"
#include "base/text_helpers.h"

namespace {

// Larger files are not text files this program shows; the limit keeps the
// doubled size of a CR LF conversion far from overflow.
constexpr size_t kLoadTextMax = 64u * 1024u * 1024u;

// The file opened for shared reading, with redirection off around the open.
UniqueFileHandle OpenShared(std::string_view path) {
    if (path.empty() || path.size() >= MAX_PATH) return UniqueFileHandle();
    FixedText<MAX_PATH> name(path);
    FsRedirectionOff redirection;
    return UniqueFileHandle(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ToLocal(const FILETIME& utc, SYSTEMTIME& out) {
    FILETIME local;
    return FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &out);
}

template <size_t N>
void FormatFileTime(const FILETIME& utc, FixedText<N>& out) {
    SYSTEMTIME local;
    if (ToLocal(utc, local)) FormatLocalDateTime(local, out);
    else out.clear();
}

}  // namespace

int FileCreationStamp(std::string_view path, TextBuffer out) {
    out.assign({});
    UniqueFileHandle file = OpenShared(path);
    FILETIME created;
    SYSTEMTIME local;
    if (!file || !GetFileTime(file.get(), &created, nullptr, nullptr) || !ToLocal(created, local)) return 0;
    char stamp[32];
    std::snprintf(stamp, sizeof(stamp), "%04d/%02d/%02d %02d:%02d", local.wYear, local.wMonth, local.wDay, local.wHour,
                  local.wMinute);
    return int(out.assign(stamp));
}

bool FileSizeAndWriteTime(std::string_view path, char* sizeOut, size_t sizeSize, char* timeOut, size_t timeSize) {
    CopyBounded(sizeOut, sizeSize, {});
    CopyBounded(timeOut, timeSize, {});
    UniqueFileHandle file = OpenShared(path);
    LARGE_INTEGER bytes;
    FILETIME written;
    if (!file || !GetFileSizeEx(file.get(), &bytes) || !GetFileTime(file.get(), nullptr, nullptr, &written)) return false;
    // Sizes above 2 GB stay positive: the whole 64-bit count is written.
    char number[32];
    std::snprintf(number, sizeof(number), "%llu", static_cast<unsigned long long>(bytes.QuadPart));
    CopyBounded(sizeOut, sizeSize, number);
    FixedText<kDateTimeMax + 1> time;
    FormatFileTime(written, time);
    CopyBounded(timeOut, timeSize, time.view());
    return true;
}

bool FileFacts(std::string_view path, int itemType, FileFactsRecord& out, std::string_view sizeUnknownText) {
    out = FileFactsRecord();
    FirstSeenDate(itemType, path, out.firstDetected);
    UniqueFileHandle file = OpenShared(path);
    FILETIME created, accessed, written;
    bool timesRead = file && GetFileTime(file.get(), &created, &accessed, &written);
    if (timesRead) {
        FormatFileTime(created, out.created);
        FormatFileTime(accessed, out.accessed);
        FormatFileTime(written, out.written);
    }
    LARGE_INTEGER bytes;
    if (file && GetFileSizeEx(file.get(), &bytes)) FormatThousands(bytes.QuadPart, out.size);
    else out.size = sizeUnknownText;
    return timesRead;
}

UniqueHglobal LoadTextFileCrLf(std::string_view path, bool addCr, size_t& size) {
    size = 0;
    UniqueFileHandle file = OpenShared(path);
    LARGE_INTEGER bytes;
    if (!file || !GetFileSizeEx(file.get(), &bytes) || bytes.QuadPart <= 0 ||
        static_cast<unsigned long long>(bytes.QuadPart) > kLoadTextMax)
        return UniqueHglobal();
    const size_t fileSize = size_t(bytes.QuadPart);
    UniqueHglobal raw(GlobalAlloc(GMEM_MOVEABLE, fileSize + 32));
    if (!raw) return UniqueHglobal();
    char* text = static_cast<char*>(GlobalLock(raw.get()));
    DWORD read = 0;
    bool ok = text && ReadFile(file.get(), text, DWORD(fileSize), &read, nullptr) && read > 0;
    if (!ok) {
        if (text) GlobalUnlock(raw.get());
        return UniqueHglobal();
    }
    text[read] = '\0';
    if (!addCr) {
        GlobalUnlock(raw.get());
        size = read - 1;
        return raw;
    }

    // Each added CR needs a byte of its own: the block grows by the count of bare line feeds.
    size_t bare = 0;
    for (DWORD i = 0; i < read; ++i)
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++bare;
    UniqueHglobal converted(GlobalAlloc(GMEM_MOVEABLE, read + bare + 32));
    char* dst = converted ? static_cast<char*>(GlobalLock(converted.get())) : nullptr;
    if (!dst) {
        GlobalUnlock(raw.get());
        return UniqueHglobal();
    }
    size_t n = 0;
    for (DWORD i = 0; i < read; ++i) {
        // A line that already ends in CR LF is left as it is.
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) dst[n++] = '\r';
        dst[n++] = text[i];
    }
    dst[n] = '\0';
    GlobalUnlock(converted.get());
    GlobalUnlock(raw.get());
    size = n - 1;
    return converted;
}
