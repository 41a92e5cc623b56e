#pragma once
// The design of the wizard window TForm1: one row per control.

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

// The window's caption and the size of its client area (one page panel).
extern const char kFormCaption[];
constexpr int kClientWidth = 489;
constexpr int kClientHeight = 337;

}  // namespace wizard
