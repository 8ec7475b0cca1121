// Enumerating the values of a registry key whatever their size: the scanners
// cut names and texts to their own limits instead of losing over-long values.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

struct KeyValue {
    std::string_view name;
    DWORD type = 0;
    // REG_SZ as stored, REG_EXPAND_SZ expanded, REG_MULTI_SZ its first string;
    // empty for other kinds (isText false).
    std::string_view text;
    bool isText = false;
};

// Reads the values of an open key one by one, in the registry's order. The
// views handed out stay valid until the next call. The key must stay open.
class KeyValueReader {
public:
    explicit KeyValueReader(HKEY key);
    bool Next(KeyValue& out);

private:
    void Grow();

    HKEY key_;
    DWORD index_ = 0;
    std::vector<char> name_;
    std::vector<BYTE> data_;
    std::string expanded_;
};

// The names of the direct sub-keys of an open key.
std::vector<std::string> SubkeyNames(HKEY key);
