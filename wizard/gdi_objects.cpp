#include "wizard/gdi_objects.h"

namespace wizard {

HFONT CreateSansSerif(int height, bool bold) {
  return CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

}  // namespace wizard
