#include "base/date_time.h"

#include <cstdio>
#include <string_view>

#include "base/text_helpers.h"
#include "base/unique_resource.h"

namespace {

constexpr const char* kInternationalKey = "Control Panel\\International";
constexpr size_t kPatternMax = 24;  // characters of a pattern that are read

constexpr const char* kShortDatePatterns[] = {"M/d/yyyy", "M/d/yy", "MM/dd/yy", "MM/dd/yyyy",
                                              "yy/MM/dd", "yyyy-MM-dd", "dd-MMM-yy"};
constexpr const char* kTimePatterns[] = {"h:mm:ss tt", "hh:mm:ss tt", "H:mm:ss", "HH:mm:ss"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Index of the first matching pattern; row 0 when none matches.
template <size_t Count>
int PatternRow(std::string_view value, const char* const (&table)[Count]) {
    for (size_t i = 0; i < Count; ++i)
        if (EqualsNoCase(value, table[i])) return int(i);
    return 0;
}

// Reads one pattern; a missing value or one longer than 24 characters reads as empty.
std::string_view ReadPattern(HKEY key, const char* name, char (&buf)[kPatternMax + 1]) {
    DWORD type = 0, size = kPatternMax;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
    buf[size < kPatternMax ? size : kPatternMax] = '\0';
    return std::string_view(buf, BoundedLength(buf, size));
}

// The user's two patterns as table rows. Every list row formats dates, so the
// rows are kept and read again only when the key reports a change; without a
// change notification they are read on every call.
class DatePatterns {
public:
    void Current(int& dateRow, int& timeRow) {
        if (!key_ || !armed_ || WaitForSingleObject(changed_.get(), 0) != WAIT_TIMEOUT) Refresh();
        dateRow = dateRow_;
        timeRow = timeRow_;
    }

private:
    void Refresh() {
        if (!key_) {
            if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternationalKey, 0, KEY_READ | KEY_NOTIFY, key_.put()) != ERROR_SUCCESS) {
                key_.reset();
                dateRow_ = timeRow_ = 0;
                return;
            }
        }
        if (!changed_) changed_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        // Armed before reading, so that a change during the read is seen next time.
        armed_ = changed_ && RegNotifyChangeKeyValue(key_.get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET,
                                                     changed_.get(), TRUE) == ERROR_SUCCESS;
        char buf[kPatternMax + 1];
        dateRow_ = PatternRow(ReadPattern(key_.get(), "sShortDate", buf), kShortDatePatterns);
        timeRow_ = PatternRow(ReadPattern(key_.get(), "sTimeFormat", buf), kTimePatterns);
    }

    UniqueHkey key_;
    UniqueHandle changed_;
    bool armed_ = false;
    int dateRow_ = 0, timeRow_ = 0;
};

int FormatDate(int row, const SYSTEMTIME& t, char* out, size_t size) {
    int year = t.wYear, month = t.wMonth, day = t.wDay;
    switch (row) {
        case 1: case 2: return std::snprintf(out, size, "%02d/%02d/%02d", month, day, year);
        case 3: return std::snprintf(out, size, "%02d/%02d/%04d", month, day, year);
        case 4: return std::snprintf(out, size, "%02d/%02d/%02d", year, month, day);
        case 5: return std::snprintf(out, size, "%04d-%02d-%02d", year, month, day);
        case 6: return std::snprintf(out, size, "%02d-%s-%02d", day, month >= 1 && month <= 12 ? kMonths[month - 1] : "",
                                     year);
        default: return std::snprintf(out, size, "%02d/%02d/%04d", month, day, year);
    }
}

int FormatTime(int row, const SYSTEMTIME& t, char* out, size_t size) {
    int hour = t.wHour, minute = t.wMinute;
    if (row >= 2) return std::snprintf(out, size, row == 2 ? "%d:%02d" : "%02d:%02d", hour, minute);
    const char* half = hour < 12 ? "AM" : "PM";
    int shown = hour % 12 == 0 ? 12 : hour % 12;
    return std::snprintf(out, size, row == 0 ? "%d:%02d %s" : "%02d:%02d %s", shown, minute, half);
}

}  // namespace

int FormatLocalDateTime(const SYSTEMTIME& time, TextBuffer out) {
    static DatePatterns patterns;
    int dateRow = 0, timeRow = 0;
    patterns.Current(dateRow, timeRow);

    char date[13], clock[16];  // the date part is at most 12 characters
    FormatDate(dateRow, time, date, sizeof(date));
    FormatTime(timeRow, time, clock, sizeof(clock));
    FixedText<kDateTimeMax + 1> text(date);
    text.append(" ");
    text.append(clock);
    return int(out.assign(text.view()));
}

bool UnixTimeToLocal(long long seconds, SYSTEMTIME& out) {
    constexpr long long kEpochOffset = 11644473600LL;  // seconds from 1601 to 1970
    constexpr long long kMaxSeconds = 0x7FFFFFFFFFFFFFFFLL / 10000000LL - kEpochOffset;
    out = SYSTEMTIME();
    if (seconds < -kEpochOffset || seconds > kMaxSeconds) return false;
    ULARGE_INTEGER ticks;
    ticks.QuadPart = static_cast<unsigned long long>(seconds + kEpochOffset) * 10000000ULL;
    FILETIME utc{ticks.LowPart, ticks.HighPart}, local;
    return FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &out);
}
