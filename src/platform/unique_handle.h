// The one owner type for a handle the program gets from the system: it
// gives the handle back exactly once, cannot be copied, and can be moved.
// What differs between kinds of handle is said by a traits type:
//
//   struct Traits {
//     using Handle = ...;
//     static Handle Null();           // the value that owns nothing
//     bool Close(Handle) const;       // gives a held handle back; false when
//                                     // the system reports a failure (may be static)
//     static bool IsValid(Handle);    // optional: when more than one value
//                                     // owns nothing (files: null and -1)
//   };
//
// A traits object may carry state (the interface a menu is destroyed
// through); it travels with the handle when the owner is moved.
#pragma once

#include <utility>

namespace vantrel {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle, Traits traits = Traits{}) noexcept
      : handle_(handle), traits_(std::move(traits)) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()), traits_(other.traits_) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      traits_ = other.traits_;
      handle_ = other.Release();
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const noexcept { return handle_; }
  bool Valid() const noexcept {
    if constexpr (requires(Handle h) { Traits::IsValid(h); }) return Traits::IsValid(handle_);
    else return handle_ != Traits::Null();
  }
  explicit operator bool() const noexcept { return Valid(); }

  // Gives up ownership: the caller closes the handle.
  Handle Release() noexcept { return std::exchange(handle_, Traits::Null()); }
  // Closes what is held and holds handle instead. The handle already held
  // is kept, not closed.
  void Reset(Handle handle = Traits::Null()) noexcept {
    if (handle == handle_) return;
    if (Valid()) traits_.Close(handle_);
    handle_ = handle;
  }
  // Closes now. False when the system reports a failure, which for a file
  // being written means its last data may not have reached it.
  bool Close() noexcept {
    if (!Valid()) return true;
    return traits_.Close(Release());
  }
  // The address an opening function writes a new handle to; whatever was
  // held is closed first.
  Handle* Receive() noexcept {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Null();
  [[no_unique_address]] Traits traits_{};
};

}  // namespace vantrel
