#include "wizard/gdi_objects.h"

#include "app/display_scale.h"

namespace wizard {
namespace {

const char kDesignFace[] = "MS Sans Serif";
// Outline faces for other scales, best first: the design's own outline cut,
// then the face of Windows' later dialogs (the only one of the two in Wine).
const char* const kOutlineFaces[] = {"Microsoft Sans Serif", "Tahoma"};

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool HasFace(const char* face) {
  LOGFONTA wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

const char* ScalableFace() {
  for (const char* face : kOutlineFaces)
    if (HasFace(face)) return face;
  return kDesignFace;
}

}  // namespace

HFONT CreateSansSerif(int design_height, bool bold, int dpi) {
  static const char* const scalable_face = ScalableFace();
  const char* face = dpi > app::kDesignDpi ? scalable_face : kDesignFace;
  return CreateFontA(-app::DisplayScale(dpi).Pixels(design_height), 0, 0, 0,
                     bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace wizard
