#pragma once
// An owner of one GDI object (a font, a bitmap), deleted with its owner.

#include <windows.h>

namespace app {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  GdiObject& operator=(GdiObject&& other) noexcept {
    Reset();
    handle_ = other.handle_;
    other.handle_ = nullptr;
    return *this;
  }
  Handle Get() const { return handle_; }
  // Gives up ownership.
  Handle Release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  void Reset() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }
  Handle handle_ = nullptr;
};

}  // namespace app
