#include "wizard/gdi_objects.h"

#include "app/display_scale.h"

namespace wizard {
namespace {

const char kDesignFace[] = "MS Sans Serif";
const char kOutlineFace[] = "Microsoft Sans Serif";

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool HasOutlineFace() {
  LOGFONTA wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(wanted.lfFaceName, kOutlineFace, LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

HFONT CreateSansSerif(int design_height, bool bold, int dpi) {
  static const bool has_outline_face = HasOutlineFace();
  const char* face = dpi > app::kDesignDpi && has_outline_face ? kOutlineFace : kDesignFace;
  return CreateFontA(-app::DisplayScale(dpi).Pixels(design_height), 0, 0, 0,
                     bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace wizard
