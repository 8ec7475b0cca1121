#include "base/key_values.h"

#include "base/fixed_text.h"

namespace {

// Values larger than this are not startup commands; they are passed over.
constexpr DWORD kDataLimit = 1 << 20;
constexpr DWORD kNameLimit = 16384;  // the registry's own limit, in characters
// ExpandEnvironmentStrings answers at most this much.
constexpr DWORD kExpandLimit = 32767;

std::string_view TextOf(const BYTE* data, DWORD size) {
    const char* text = reinterpret_cast<const char*>(data);
    return std::string_view(text, BoundedLength(text, size));
}

}  // namespace

KeyValueReader::KeyValueReader(HKEY key) : key_(key) { Grow(); }

void KeyValueReader::Grow() {
    DWORD maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName, &maxData,
                         nullptr, nullptr) != ERROR_SUCCESS) {
        maxName = 255;
        maxData = 1024;
    }
    // A name counted in UTF-16 characters may need two ANSI bytes each.
    DWORD nameSize = maxName * 2 + 2;
    if (nameSize > kNameLimit * 2 + 2) nameSize = kNameLimit * 2 + 2;
    if (maxData > kDataLimit) maxData = kDataLimit;
    if (name_.size() < nameSize) name_.resize(nameSize);
    if (data_.size() < maxData + 2) data_.resize(maxData + 2);
}

bool KeyValueReader::Next(KeyValue& out) {
    for (int attempt = 0;; ++attempt) {
        DWORD nameLen = DWORD(name_.size()), dataLen = DWORD(data_.size() - 2), type = 0;
        LONG rc = RegEnumValueA(key_, index_, name_.data(), &nameLen, nullptr, &type, data_.data(), &dataLen);
        if (rc == ERROR_MORE_DATA) {
            // The key grew since it was measured: measure again once, then give up on this value.
            if (attempt == 0) {
                Grow();
                continue;
            }
            ++index_;
            attempt = -1;
            continue;
        }
        if (rc != ERROR_SUCCESS) return false;
        ++index_;
        out.name = std::string_view(name_.data(), BoundedLength(name_.data(), nameLen));
        out.type = type;
        out.text = {};
        out.isText = type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
        if (!out.isText) return true;
        data_[dataLen] = 0;
        data_[dataLen + 1] = 0;
        out.text = TextOf(data_.data(), dataLen);
        if (type == REG_EXPAND_SZ && !out.text.empty()) {
            std::string source(out.text);
            expanded_.resize(source.size() * 2 + 256);
            DWORD n = ExpandEnvironmentStringsA(source.c_str(), expanded_.data(), DWORD(expanded_.size()));
            if (n > expanded_.size() && n <= kExpandLimit) {
                expanded_.resize(n);
                n = ExpandEnvironmentStringsA(source.c_str(), expanded_.data(), DWORD(expanded_.size()));
            }
            // A text that cannot be expanded is shown as stored.
            if (n > 0 && n <= expanded_.size()) out.text = std::string_view(expanded_.data(), BoundedLength(expanded_.data(), n));
        }
        return true;
    }
}

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof(name);
        LONG rc = RegEnumKeyExA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) continue;  // longer than any key name Windows allows
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(name, len);
    }
    return names;
}
