#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/version_info.h"
#include "support/test_files.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Pad(Bytes& b) { while (b.size() % 4) b.push_back(0); }
void AddWord(Bytes& b, unsigned w) { b.push_back(w & 0xFF); b.push_back((w >> 8) & 0xFF); }
void AddWide(Bytes& b, const std::string& s) {
    for (unsigned char c : s) AddWord(b, c);
    AddWord(b, 0);
}

// One node of a version resource: length, value length, type, key, value, children.
Bytes Node(const std::string& key, const Bytes& value, unsigned valueLength, unsigned type,
           const std::vector<Bytes>& children = {}) {
    Bytes b;
    AddWord(b, 0);
    AddWord(b, valueLength);
    AddWord(b, type);
    AddWide(b, key);
    Pad(b);
    b.insert(b.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        Pad(b);
        b.insert(b.end(), child.begin(), child.end());
    }
    b[0] = b.size() & 0xFF;
    b[1] = (b.size() >> 8) & 0xFF;
    return b;
}

struct Table {
    unsigned language, codePage;
    std::vector<std::pair<std::string, std::string>> strings;
};

// A complete VS_VERSIONINFO: string tables and, separately, the translation
// list (which may name pairs in another order, or pairs without a table).
Bytes VersionResource(const std::vector<Table>& tables, const std::vector<std::pair<unsigned, unsigned>>& translations) {
    std::vector<Bytes> stringTables;
    for (const Table& t : tables) {
        std::vector<Bytes> strings;
        for (const auto& [name, text] : t.strings) {
            Bytes value;
            AddWide(value, text);
            strings.push_back(Node(name, value, unsigned(text.size() + 1), 1));
        }
        char key[9];
        snprintf(key, sizeof(key), "%04x%04x", t.language, t.codePage);
        stringTables.push_back(Node(key, {}, 0, 1, strings));
    }
    Bytes pairs;
    for (const auto& [language, codePage] : translations) {
        AddWord(pairs, language);
        AddWord(pairs, codePage);
    }
    Bytes fixed(52, 0);
    const unsigned signature = 0xFEEF04BD;
    for (int i = 0; i < 4; ++i) fixed[i] = (signature >> (8 * i)) & 0xFF;
    fixed[5] = 1;  // structure version 1.0
    return Node("VS_VERSION_INFO", fixed, 52, 0,
                {Node("StringFileInfo", {}, 0, 1, stringTables),
                 Node("VarFileInfo", {}, 0, 1, {Node("Translation", pairs, unsigned(pairs.size()), 0)})});
}

// A copy of a program without version information, given the resource.
class VersionedFile {
public:
    VersionedFile(const ScratchFolder& folder, const std::string& name, const Bytes& resource)
        : path_(folder / name) {
        source_ = SystemFolderPath() + "\\notepad.exe";
        ok_ = CopyFileA(source_.c_str(), path_.c_str(), FALSE);
        HANDLE update = ok_ ? BeginUpdateResourceA(path_.c_str(), FALSE) : nullptr;
        ok_ = update && UpdateResourceA(update, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1),
                                        MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                        const_cast<unsigned char*>(resource.data()), DWORD(resource.size()));
        if (update) ok_ = EndUpdateResourceA(update, !ok_) && ok_;
    }
    bool ok() const { return ok_; }
    const std::string& path() const { return path_; }

private:
    std::string path_, source_;
    bool ok_ = false;
};

VersionInfo Read(const std::string& path, bool* found = nullptr) {
    VersionInfo info;
    info.companyName = "left over";
    bool ok = ReadVersionInfo(path, info);
    if (found) *found = ok;
    return info;
}

}  // namespace

TEST(ReadVersionInfo, ReadsTheSystemFilesOfThePrefix) {
    struct Case { std::string path; const char* description; };
    const Case cases[] = {
        {SystemFolderPath() + "\\kernel32.dll", "Wine kernel DLL"},
        {SystemFolderPath() + "\\comctl32.dll", "Wine Common Controls"},
        {WindowsFolderPath() + "\\regedit.exe", "Wine Registry Editor"},
    };
    for (const Case& c : cases) {
        bool found = false;
        VersionInfo info = Read(c.path, &found);
        EXPECT_TRUE(found) << c.path;
        EXPECT_STREQ(info.productName.c_str(), "Wine") << c.path;
        EXPECT_STREQ(info.companyName.c_str(), "Microsoft Corporation") << c.path;
        EXPECT_STREQ(info.fileDescription.c_str(), c.description) << c.path;
        EXPECT_FALSE(info.productVersion.empty()) << c.path;
        EXPECT_NE(info.legalCopyright.view().find("Wine project"), std::string_view::npos) << c.path;
    }
}

