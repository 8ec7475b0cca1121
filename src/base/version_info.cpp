#include "base/version_info.h"

#include <windows.h>

#include <cstdio>

#include "base/file_search.h"
#include "base/text_helpers.h"

namespace {

constexpr const char* kNames[] = {"ProductName", "ProductVersion", "CompanyName", "FileDescription", "LegalCopyright"};

FixedText<1024>* Fields(VersionInfo& info, int index) {
    FixedText<1024>* fields[] = {&info.productName, &info.productVersion, &info.companyName, &info.fileDescription,
                                 &info.legalCopyright};
    return fields[index];
}

// The text of one string of the block; false when the block does not have it.
bool QueryString(const void* block, WORD language, WORD codePage, const char* name, std::string_view& text) {
    char query[96];
    std::snprintf(query, sizeof(query), "\\StringFileInfo\\%04x%04x\\%s", language, codePage, name);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block, query, &value, &length) || !value) return false;
    text = std::string_view(static_cast<const char*>(value), BoundedLength(static_cast<const char*>(value), length));
    return true;
}

// Texts of 128 characters or more are not descriptions but noise: kept empty.
void StoreText(FixedText<1024>& field, std::string_view text) {
    if (text.size() >= kVersionTextLimit) field.clear();
    else field.assign(text);
}

}  // namespace

bool ReadVersionInfo(std::string_view path, VersionInfo& out) {
    out = VersionInfo();
    if (path.empty() || path.size() >= MAX_PATH) return false;
    FixedText<MAX_PATH> name(path);
    alignas(8) char block[kVersionResourceMax + 1];
    {
        FsRedirectionOff redirection;
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(name.c_str(), &handle);
        if (size == 0 || size > kVersionResourceMax) return false;
        if (!GetFileVersionInfoA(name.c_str(), 0, size, block)) return false;
    }

    struct Translation { WORD language, codePage; };
    void* table = nullptr;
    UINT tableLength = 0;
    if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", &table, &tableLength) || !table) return false;
    const auto* pairs = static_cast<const Translation*>(table);
    for (UINT i = 0; i < tableLength / sizeof(Translation); ++i) {
        std::string_view text;
        if (!QueryString(block, pairs[i].language, pairs[i].codePage, kNames[0], text)) continue;
        StoreText(out.productName, text);
        for (int field = 1; field < 5; ++field) {
            if (QueryString(block, pairs[i].language, pairs[i].codePage, kNames[field], text))
                StoreText(*Fields(out, field), text);
            else
                Fields(out, field)->clear();
        }
    }
    // A Windows component says only that it is part of the system; its description says what it is.
    if (ContainsNoCase(out.productName.view(), "Operating System")) out.productName = out.fileDescription.view();
    return !out.productName.empty();
}
