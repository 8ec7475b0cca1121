// The resources linked into every program: the string table, the page
// templates, the pictures, icons and sound, the manifest and the version.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

std::string LoadString(UINT id) {
    char text[4096];
    int length = LoadStringA(Module(), id, text, sizeof(text));
    return std::string(text, length > 0 ? length : 0);
}

// Texts whose blanks, line breaks, quotes and backslashes are easy to lose.
TEST(ResourcesStringTable, HoldsTheExactTexts) {
    const struct { UINT id; const char* text; } cases[] = {
        {IDS_PRODUCT, "Sentrivox"},
        {IDS_CLASS_NAME, "SentrivoxEx"},
        {IDS_LOADING, "Loading..."},
        {IDS_LANGUAGE, "us"},
        {IDS_HTTP_PREFIX, "http://"},
        {IDS_CLOSE, "Close"},
        {IDS_HELP_CAPTION, "Sentrivox Help"},
        {IDS_NEVER, "Never"},
        {IDS_TITLE_STARTUP, " Startup Programs "},
        {IDS_TITLE_OPTIONS, " Options  "},
        {IDS_TITLE_REGMONITOR, " Registry Monitoring "},
        {IDS_DISABLED_MARK, "   Disabled"},
        {IDS_STARTUP_LOCATION, "Startup Location: "},
        {IDS_STARTUP_ADVANCED, "  Display Secret Startup Locations   ( Advanced mode )"},
        {IDS_OPT_HISTORY, "  Track Changes in restoration File. (history.txt) "},
        {IDS_NOT_NORMAL,
         "ERROR: Your system is not in its normal condition.  We recommend rebooting to resolve this problem."},
        {IDS_NO_SELECTION,
         "No selection has been made.\n\nClick on the title in the left most column that represents the item "
         "you'd like to learn more about.\nThen click on the Info button or just press the Enter key."},
        {IDS_CONFIRM_REMOVE_STARTUP,
         "\nYou have chosen to remove %s\n\nThis file will not be deleted from your hard drive but it will no "
         "longer run automatically when you start Windows.  \n\nAre you sure you want to remove this startup entry?"},
        {IDS_MICROSOFT_STARTUP_FILE,
         "The file %s appears to be a valid Microsoft system file.  It was found in an undocumented system "
         "startup location and may be critical to your system.\r\n\r\n"},
        {IDS_IEHELPERS_HEADER1,
         "\nBrisko the Windows Watch Dog reports the following IE Helper programs or links  have been installed "
         "and are available to your Internet Explorer browser."},
        {IDS_RECENT_HEADER2,
         "Select program to remove. Right-click on program name for additional remove options including "
         "\"Delete on Reboot\"."},
        {IDS_KEY_HTTP_OPEN_COMMAND, "SOFTWARE\\Classes\\HTTP\\shell\\open\\command"},
        {IDS_REGKEY_EXAMPLE, "Example: SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer"},
        {IDS_PROGRAM_FILTER, "Programs Files (*.exe) % *.exe% All Files  (*.*) % *.*%%"},
        {IDS_DEFAULT_FILETYPES,
         "AVI;BAT;CAB;CAT;CHM;COM;CMD;CSS;DOC;EML;EXE;INF;JS;LOG;MSI;MSG;MID;MP3;PIF;RAM;REG;RTF;SBS;SCR;TXT;URL;"
         "VBS;VBE;WSF;WSH;XLS;"},
        {IDS_CONFIRM_DELETE_ON_REBOOT,
         "\nIs this known Adware or Spyware?\nThis option should only be used in situations where files can not "
         "be removed using normal tools.      \n \nDeletion will occur the next time you reboot before Windows is "
         "fully loaded.     \nThere is no recovery of files deleted this way.  \n\nAre you sure you want this file "
         "deleted?\n\n"},
        {IDS_DEFAULT_VALUE, "(Default)"},
        {1214, "Startup"},  // a Hide Alerts row's text also sits at the ids of its radios
    };
    for (const auto& c : cases) EXPECT_EQ(LoadString(c.id), c.text) << "string " << c.id;
}

// Creates templates as children of a hidden window, the way the sheet does.
class ResourcesDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&init);
    }
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, Module(), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        DestroyWindow(parent_);
    }
    HWND Create(int id) {
        if (dialog_) DestroyWindow(dialog_);
        dialog_ = CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), parent_, Ignore, 0);
        return dialog_;
    }
    static INT_PTR CALLBACK Ignore(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

    HWND parent_ = nullptr;
    HWND dialog_ = nullptr;
};

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

