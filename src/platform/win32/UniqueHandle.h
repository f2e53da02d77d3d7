#pragma once
// One owner for every kind of Windows handle: move-only, closed by the function its kind names
// when the owner goes, with get() to use it and release() to give it up.
//
//   UniqueEvent done(CreateEventW(nullptr, FALSE, FALSE, nullptr));
//   if (!done) return;
//   WaitForSingleObject(done.get(), 1000);

#include <windows.h>

#include <utility>

namespace tessary {

template <class Kind>
class UniqueHandle {
  public:
    using Handle = typename Kind::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Kind::invalid(); }
    // Gives the handle up without closing it.
    Handle release() noexcept { return std::exchange(handle_, Kind::invalid()); }
    // Closes the handle held, if any, and holds `handle` instead.
    void reset(Handle handle = Kind::invalid()) noexcept {
        if (handle_ != Kind::invalid()) Kind::close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = Kind::invalid();
};

// Events, threads, mutexes: null when there is none.
struct KernelHandleKind {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};
// Files, whose functions return INVALID_HANDLE_VALUE for none.
struct FileHandleKind : KernelHandleKind {
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
};

using UniqueEvent = UniqueHandle<KernelHandleKind>;
using UniqueThread = UniqueHandle<KernelHandleKind>;
using UniqueMutex = UniqueHandle<KernelHandleKind>;
using UniqueFile = UniqueHandle<FileHandleKind>;

}  // namespace tessary
