#pragma once
// What the wizard's layout must be at a given DPI: the design's 96-dpi pixels
// times DPI / 96, each edge within one pixel.

#include "tests/ui/wizard_driver.h"

// The client area, every control's place and the fonts' heights.
void ExpectLayoutAt(WizardProcess& wizard, int dpi);

// The picture control of the page in front shows a bitmap of its own size.
void ExpectPictureFillsItsControl(WizardProcess& wizard, wizard::ControlId picture);

// Every label of the panel in front is as wide as its text in the font of
// that DPI, and as wide as the text it draws.
void ExpectLabelsFitTheirText(WizardProcess& wizard, wizard::ControlId panel, int dpi);
