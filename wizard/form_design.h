#pragma once
// The design of the wizard window TForm1: one row per control.

#include <windows.h>

#include "wizard/control_ids.h"

namespace wizard {

enum class ControlKind { Panel, Picture, RichText, Label, Separator, Button, PathBox, ProgressBar };

enum class ControlFont {
  Form,        // "MS Sans Serif" 11 px, inherited
  LabelBlack,  // "MS Sans Serif" 11 px, black
  GroupGray,   // "MS Sans Serif" 11 px, gray
  TitleBold,   // "MS Sans Serif" 16 px bold, black
  PathBox,     // "MS Sans Serif" 7 px, black
};
constexpr int kControlFontCount = 5;

// What a design font asks for, and the character height that "MS Sans Serif"
// shows for it at 96 dpi: a bitmap face, whose smallest size is 11 pixels.
// path_ink_height, for the path box: how high that face draws a game path
// there, measured on the screen (0 for the other fonts).
struct FontDesign {
  int height;
  int shown_height;
  bool bold;
  int path_ink_height;
};
const FontDesign& DesignOf(ControlFont font);

struct ControlDesign {
  ControlId id;
  ControlKind kind;
  ControlId parent;  // the panel; panels name themselves
  int left, top, width, height;
  const char* text;
  bool enabled;
  int tab_order;  // -1: takes no focus
  ControlFont font;
};

extern const ControlDesign kFormDesign[ControlCount];

// The window class, styles and extended styles of each kind of control.
struct ControlClass {
  ControlKind kind;
  const char* window_class;
  DWORD style, ex_style;
};
const ControlClass& ClassOf(ControlKind kind);

// The window's caption and the size of its client area (one page panel).
extern const char kFormCaption[];
constexpr int kClientWidth = 489;
constexpr int kClientHeight = 337;

}  // namespace wizard