struct Expected {
    int id;
    const char* className;  // compared without case: Wine and Windows spell them differently
};

struct PageCase {
    int templateId;
    const char* name;
    std::vector<Expected> controls;
};

// The controls each page's code reaches by id.
std::vector<PageCase> PageCases() {
    const Expected list{IDC_LIST, "SysListView32"}, help{IDC_PICTURE_HELP, "Static"},
        helpLabel{IDC_LABEL_HELP, "Static"}, monitor{IDC_PICTURE_MONITOR, "Static"},
        monitorLabel{IDC_LABEL_MONITOR, "Static"}, close{IDC_PAGE_CLOSE, "Button"}, info{IDC_INFO, "Button"},
        header1{IDC_HEADER_TEXT1, "Static"}, header2{IDC_HEADER_TEXT2, "Static"};
    return {
        {IDD_PAGE_STARTUP, "Startup Programs",
         {list, help, helpLabel, monitor, monitorLabel, close, info, {IDC_STARTUP_INTRO, "Static"},
          {IDC_ADD, "Button"}, {IDC_REMOVE, "Button"}, {IDC_ENABLE, "Button"}, {IDC_DISABLE, "Button"},
          {IDC_STARTUP_ADVANCED, "Button"}, {IDC_PAGE_PICTURE, "Static"}}},
        {IDD_PAGE_DELAYED, "Delayed Start",
         {list, help, helpLabel, close, info, {IDC_DELAY_INTRO, "Static"}, {IDC_DELAY_HINT, "Static"},
          {IDC_ADD, "Button"}, {IDC_DELAY_OPTIONS, "Button"}, {IDC_REMOVE, "Button"}}},
        {IDD_PAGE_IEHELPERS, "IE Helpers",
         {list, help, helpLabel, monitor, monitorLabel, close, info, header1, header2, {IDC_REMOVE, "Button"}}},
        {IDD_PAGE_TASKS, "Scheduled Tasks",
         {list, help, helpLabel, monitor, monitorLabel, close, info, header1, header2, {IDC_REMOVE, "Button"}}},
        {IDD_PAGE_SERVICES, "Services",
         {list, help, helpLabel, monitor, monitorLabel, close, info, header1, header2,
          {IDC_SERVICES_NON_MICROSOFT, "Button"}}},
        {IDD_PAGE_ACTIVETASKS, "Active Tasks",
         {list, help, helpLabel, close, info, header1, header2, {IDC_REFRESH, "Button"},
          {IDC_KILL_TASK, "Button"}}},
        {IDD_PAGE_COOKIES, "Cookies",
         {list, help, helpLabel, monitor, monitorLabel, {IDC_COOKIE_FILTER_EDIT, "Edit"}, {IDC_ADD, "Button"},
          {IDC_REMOVE, "Button"}, {IDC_COOKIE_FILTER_TEXT, "Edit"}, {IDC_COOKIE_IE, "Button"},
          {IDC_COOKIE_MOZILLA, "Button"}, {IDC_COOKIE_CHROME, "Button"}, {IDC_COOKIE_FOLDER, "Edit"},
          {IDC_COOKIE_FOLDER_PICK, "Static"}, {IDC_COOKIE_ALWAYS_VIEW, "Button"}, {IDC_COOKIE_VIEW, "Button"},
          {IDC_COOKIE_TEXT1, "Static"}, {IDC_COOKIE_TEXT2, "Static"}, {IDC_COOKIE_TEXT3, "Static"},
          {IDC_COOKIE_HEADING, "Static"}}},
        {IDD_PAGE_FILETYPES, "File Types",
         {list, help, helpLabel, monitor, monitorLabel, close, info, {IDC_FILETYPE_TEXT1, "Static"},
          {IDC_FILETYPE_TEXT2, "Static"}, {IDC_ADD, "Button"}, {IDC_REMOVE, "Button"}}},
        {IDD_PAGE_HIDDEN, "Hidden Files",
         {list, help, helpLabel, monitor, monitorLabel, close, info, header1, header2, {IDC_REFRESH, "Button"},
          {IDC_UNHIDE, "Button"}}},
        {IDD_PAGE_RECENT, "Recent",
         {list, help, helpLabel, close, info, header1, header2, {IDC_RECENT_ACTION, "Button"}}},
        {IDD_PAGE_ACTIVEX, "ActiveX",
         {list, help, helpLabel, monitor, monitorLabel, close, info, header1, {IDC_ENABLE, "Button"},
          {IDC_DISABLE, "Button"}, {IDC_ACTIVEX_NON_MICROSOFT, "Button"}, {IDC_ACTIVEX_LIST_ALL, "Button"}}},
        {IDD_PAGE_REGMONITOR, "Registry Monitoring",
         {list, help, helpLabel, close, {IDC_REGMON_TEXT1, "Static"}, {IDC_REGMON_TEXT2, "Static"},
          {IDC_REGMON_TEXT3, "Static"}, {IDC_ADD, "Button"}, {IDC_REGMON_SUGGESTIONS, "Button"},
          {IDC_REMOVE, "Button"}}},
        {IDD_PAGE_OPTIONS, "Options",
         {help, helpLabel, close, {IDC_OPT_INTRO, "Static"}, {IDC_OPT_GROUP, "Button"},
          {IDC_OPT_AUTOSTART, "Button"}, {IDC_OPT_SOUND, "Button"}, {IDC_OPT_HISTORY, "Button"},
          {IDC_OPT_HIDE_TRAY, "Button"}, {IDC_OPT_LOCK_FILETYPES, "Button"}, {IDC_OPT_CONFIRM_EXIT, "Button"},
          {IDC_OPT_ORIGINAL_TRAY_ICON, "Button"}, {IDC_OPT_PLUS_INFO, "Button"},
          {IDC_OPT_EXPLORER_MENU, "Button"}, {IDC_OPT_HOMEPAGE_PICTURE, "Static"},
          {IDC_OPT_HOMEPAGE_TEXT, "Static"}, {IDC_OPT_HOSTS_PICTURE, "Static"}, {IDC_OPT_HOSTS_TEXT, "Static"},
          {IDC_OPT_RESTART_PICTURE, "Static"}, {IDC_OPT_RESTART_TEXT, "Static"},
          {IDC_OPT_VIEW_HISTORY, "Button"}, {IDC_OPT_VIEW_HOSTS, "Button"}, {IDC_OPT_EXPORT, "Button"},
          {IDC_OPT_RESTORE_DELAYED, "Button"}, {IDC_OPT_REPORT, "Button"}, {IDC_OPT_HIJACK_LOG, "Button"},
          {IDC_OPT_SPREADSHEET, "Button"}, {IDC_OPT_HIDE_ALERTS, "Button"}}},
    };
}

