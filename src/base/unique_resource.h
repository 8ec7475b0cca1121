// RAII owners for the handles of the Win32 API: each releases what it holds,
// also on early returns. Every owner of the program is declared here, so that
// a handle's release rule is written once.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <wininet.h>
#include <winsvc.h>

#include <memory>
#include <utility>

template <class T, auto Close, auto Invalid = nullptr>
class UniqueResource {
public:
    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    ~UniqueResource() { reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    T get() const { return value_; }
    explicit operator bool() const { return valid(); }
    bool valid() const { return value_ != T(Invalid) && value_ != T(); }
    // For functions that return the handle through a pointer.
    T* put() { reset(); return &value_; }
    T release() { T v = value_; value_ = T(Invalid); return v; }
    void reset(T value = T(Invalid)) {
        if (valid()) Close(value_);
        value_ = value;
    }

private:
    T value_ = T(Invalid);
};

using UniqueHkey          = UniqueResource<HKEY, RegCloseKey>;
using UniqueHandle        = UniqueResource<HANDLE, CloseHandle>;
using UniqueFileHandle    = UniqueResource<HANDLE, CloseHandle, -1>;  // INVALID_HANDLE_VALUE
using UniqueFindHandle    = UniqueResource<HANDLE, FindClose, -1>;
using UniqueModule        = UniqueResource<HMODULE, FreeLibrary>;
using UniqueGdiObject     = UniqueResource<HGDIOBJ, DeleteObject>;
using UniqueHglobal       = UniqueResource<HGLOBAL, GlobalFree>;
using UniqueIcon          = UniqueResource<HICON, DestroyIcon>;
using UniqueMenu          = UniqueResource<HMENU, DestroyMenu>;
using UniqueImageList     = UniqueResource<HIMAGELIST, ImageList_Destroy>;
using UniqueInternet      = UniqueResource<HINTERNET, InternetCloseHandle>;
using UniqueServiceHandle = UniqueResource<SC_HANDLE, CloseServiceHandle>;

// A block of the process heap (HeapAlloc), freed with HeapFree.
struct HeapBlockFree {
    void operator()(void* block) const { HeapFree(GetProcessHeap(), 0, block); }
};
template <class T>
using UniqueHeapBlock = std::unique_ptr<T, HeapBlockFree>;

// The device context of a window (nullptr: the screen) for the life of the
// object: GetDC, and ReleaseDC with the same window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Release on scope exit for COM interfaces.
template <class I>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept { if (this != &o) { reset(); p_ = std::exchange(o.p_, nullptr); } return *this; }

    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    I** put() { reset(); return &p_; }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    void reset() { if (p_) { p_->Release(); p_ = nullptr; } }

private:
    I* p_ = nullptr;
};

// COM for this thread for the life of the object: the one place where
// CoInitialize and CoUninitialize pair up. A second CoInitialize of a thread
// that has COM already is balanced as well.
class ComScope {
public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(hr_)) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};
