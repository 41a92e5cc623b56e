#pragma once
// Owners of the GDI objects the wizard creates.

#include <windows.h>

namespace wizard {

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

 private:
  void Reset() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// "MS Sans Serif" of the given character height in design pixels, scaled to
// dpi. Above 96 dpi an outline face (its own outline cut "Microsoft Sans
// Serif", else "Tahoma"), since the bitmap face comes in a few sizes only and
// is stretched blockily beyond them.
HFONT CreateSansSerif(int design_height, bool bold, int dpi);

}  // namespace wizard