TEST_F(ResourcesDialogs, EveryPageHoldsTheControlsItsCodeUses) {
    for (const auto& page : PageCases()) {
        SCOPED_TRACE(page.name);
        HWND dialog = Create(page.templateId);
        ASSERT_NE(dialog, nullptr) << "template " << page.templateId << " error " << GetLastError();
        for (const auto& control : page.controls) {
            HWND item = GetDlgItem(dialog, control.id);
            ASSERT_NE(item, nullptr) << "control " << control.id;
            EXPECT_EQ(_stricmp(ClassOf(item).c_str(), control.className), 0)
                << "control " << control.id << " is a " << ClassOf(item);
        }
    }
}

// A page made as a popup, or without DS_CONTROL, breaks the sheet's keyboard
// navigation; the font decides every page's size in pixels.
TEST(ResourcesPageTemplates, ArePropertySheetChildPagesInTheShellFont) {
    for (const auto& page : PageCases()) {
        SCOPED_TRACE(page.name);
        HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(page.templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
        ASSERT_NE(found, nullptr);
        const auto* words = static_cast<const WORD*>(LockResource(LoadResource(Module(), found)));
        ASSERT_EQ(words[0], 1);       // DLGTEMPLATEEX
        ASSERT_EQ(words[1], 0xFFFF);
        DWORD style;
        std::memcpy(&style, words + 6, sizeof(style));
        EXPECT_EQ(style & (WS_CHILD | DS_CONTROL | DS_SETFONT), DWORD(WS_CHILD | DS_CONTROL | DS_SETFONT));
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION), 0u);
        // After the header come the menu, the class and the title (each 0 here) and the font.
        const WORD* font = words + 13;
        for (int skip = 0; skip < 3; ++skip) {
            if (*font == 0xFFFF) font += 2;
            else while (*font++) {}
        }
        EXPECT_EQ(font[0], 8);
        const wchar_t* face = reinterpret_cast<const wchar_t*>(font + 3);
        EXPECT_EQ(std::wstring(face), L"MS Shell Dlg");
    }
}

