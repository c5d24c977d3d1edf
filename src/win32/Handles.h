#pragma once

#include <array>
#include <atomic>
#include <utility>

#include "win32/WinApi.h"

#include <commctrl.h>
#include <objbase.h>
#include <shtypes.h>

// Every kind of handle the program owns. Each one taken is counted until it is given
// back, so a test can tell when something leaks.
enum class HandleKind {
  Kernel, Search, GdiObject, DeviceContext, Icon, ImageList, Menu, Accelerators, Window, Metafile,
  RegistryKey, ShellMemory, LocalMemory, GlobalMemory, Count
};

// How many handles of a kind are held now.
long LiveHandles(HandleKind kind);

namespace handles_detail {
std::atomic<long>& Counter(HandleKind kind);
}

// Owns a handle and gives it back when it goes. `Traits` names the handle type, its
// kind, which values are no handle at all, and how to give one back; traits may hold
// what giving back needs (the window of a window's device context).
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle, Traits traits = {}) : traits_(traits) { Take(handle); }
  UniqueHandle(UniqueHandle&& other) noexcept : traits_(other.traits_), handle_(other.handle_) {
    other.handle_ = Traits::None();
  }
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      traits_ = other.traits_;
      handle_ = std::exchange(other.handle_, Traits::None());
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  bool Valid() const { return Traits::IsValid(handle_); }
  explicit operator bool() const { return Valid(); }
  // Hands the handle to a new owner; this one no longer counts it.
  Handle Release() {
    if (Valid()) --handles_detail::Counter(Traits::Kind);
    return std::exchange(handle_, Traits::None());
  }
  void Reset(Handle handle = Traits::None()) {
    if (Valid()) {
      --handles_detail::Counter(Traits::Kind);
      traits_.Close(handle_);
    }
    handle_ = Traits::None();
    Take(handle);
  }

 private:
  void Take(Handle handle) {
    handle_ = handle;
    if (Valid()) ++handles_detail::Counter(Traits::Kind);
  }

  [[no_unique_address]] Traits traits_{};
  Handle handle_ = Traits::None();
};

// Handles that are none when null.
template <typename H, HandleKind K>
struct NullIsNone {
  using Handle = H;
  static constexpr HandleKind Kind = K;
  static Handle None() { return nullptr; }
  static bool IsValid(Handle handle) { return handle != nullptr; }
};

// Kernel objects: files, devices, processes. Some calls fail with null, others with
// INVALID_HANDLE_VALUE; neither is a handle.
struct KernelTraits : NullIsNone<HANDLE, HandleKind::Kernel> {
  static bool IsValid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  void Close(Handle handle) const { CloseHandle(handle); }
};

struct SearchTraits {
  using Handle = HANDLE;
  static constexpr HandleKind Kind = HandleKind::Search;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  void Close(Handle handle) const { FindClose(handle); }
};

template <typename H>
struct GdiObjectTraits : NullIsNone<H, HandleKind::GdiObject> {
  void Close(H handle) const { DeleteObject(handle); }
};

// A device context made for the program (in memory, of a printer).
struct OwnedDCTraits : NullIsNone<HDC, HandleKind::DeviceContext> {
  void Close(HDC dc) const { DeleteDC(dc); }
};

// A window's device context, borrowed from the window.
struct WindowDCTraits : NullIsNone<HDC, HandleKind::DeviceContext> {
  HWND Window = nullptr;
  void Close(HDC dc) const { ReleaseDC(Window, dc); }
};

// A metafile being recorded; given back unfinished, its recording is dropped.
struct MetafileDCTraits : NullIsNone<HDC, HandleKind::DeviceContext> {
  void Close(HDC dc) const { DeleteEnhMetaFile(CloseEnhMetaFile(dc)); }
};

struct IconTraits : NullIsNone<HICON, HandleKind::Icon> {
  void Close(HICON icon) const { DestroyIcon(icon); }
};

struct ImageListTraits : NullIsNone<HIMAGELIST, HandleKind::ImageList> {
  void Close(HIMAGELIST list) const { ImageList_Destroy(list); }
};

struct MenuTraits : NullIsNone<HMENU, HandleKind::Menu> {
  void Close(HMENU menu) const { DestroyMenu(menu); }
};

struct AcceleratorTraits : NullIsNone<HACCEL, HandleKind::Accelerators> {
  void Close(HACCEL table) const { DestroyAcceleratorTable(table); }
};

// A window that is not one of the layer's controls (a tooltip).
struct WindowTraits : NullIsNone<HWND, HandleKind::Window> {
  void Close(HWND window) const { DestroyWindow(window); }
};

struct MetafileTraits : NullIsNone<HENHMETAFILE, HandleKind::Metafile> {
  void Close(HENHMETAFILE metafile) const { DeleteEnhMetaFile(metafile); }
};

struct RegistryKeyTraits : NullIsNone<HKEY, HandleKind::RegistryKey> {
  void Close(HKEY key) const { RegCloseKey(key); }
};

// Memory of the COM task allocator, which the shell hands out (item lists, names).
template <typename T>
struct ShellMemoryTraits : NullIsNone<T*, HandleKind::ShellMemory> {
  void Close(T* memory) const { CoTaskMemFree(memory); }
};

// Memory the system allocated for an answer (a message text, split arguments).
template <typename T>
struct LocalMemoryTraits : NullIsNone<T*, HandleKind::LocalMemory> {
  void Close(T* memory) const { LocalFree(memory); }
};

// Movable memory for the clipboard, until the clipboard takes it.
struct GlobalMemoryTraits : NullIsNone<HGLOBAL, HandleKind::GlobalMemory> {
  void Close(HGLOBAL memory) const { GlobalFree(memory); }
};

using FileHandle = UniqueHandle<KernelTraits>;
using FindHandle = UniqueHandle<SearchTraits>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using OwnedDC = UniqueHandle<OwnedDCTraits>;
using MetafileDC = UniqueHandle<MetafileDCTraits>;
using Icon = UniqueHandle<IconTraits>;
using ImageList = UniqueHandle<ImageListTraits>;
using Menu = UniqueHandle<MenuTraits>;
using AcceleratorTable = UniqueHandle<AcceleratorTraits>;
using WindowHandle = UniqueHandle<WindowTraits>;
using EnhMetafile = UniqueHandle<MetafileTraits>;
using RegistryKeyHandle = UniqueHandle<RegistryKeyTraits>;
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;
template <typename T>
using ShellMemory = UniqueHandle<ShellMemoryTraits<T>>;
template <typename T>
using LocalMemory = UniqueHandle<LocalMemoryTraits<T>>;

// The device context of a window (the whole screen for none), released when it goes.
class WindowDC : public UniqueHandle<WindowDCTraits> {
 public:
  explicit WindowDC(HWND window = nullptr) : UniqueHandle(GetDC(window), Of(window)) {}

 private:
  static WindowDCTraits Of(HWND window) {
    WindowDCTraits traits;
    traits.Window = window;
    return traits;
  }
};

// A memory device context compatible with another.
class MemoryDC : public OwnedDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : OwnedDC(CreateCompatibleDC(compatibleWith)) {}
};
