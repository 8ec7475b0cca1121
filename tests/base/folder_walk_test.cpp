#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/folder_walk.h"
#include "support/test_files.h"

namespace {

// C:\sxwalk: a.txt, one\b.txt, one\two\c.txt, one\two\three\d.txt, .hidden\e.txt
class FolderTree : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"one", "one\\two", "one\\two\\three", ".hidden"})
            ASSERT_TRUE(CreateDirectoryA((root_ / folder).c_str(), nullptr));
        for (const char* file : {"a.txt", "one\\b.txt", "one\\two\\c.txt", "one\\two\\three\\d.txt", ".hidden\\e.txt"})
            ASSERT_TRUE(ScratchFolder::Write(root_ / file, "x"));
    }

    // Paths below the root, in visiting order. The visitor answers nonzero for
    // the entries that stop says so of.
    std::vector<std::string> Walk(std::string folder, int depth, bool (*stop)(const std::string&) = nullptr) {
        struct Context {
            std::vector<std::string> seen;
            size_t rootLength;
            bool (*stop)(const std::string&);
        } context{{}, root_.path().size() + 1, stop};
        WalkFolder(folder, [](const char* path, const WIN32_FIND_DATAA& data, void* ctx, void* ctx2) -> int {
            auto* c = static_cast<Context*>(ctx);
            EXPECT_EQ(ctx2, reinterpret_cast<void*>(0x22));
            std::string relative = std::string(path).substr(c->rootLength);
            EXPECT_EQ(relative.substr(relative.rfind('\\') + 1), data.cFileName);  // the path ends in the entry's name
            c->seen.push_back(relative);
            return c->stop && c->stop(relative);
        }, depth, &context, reinterpret_cast<void*>(0x22));
        return context.seen;
    }

    static std::vector<std::string> Sorted(std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    }

    ScratchFolder root_{"C:\\sxwalk"};
};

TEST_F(FolderTree, DepthLimitsHowFarSubfoldersAreEntered) {
    struct Case {
        int depth;
        std::vector<std::string> expected;
    } cases[] = {
        {-1, {"a.txt", "one"}},
        {0, {"a.txt", "one"}},
        {1, {"a.txt", "one", "one\\b.txt", "one\\two"}},
        {2, {"a.txt", "one", "one\\b.txt", "one\\two", "one\\two\\c.txt", "one\\two\\three"}},
        {9, {"a.txt", "one", "one\\b.txt", "one\\two", "one\\two\\c.txt", "one\\two\\three", "one\\two\\three\\d.txt"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Sorted(Walk(root_.path(), c.depth)), c.expected) << "depth " << c.depth;
}

TEST_F(FolderTree, SubfolderIsWalkedBeforeItIsVisited) {
    auto seen = Walk(root_.path() + "\\", 9);  // a trailing backslash is kept as it is
    auto at = [&](const std::string& name) { return std::find(seen.begin(), seen.end(), name) - seen.begin(); };
    EXPECT_LT(at("one\\two\\three\\d.txt"), at("one\\two\\three"));
    EXPECT_LT(at("one\\b.txt"), at("one"));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), ".hidden"), 0);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), ".hidden\\e.txt"), 0);
}

TEST_F(FolderTree, NonzeroFromTheVisitorEndsTheCurrentFolderOnly) {
    auto isTopLevel = [](const std::string& relative) { return relative.find('\\') == std::string::npos; };
    auto seen = Walk(root_.path(), 9, [](const std::string& r) { return r.find('\\') == std::string::npos; });
    EXPECT_EQ(std::count_if(seen.begin(), seen.end(), isTopLevel), 1);

    // Stopping in the deepest folder does not stop the folders above it.
    seen = Walk(root_.path(), 9, [](const std::string& r) { return r == "one\\two\\three\\d.txt"; });
    EXPECT_EQ(Sorted(seen).size(), 7u);
}

TEST_F(FolderTree, MissingOrOverlongFolderVisitsNothing) {
    EXPECT_TRUE(Walk(root_ / "absent", 3).empty());
    EXPECT_TRUE(Walk("C:\\" + std::string(300, 'x'), 3).empty());
    WalkFolder(root_.path(), nullptr, 3, nullptr, nullptr);  // no visitor: nothing happens
}

TEST(FolderScanMode, IsKeptUntilChanged) {
    SetFolderScanMode(kScanHiddenFiles);
    EXPECT_EQ(FolderScanMode(), 7);
    SetFolderScanMode(kScanStartupFolder);
    EXPECT_EQ(FolderScanMode(), 1);
    SetFolderScanMode(kScanNone);
}

}  // namespace
