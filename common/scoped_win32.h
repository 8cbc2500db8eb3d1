#pragma once
// Owners for Windows resources: each frees what it holds when it goes out of scope, so no path
// (an early return, an exception) leaves a handle, key, DC, GDI object, icon, menu or COM
// reference behind. Move-only; Get() lends, Release() hands ownership back to the caller.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace qvx {

// A value of type T freed by Free(T) unless it equals Invalid.
template <typename T, auto Free, T Invalid = T{}>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(T value) : value_(value) {}
  ~Scoped() { Reset(); }
  Scoped(Scoped&& other) noexcept : value_(other.Release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  T Get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid; }
  T Release() { return std::exchange(value_, Invalid); }
  void Reset(T value = Invalid) {
    if (value_ != Invalid) Free(value_);
    value_ = value;
  }
  // For APIs that hand the resource back through a pointer: frees what was held first.
  T* Put() {
    Reset();
    return &value_;
  }

 private:
  T value_ = Invalid;
};

namespace scoped_detail {
inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
inline void CloseKey(HKEY k) { RegCloseKey(k); }
inline void FreeIcon(HICON i) { DestroyIcon(i); }
inline void FreeMenu(HMENU m) { DestroyMenu(m); }
inline void FreeGdiObject(HGDIOBJ o) { DeleteObject(o); }
inline void FreeFont(HFONT f) { DeleteObject(f); }
inline void FreeBitmap(HBITMAP b) { DeleteObject(b); }
inline void FreeBrush(HBRUSH b) { DeleteObject(b); }
inline void FreeMemoryDc(HDC dc) { DeleteDC(dc); }
inline void FreeWindow(HWND w) { DestroyWindow(w); }
inline void FreeCoTask(void* p) { CoTaskMemFree(p); }
inline void FreeWinEventHook(HWINEVENTHOOK h) { UnhookWinEvent(h); }
} // namespace scoped_detail

using ScopedHandle = Scoped<HANDLE, scoped_detail::CloseKernelHandle>;  // null is "none"
using ScopedKey = Scoped<HKEY, scoped_detail::CloseKey>;
using ScopedIcon = Scoped<HICON, scoped_detail::FreeIcon>;
using ScopedMenu = Scoped<HMENU, scoped_detail::FreeMenu>;
using ScopedFont = Scoped<HFONT, scoped_detail::FreeFont>;
using ScopedBitmap = Scoped<HBITMAP, scoped_detail::FreeBitmap>;
using ScopedBrush = Scoped<HBRUSH, scoped_detail::FreeBrush>;
using ScopedMemoryDc = Scoped<HDC, scoped_detail::FreeMemoryDc>;
using ScopedWindow = Scoped<HWND, scoped_detail::FreeWindow>;
using ScopedWinEventHook = Scoped<HWINEVENTHOOK, scoped_detail::FreeWinEventHook>;

// A file handle, where INVALID_HANDLE_VALUE means "none".
class ScopedFile {
 public:
  ScopedFile() = default;
  explicit ScopedFile(HANDLE h) : handle_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  HANDLE Get() const { return handle_.Get(); }
  explicit operator bool() const { return static_cast<bool>(handle_); }
  void Reset() { handle_.Reset(); }

 private:
  ScopedHandle handle_;
};

// A string or buffer the shell allocated with CoTaskMemAlloc.
template <typename T>
class ScopedCoTaskMem {
 public:
  ScopedCoTaskMem() = default;
  ~ScopedCoTaskMem() { CoTaskMemFree(ptr_); }
  ScopedCoTaskMem(const ScopedCoTaskMem&) = delete;
  ScopedCoTaskMem& operator=(const ScopedCoTaskMem&) = delete;
  T* Get() const { return ptr_; }
  T** Put() {
    CoTaskMemFree(std::exchange(ptr_, nullptr));
    return &ptr_;
  }

 private:
  T* ptr_ = nullptr;
};

// A screen or window DC taken with GetDC, given back with ReleaseDC.
class ScopedGetDc {
 public:
  explicit ScopedGetDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedGetDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedGetDc(const ScopedGetDc&) = delete;
  ScopedGetDc& operator=(const ScopedGetDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC for a scope; the previous one is selected back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (previous_) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// COM for this thread, for the scope; CoUninitialize only when the initialisation succeeded.
class ScopedComInit {
 public:
  explicit ScopedComInit(DWORD model = COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
      : result_(CoInitializeEx(nullptr, model)) {}
  ~ScopedComInit() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ScopedComInit(const ScopedComInit&) = delete;
  ScopedComInit& operator=(const ScopedComInit&) = delete;
  bool Succeeded() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// A COM interface pointer holding one reference.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
    if (ptr_) ptr_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(ptr_, other.ptr_);
    return *this;
  }

  // Takes over a reference the caller already holds.
  static ComPtr Attach(T* ptr) {
    ComPtr p;
    p.ptr_ = ptr;
    return p;
  }
  T* Get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  void Reset() {
    if (ptr_) std::exchange(ptr_, nullptr)->Release();
  }
  // For creation functions that hand out a new reference.
  T** Put() {
    Reset();
    return &ptr_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // QueryInterface for another interface of the same object; empty when it has none.
  template <typename U>
  ComPtr<U> As() const {
    ComPtr<U> other;
    if (ptr_) ptr_->QueryInterface(__uuidof(U), other.PutVoid());
    return other;
  }

 private:
  T* ptr_ = nullptr;
};

} // namespace qvx