TEST(ReadVersionInfo, FilesWithoutVersionInformationGiveNothing) {
    ScratchFolder folder("C:\\sx-h-version");
    ASSERT_TRUE(ScratchFolder::Write(folder / "plain.exe", "MZ this is no program"));
    const std::string paths[] = {folder / "plain.exe", SystemFolderPath() + "\\notepad.exe", folder / "missing.dll", ""};
    for (const std::string& path : paths) {
        bool found = true;
        VersionInfo info = Read(path, &found);
        EXPECT_FALSE(found) << path;
        EXPECT_TRUE(info.productName.empty() && info.companyName.empty() && info.fileDescription.empty()) << path;
    }
}

TEST(ReadVersionInfo, FollowsTheTranslationTable) {
    ScratchFolder folder("C:\\sx-h-version");
    struct Case {
        const char* name;
        std::vector<Table> tables;
        std::vector<std::pair<unsigned, unsigned>> translations;
        const char *product, *company, *description;
    };
    const Case cases[] = {
        // A later pair with a product name overwrites, and its missing names are empty.
        {"later.exe",
         {{0x0409, 0x04b0, {{"ProductName", "First"}, {"CompanyName", "First Co"}, {"FileDescription", "one"}}},
          {0x0407, 0x04e4, {{"ProductName", "Second"}, {"FileDescription", "two"}}}},
         {{0x0409, 0x04b0}, {0x0407, 0x04e4}}, "Second", "", "two"},
        // A later pair without a product name is passed over.
        {"skip.exe",
         {{0x0409, 0x04b0, {{"ProductName", "Kept"}, {"CompanyName", "Kept Co"}}},
          {0x0407, 0x04e4, {{"CompanyName", "Other Co"}}}},
         {{0x0409, 0x04b0}, {0x0407, 0x04e4}}, "Kept", "Kept Co", ""},
        // The table's order counts, not the order of the string tables.
        {"order.exe",
         {{0x0409, 0x04b0, {{"ProductName", "English"}}}, {0x040c, 0x04b0, {{"ProductName", "French"}}}},
         {{0x040c, 0x04b0}, {0x0409, 0x04b0}}, "English", "", ""},
        // A pair whose string table is missing changes nothing.
        {"nopair.exe", {{0x0409, 0x04b0, {{"ProductName", "Only"}}}}, {{0x0409, 0x04b0}, {0x0411, 0x03a4}},
         "Only", "", ""},
        // A Windows component shows its description as its product name.
        {"system.dll",
         {{0x0409, 0x04b0,
           {{"ProductName", "Orvik(R) Windows(R) Operating System"}, {"FileDescription", "Shell helper"}}}},
         {{0x0409, 0x04b0}}, "Shell helper", "", "Shell helper"},
    };
    for (const Case& c : cases) {
        VersionedFile file(folder, c.name, VersionResource(c.tables, c.translations));
        ASSERT_TRUE(file.ok()) << c.name;
        bool found = false;
        VersionInfo info = Read(file.path(), &found);
        EXPECT_TRUE(found) << c.name;
        EXPECT_STREQ(info.productName.c_str(), c.product) << c.name;
        EXPECT_STREQ(info.companyName.c_str(), c.company) << c.name;
        EXPECT_STREQ(info.fileDescription.c_str(), c.description) << c.name;
    }
}

TEST(ReadVersionInfo, TextsOf128CharactersOrMoreAreEmpty) {
    ScratchFolder folder("C:\\sx-h-version");
    const std::string text127(127, 'c'), text128(128, 'd');
    VersionedFile file(folder, "long.exe",
                       VersionResource({{0x0409, 0x04b0,
                                         {{"ProductName", "Product"},
                                          {"CompanyName", text127},
                                          {"LegalCopyright", text128},
                                          {"FileDescription", std::string(600, 'e')}}}},
                                       {{0x0409, 0x04b0}}));
    ASSERT_TRUE(file.ok());
    VersionInfo info = Read(file.path());
    EXPECT_EQ(info.companyName.view(), text127);
    EXPECT_TRUE(info.legalCopyright.empty());
    EXPECT_TRUE(info.fileDescription.empty());

    // A product name of 128 characters is empty too, so the file has no information.
    VersionedFile noName(folder, "longname.exe",
                         VersionResource({{0x0409, 0x04b0, {{"ProductName", text128}}}}, {{0x0409, 0x04b0}}));
    ASSERT_TRUE(noName.ok());
    bool found = true;
    Read(noName.path(), &found);
    EXPECT_FALSE(found);
}

TEST(ReadVersionInfo, OversizedResourcesAreNotRead) {
    ScratchFolder folder("C:\\sx-h-version");
    VersionedFile file(folder, "big.exe",
                       VersionResource({{0x0409, 0x04b0, {{"ProductName", "Big"}, {"Comments", std::string(3000, 'z')}}}},
                                       {{0x0409, 0x04b0}}));
    ASSERT_TRUE(file.ok());
    DWORD handle = 0;
    ASSERT_GT(GetFileVersionInfoSizeA(file.path().c_str(), &handle), 8191u);
    bool found = true;
    VersionInfo info = Read(file.path(), &found);
    EXPECT_FALSE(found);
    EXPECT_TRUE(info.productName.empty());
    EXPECT_TRUE(info.companyName.empty());
}