TEST_F(ResourcesDialogs, ListsArePageOwnedReportViews) {
    for (const auto& page : PageCases()) {
        if (page.templateId == IDD_PAGE_OPTIONS) continue;
        SCOPED_TRACE(page.name);
        HWND list = GetDlgItem(Create(page.templateId), IDC_LIST);
        ASSERT_NE(list, nullptr);
        const LONG style = StyleOf(list);
        EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
        EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
        // The pages recreate and destroy their image lists themselves.
        EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
    }
}

// Pictures let the mouse through to the page, which shows their hover and
// pressed states and turns a click into the picture's command.
TEST_F(ResourcesDialogs, PicturesAreBitmapsTransparentToTheMouse) {
    const int pictures[] = {IDC_PICTURE_HELP, IDC_PICTURE_MONITOR, IDC_OPT_HOMEPAGE_PICTURE, IDC_OPT_HOSTS_PICTURE,
                            IDC_OPT_RESTART_PICTURE};
    for (const auto& page : PageCases()) {
        SCOPED_TRACE(page.name);
        HWND dialog = Create(page.templateId);
        for (const auto& control : page.controls) {
            if (std::find(std::begin(pictures), std::end(pictures), control.id) == std::end(pictures)) continue;
            HWND picture = GetDlgItem(dialog, control.id);
            const LONG style = StyleOf(picture);
            EXPECT_EQ(style & SS_TYPEMASK, SS_BITMAP) << "control " << control.id;
            EXPECT_FALSE(style & SS_NOTIFY) << "control " << control.id;
            EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "control " << control.id;
        }
    }
}

TEST_F(ResourcesDialogs, PageButtonsAreOwnerDrawn) {
    for (const auto& page : PageCases()) {
        SCOPED_TRACE(page.name);
        HWND dialog = Create(page.templateId);
        for (const auto& control : page.controls) {
            HWND item = GetDlgItem(dialog, control.id);
            const LONG type = StyleOf(item) & BS_TYPEMASK;
            if (_stricmp(control.className, "Button") != 0 || type == BS_AUTOCHECKBOX ||
                type == BS_AUTORADIOBUTTON || type == BS_GROUPBOX)
                continue;
            EXPECT_EQ(type, BS_OWNERDRAW) << "control " << control.id;
        }
    }
}

TEST_F(ResourcesDialogs, ButtonsThatWaitForASelectionStartHidden) {
    const struct { int page; int control; bool visible; } cases[] = {
        {IDD_PAGE_STARTUP, IDC_ENABLE, true},   {IDD_PAGE_STARTUP, IDC_DISABLE, false},
        {IDD_PAGE_ACTIVEX, IDC_ENABLE, false},  {IDD_PAGE_ACTIVEX, IDC_DISABLE, false},
        {IDD_PAGE_RECENT, IDC_RECENT_ACTION, false}, {IDD_PAGE_RECENT, IDC_INFO, false},
        {IDD_PAGE_RECENT, IDC_PAGE_CLOSE, true},
    };
    for (const auto& c : cases) {
        HWND item = GetDlgItem(Create(c.page), c.control);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ((StyleOf(item) & WS_VISIBLE) != 0, c.visible) << "page " << c.page << " control " << c.control;
    }
}

TEST_F(ResourcesDialogs, NoteIsAPopupWithBodyAndOk) {
    HWND note = Create(IDD_NOTE);
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(StyleOf(note) & WS_POPUP);
    EXPECT_TRUE(StyleOf(note) & WS_CAPTION);
    HWND body = GetDlgItem(note, IDC_NOTE_TEXT);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(_stricmp(ClassOf(body).c_str(), "Static"), 0);
    HWND ok = GetDlgItem(note, IDOK);
    ASSERT_NE(ok, nullptr);
    char text[16] = "";
    GetWindowTextA(ok, text, sizeof(text));
    EXPECT_STREQ(text, "OK");
}

TEST(ResourcesArt, BitmapsAre24BitAndSizedForTheirPlace) {
    const struct { int id; int width; int height; } cases[] = {
        {IDB_HELP_NORMAL, 20, 20},      {IDB_HELP_PRESSED, 20, 20},   {IDB_HELP_HOVER, 20, 20},
        {IDB_MONITOR_OFF, 20, 20},      {IDB_MONITOR_ACTIVE, 20, 20}, {IDB_MONITOR_ON, 20, 20},
        {IDB_MONITOR_REALTIME, 20, 20}, {IDB_EXTRA_158, 300, 48},     {IDB_EXTRA_159, 300, 48},
        {IDB_EXTRA_160, 96, 256},
    };
    for (const auto& c : cases) {
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(Module(), MAKEINTRESOURCEA(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << "bitmap " << c.id;
        BITMAP info{};
        GetObjectA(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, c.width) << "bitmap " << c.id;
        EXPECT_EQ(info.bmHeight, c.height) << "bitmap " << c.id;
        EXPECT_EQ(info.bmBitsPixel, 24) << "bitmap " << c.id;
        DeleteObject(bitmap);
    }
}

// The sizes an icon group offers, read from its RT_GROUP_ICON directory.
std::vector<int> IconSizes(int id) {
    std::vector<int> sizes;
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!found) return sizes;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    const WORD count = *reinterpret_cast<const WORD*>(bytes + 4);
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = bytes + 6 + 14 * i;  // GRPICONDIRENTRY
        sizes.push_back(entry[0] ? entry[0] : 256);
    }
    return sizes;
}

