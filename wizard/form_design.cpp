#include "wizard/form_design.h"

#include <windows.h>
// The rest build on windows.h.
#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace wizard {

const char kFormCaption[] = "Zelmora Setup";

namespace {
constexpr ControlKind P = ControlKind::Panel;
constexpr ControlKind Pic = ControlKind::Picture;
constexpr ControlKind Rich = ControlKind::RichText;
constexpr ControlKind Lab = ControlKind::Label;
constexpr ControlKind Sep = ControlKind::Separator;
constexpr ControlKind Btn = ControlKind::Button;
constexpr ControlKind Path = ControlKind::PathBox;
constexpr ControlKind Bar = ControlKind::ProgressBar;
constexpr ControlFont F = ControlFont::Form;
constexpr ControlFont Black = ControlFont::LabelBlack;
constexpr ControlFont Gray = ControlFont::GroupGray;
constexpr ControlFont Bold = ControlFont::TitleBold;
constexpr ControlFont Small = ControlFont::PathBox;
constexpr bool On = true;
constexpr bool Off = false;
}  // namespace

const FontDesign& DesignOf(ControlFont font) {
  static const FontDesign kFonts[kControlFontCount] = {{11, 11, false, 0},
                                                       {11, 11, false, 0},
                                                       {11, 11, false, 0},
                                                       {16, 16, true, 0},
                                                       {7, 11, false, 9}};
  return kFonts[static_cast<int>(font)];
}

// Pictures and rich text boxes name the resource that fills them.
const ControlDesign kFormDesign[ControlCount] = {
    {TabControl5, P, TabControl5, 24, 192, 449, 49, "", On, 4, F},
    {TabControl3, P, TabControl3, 0, 0, 489, 337, "", On, 2, F},
    {TabControl4, P, TabControl4, 0, 0, 489, 337, "", On, 3, F},
    {TabControl1, P, TabControl1, 0, 0, 489, 337, "", On, 0, F},
    {TabControl2, P, TabControl2, 0, 0, 489, 337, "", On, 1, F},

    {Image1, Pic, TabControl2, 16, 22, 145, 249, "PAGE_PICTURE", On, -1, F},
    {WelcomeText, Rich, TabControl2, 176, 20, 305, 253, "WELCOME_TEXT", Off, 3, Black},
    {Label1, Lab, TabControl2, 24, 288, 0, 0, "Kolvard", On, -1, Gray},
    {GroupBox1, Sep, TabControl2, 24, 280, 449, 7, "", On, 2, F},
    {Button2, Btn, TabControl2, 168, 296, 89, 25, "< Back", Off, 1, F},
    {Button1, Btn, TabControl2, 264, 296, 89, 25, "Next >", On, 0, F},

    {Image2, Pic, TabControl1, 16, 22, 145, 249, "PAGE_PICTURE", On, -1, F},
    {RichEdit2, Rich, TabControl1, 176, 20, 305, 253, "README_TEXT", On, 1, Black},
    {Label2, Lab, TabControl1, 24, 288, 0, 0, "Kolvard", On, -1, Gray},
    {GroupBox2, Sep, TabControl1, 24, 280, 449, 7, "", On, 2, F},
    {Button6, Btn, TabControl1, 168, 296, 89, 25, "< Back", On, 3, F},
    {Button5, Btn, TabControl1, 264, 296, 89, 25, "Next >", On, 4, F},
    {Button4, Btn, TabControl1, 384, 296, 89, 25, "Cancel", On, 0, F},

    {Label5, Lab, TabControl3, 24, 16, 79, 20, "Installing:", On, -1, Bold},
    {Label4, Lab, TabControl3, 24, 68, 388, 13,
     "To continue, click Install. If you would like to select a different folder, click Browse.",
     On, -1, Black},
    {Label10, Lab, TabControl3, 24, 81, 217, 13, "It is recommended to not change install path !!",
     On, -1, Black},
    {Edit1, Path, TabControl3, 24, 104, 449, 21, "", On, 4, Small},
    {Button12, Btn, TabControl3, 384, 133, 89, 25, "Browse", On, 5, F},
    {Label3, Lab, TabControl3, 24, 173, 68, 13, "Installing Files:", On, -1, Black},
    {Label6, Lab, TabControl3, 24, 288, 0, 0, "Kolvard", On, -1, Gray},
    {GroupBox3, Sep, TabControl3, 24, 280, 449, 7, "", On, 0, F},
    {Button11, Btn, TabControl3, 168, 296, 89, 25, "< Back", On, 3, F},
    {Button3, Btn, TabControl3, 264, 296, 89, 25, "Install", On, 2, F},
    {Button8, Btn, TabControl3, 384, 296, 89, 25, "Cancel", On, 1, F},

    {Image3, Pic, TabControl4, 16, 22, 145, 249, "PAGE_PICTURE", On, -1, F},
    {Label8, Lab, TabControl4, 176, 24, 0, 0, "Zelmora Vers. 1.60  installation sucessfull", On, -1,
     Black},
    {Label9, Lab, TabControl4, 177, 256, 135, 13, "Click Finish to end installtion.", On, -1,
     Black},
    {Label7, Lab, TabControl4, 24, 288, 0, 0, "Kolvard", On, -1, Gray},
    {GroupBox4, Sep, TabControl4, 24, 280, 449, 7, "", On, 0, F},
    {Button9, Btn, TabControl4, 168, 296, 89, 25, "< Back", Off, 1, F},
    {Button10, Btn, TabControl4, 264, 296, 89, 25, "Finish", On, 2, F},
    {Button7, Btn, TabControl4, 384, 296, 89, 25, "Cancel", Off, 3, F},

    {ProgressBar1, Bar, TabControl5, 0, 0, 449, 21, "", On, 0, F},
};

const ControlClass kControlClasses[] = {
    // No WS_CLIPCHILDREN: the panel face must show inside the separator frame.
    {ControlKind::Panel, WC_TABCONTROLA, WS_CLIPSIBLINGS | TCS_BUTTONS, WS_EX_CONTROLPARENT},
    {ControlKind::Picture, "STATIC", SS_BITMAP | SS_CENTERIMAGE, 0},
    {ControlKind::RichText, "RichEdit20A", ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE},
    {ControlKind::Label, "STATIC", SS_LEFT | SS_NOPREFIX, 0},
    // A caption-less frame this flat is a thin etched line above the buttons.
    {ControlKind::Separator, "STATIC", SS_ETCHEDFRAME, 0},
    {ControlKind::Button, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ControlKind::PathBox, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ControlKind::ProgressBar, PROGRESS_CLASSA, PBS_SMOOTH, 0},
};

const ControlClass& ClassOf(ControlKind kind) {
  return *std::find_if(std::begin(kControlClasses), std::end(kControlClasses),
                       [kind](const ControlClass& entry) { return entry.kind == kind; });
}

}  // namespace wizard
