#include "base/shortcuts.h"

#include <objbase.h>
#include <string>
#include <objidl.h>
#include <shlobj.h>
#include <intshcut.h>

#include "base/file_search.h"
#include "base/unique_resource.h"

namespace {

// The shell's link and Internet-shortcut objects, spelled out here so that no
// GUID library is needed.
constexpr CLSID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr CLSID kClsidInternetShortcut = {0xFBF23B40, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
constexpr IID kIidUniformResourceLocatorA = {0xFBF23B80, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};

constexpr size_t kShellTextSize = 260;  // what the link object is asked for
constexpr HRESULT kPathTooLong = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);

// A path for IPersistFile: UTF-16 with room for 260 characters. A longer path
// is refused, since a cut one would name another file.
struct WidePath {
    WCHAR text[MAX_PATH] = {};
    bool ok = false;
    explicit WidePath(std::string_view path) {
        if (path.empty() || path.size() >= MAX_PATH) return;
        int n = MultiByteToWideChar(CP_ACP, 0, path.data(), int(path.size()), text, MAX_PATH - 1);
        if (n <= 0) return;
        text[n] = L'\0';
        ok = true;
    }
};

// Link object setters take terminated texts.
template <size_t N>
const char* Terminated(FixedText<N>& holder, std::string_view text) {
    holder.assign(text);
    return holder.c_str();
}

class ErrorModeScope {
public:
    ErrorModeScope() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~ErrorModeScope() { SetErrorMode(previous_); }
    ErrorModeScope(const ErrorModeScope&) = delete;
    ErrorModeScope& operator=(const ErrorModeScope&) = delete;
private:
    UINT previous_;
};

// Resolve may answer S_OK for a target that is gone (it does so when it does
// not search for moved targets); such a shortcut is broken all the same.
bool TargetIsMissing(IShellLinkA* link) {
    FixedText<MAX_PATH> target;
    if (link->GetPath(target.data(), int(target.capacity()), nullptr, 0) != S_OK || target.empty()) return false;
    FsRedirectionOff redirection;  // the file as the user sees it, also from a 32-bit process
    if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

size_t ShellSize(size_t size) { return size < kShellTextSize ? size : kShellTextSize; }

}  // namespace

HRESULT CreateShortcut(std::string_view shortcutPath, std::string_view workingFolder,
                       std::string_view description, std::string_view iconFile, std::string_view target) {
    WidePath file(shortcutPath);
    if (!file.ok) return kPathTooLong;
    ComPtr<IShellLinkA> link;
    HRESULT hr = CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkA, link.put_void());
    if (FAILED(hr)) return hr;

    FixedText<MAX_PATH> text;
    FixedText<kShortcutDescriptionSize> longText;
    if (FAILED(hr = link->SetPath(Terminated(text, target)))) return hr;
    if (FAILED(hr = link->SetDescription(Terminated(longText, description)))) return hr;
    if (FAILED(hr = link->SetIconLocation(Terminated(text, iconFile), 0))) return hr;
    if (FAILED(hr = link->SetWorkingDirectory(Terminated(text, workingFolder)))) return hr;
    if (FAILED(hr = link->SetArguments(""))) return hr;

    ComPtr<IPersistFile> persist;
    if (FAILED(hr = link->QueryInterface(kIidPersistFile, persist.put_void()))) return hr;
    return persist->Save(file.text, TRUE);
}

HRESULT ReadShortcut(std::string_view shortcutPath, TextBuffer target, TextBuffer description) {
    target.clear();
    description.clear();
    WidePath file(shortcutPath);
    if (!file.ok) return kPathTooLong;
    ErrorModeScope noCriticalErrorBoxes;

    ComPtr<IShellLinkA> link;
    HRESULT hr = CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkA, link.put_void());
    if (FAILED(hr)) return hr;
    ComPtr<IPersistFile> persist;
    if (FAILED(hr = link->QueryInterface(kIidPersistFile, persist.put_void()))) return hr;
    if (FAILED(hr = persist->Load(file.text, STGM_READ))) return hr;

    hr = link->Resolve(nullptr, kShortcutResolveFlags);
    if (hr == S_OK && TargetIsMissing(link.get())) hr = S_FALSE;
    if (hr == S_OK) {
        hr = link->GetDescription(description.data(), int(ShellSize(description.capacity())));
        description.data()[description.capacity() - 1] = '\0';
        hr = link->GetPath(target.data(), int(ShellSize(target.capacity())), nullptr, SLGP_SHORTPATH);
        target.data()[target.capacity() - 1] = '\0';
    }
    return hr;
}

HRESULT CreateInternetShortcut(std::string_view url, std::string_view shortcutPath) {
    WidePath file(shortcutPath);
    if (!file.ok) return kPathTooLong;
    ComScope com;
    HRESULT hr;
    {
        ComPtr<IUniformResourceLocatorA> locator;
        hr = CoCreateInstance(kClsidInternetShortcut, nullptr, CLSCTX_INPROC_SERVER, kIidUniformResourceLocatorA,
                              locator.put_void());
        if (SUCCEEDED(hr)) {
            std::string address(url);
            hr = locator->SetURL(address.c_str(), 0);
        }
        ComPtr<IPersistFile> persist;
        if (SUCCEEDED(hr)) hr = locator->QueryInterface(kIidPersistFile, persist.put_void());
        if (SUCCEEDED(hr)) hr = persist->Save(file.text, FALSE);
    }
    return hr;
}
