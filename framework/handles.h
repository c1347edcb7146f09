// Owners for what Win32 and the C run-time hand out. Each closes its resource exactly
// once, cannot be copied and can be moved, so that no path through the program leaks a
// handle and no cleanup label is needed.
#pragma once

#include <windows.h>

#include <cstdio>
#include <utility>

namespace lumetra {

template <typename Traits>
class UniqueResource {
public:
    using Handle = typename Traits::Handle;

    UniqueResource() noexcept : handle_(Traits::Invalid()) {}
    explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
    ~UniqueResource() { reset(); }

    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // For functions that return the handle through an out-parameter.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }
    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle handle_;
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle key) { RegCloseKey(key); }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

// Kernel objects whose failure value is NULL rather than INVALID_HANDLE_VALUE
// (processes, threads, events).
struct NullableHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle module) { FreeLibrary(module); }
};

struct StdioFileTraits {
    using Handle = FILE*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle file) { std::fclose(file); }
};

// Memory the shell hands out with the COM allocator, such as item-id lists.
struct CoTaskMemoryTraits {
    using Handle = void*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle memory) { CoTaskMemFree(memory); }
};

struct DeviceContextTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle dc) { DeleteDC(dc); }
};

// Pens, brushes, fonts, bitmaps: whatever DeleteObject frees.
template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle object) { DeleteObject(object); }
};

// Icons and cursors made with CopyIcon, CreateIconIndirect and the like (not shared
// ones from LoadIcon/LoadCursor, which must not be destroyed).
struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle icon) { DestroyIcon(icon); }
};

using UniqueHKey = UniqueResource<RegistryKeyTraits>;
using UniqueFileHandle = UniqueResource<KernelHandleTraits>;
using UniqueHandle = UniqueResource<NullableHandleTraits>;
using UniqueModule = UniqueResource<ModuleTraits>;
using UniqueStdioFile = UniqueResource<StdioFileTraits>;
using UniqueCreatedDC = UniqueResource<DeviceContextTraits>;
using UniqueCoTaskMemory = UniqueResource<CoTaskMemoryTraits>;

// COM on the calling thread in a single-threaded apartment for the lifetime of the
// object. Only a successful initialisation is balanced by CoUninitialize, so a thread
// that runs COM in another apartment is left as it was.
class ScopedComInitialization {
public:
    ScopedComInitialization() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ScopedComInitialization() {
        if (initialized_) CoUninitialize();
    }
    ScopedComInitialization(const ScopedComInitialization&) = delete;
    ScopedComInitialization& operator=(const ScopedComInitialization&) = delete;

    explicit operator bool() const { return initialized_; }

private:
    bool initialized_;
};
// Any GDI object, and bitmaps where the type matters to the caller.
using UniqueGdiObject = UniqueResource<GdiObjectTraits<HGDIOBJ>>;
using UniqueBitmap = UniqueResource<GdiObjectTraits<HBITMAP>>;
using UniqueIcon = UniqueResource<IconTraits>;

// A device context obtained with GetDC, released with ReleaseDC.
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// Restores a device context's state saved with SaveDC when it goes out of scope.
class ScopedSavedDC {
public:
    explicit ScopedSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~ScopedSavedDC() {
        if (saved_ != 0) RestoreDC(dc_, -1);
    }
    ScopedSavedDC(const ScopedSavedDC&) = delete;
    ScopedSavedDC& operator=(const ScopedSavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace lumetra
