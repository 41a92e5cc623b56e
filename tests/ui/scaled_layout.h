#pragma once
// What the wizard's layout must be at a given DPI: the design's 96-dpi pixels
// times DPI / 96, each edge within one pixel.

#include "tests/driver/wizard_driver.h"

// The client area, every control's place and the fonts' heights.
void ExpectLayoutAt(WizardProcess& wizard, int dpi);

// The picture control of the page in front shows a bitmap of its own size.
void ExpectPictureFillsItsControl(WizardProcess& wizard, wizard::ControlId picture);

// Every label of the panel in front is as wide as the text it draws, and ends
// before the design's right margin.
void ExpectLabelsFitTheirText(WizardProcess& wizard, wizard::ControlId panel, int dpi);

// A path as players have it, and the height of its ink in the path box at 96
// dpi, measured on the screen in the design's "MS Sans Serif".
constexpr char kPathSample[] = "C:\\Games\\Cossacks II";
constexpr int kPathInkHeightAt96Dpi = 9;

// The path box on the destination page in front shows the sample with ink as
// high as at 96 dpi times the scale.
void ExpectPathTextAt(WizardProcess& wizard, int dpi);