TEST(ResourcesArt, IconsOfferTheSizesTheProgramAsksFor) {
    const struct { int id; std::vector<int> sizes; } cases[] = {
        {IDI_PROGRAM, {16, 32, 48}},     {IDI_GENERIC, {16, 32}},     {IDI_TAB_STARTUP, {16, 32}},
        {IDI_TAB_DELAYED, {16, 32}},     {IDI_TAB_IEHELPERS, {16, 32}}, {IDI_TAB_TASKS, {16, 32}},
        {IDI_TAB_SERVICES, {16, 32}},    {IDI_TAB_ACTIVETASKS, {16, 32}}, {IDI_TAB_COOKIES, {16, 32}},
        {IDI_TAB_FILETYPES, {16, 32}},   {IDI_TAB_HIDDEN, {16, 32}},   {IDI_TAB_RECENT, {16, 32}},
        {IDI_TAB_ACTIVEX, {16, 32}},     {IDI_TAB_REGMONITOR, {16, 32}}, {IDI_TAB_OPTIONS, {16, 32}},
        {IDI_LOCK, {16, 32}},            {IDI_FOLDER, {16, 32}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IconSizes(c.id), c.sizes) << "icon " << c.id;
        for (int size : c.sizes) {
            HICON icon = static_cast<HICON>(
                LoadImageA(Module(), MAKEINTRESOURCEA(c.id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            EXPECT_NE(icon, nullptr) << "icon " << c.id << " at " << size;
            if (icon) DestroyIcon(icon);
        }
    }
}

// PlaySound takes the WAVE resource as it is: 22 kHz mono 16-bit PCM, under a second.
TEST(ResourcesArt, OpenSoundIsAShortPcmWave) {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(IDW_OPEN_SOUND), "WAVE");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(Module(), found);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    ASSERT_GT(size, 44u);
    ASSERT_EQ(std::memcmp(bytes, "RIFF", 4), 0);
    ASSERT_EQ(std::memcmp(bytes + 8, "WAVEfmt ", 8), 0);
    WAVEFORMATEX format{};
    std::memcpy(&format, bytes + 20, 16);
    EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(format.nChannels, 1);
    EXPECT_EQ(format.nSamplesPerSec, 22050u);
    EXPECT_EQ(format.wBitsPerSample, 16);
    // The data chunk: find it past any other chunk and measure the sound.
    DWORD offset = 12, dataBytes = 0;
    while (offset + 8 <= size) {
        DWORD chunk;
        std::memcpy(&chunk, bytes + offset + 4, 4);
        if (std::memcmp(bytes + offset, "data", 4) == 0) { dataBytes = chunk; break; }
        offset += 8 + chunk + (chunk & 1);
    }
    ASSERT_GT(dataBytes, 0u);
    EXPECT_LE(offset + 8 + dataBytes, size);
    EXPECT_LT(dataBytes, 22050u * 2);
}

TEST(ResourcesManifest, AsksForCommonControlsSixAsInvoker) {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(Module(), found))),
                           SizeofResource(Module(), found));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(text.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos);  // Windows 7
}

TEST(ResourcesVersion, NamesTheProductAndItsVersion) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof(path));
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    const struct { const char* name; const char* value; } cases[] = {
        {"ProductName", "SentrivoxEx"},       {"ProductVersion", "19.3.2010.0"},
        {"FileVersion", "19.3.2010.0"},       {"CompanyName", "Orvik Studios"},
        {"FileDescription", "Sentrivox Explorer"},
    };
    for (const auto& c : cases) {
        const std::string query = std::string("\\StringFileInfo\\040904E4\\") + c.name;
        char* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << c.name;
        EXPECT_STREQ(value, c.value);
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD((19 << 16) | 3));
    EXPECT_EQ(fixed->dwProductVersionLS, DWORD(2010 << 16));
}

}  // namespace
