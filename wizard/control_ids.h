#pragma once
// The controls of the wizard window. A control's window id is kFirstControlId
// plus its value, so that programs driving the window can find it.

namespace wizard {

enum ControlId : int {
  // The five panels, in creation order: bottom of the stacking order first.
  TabControl5,
  TabControl3,
  TabControl4,
  TabControl1,
  TabControl2,
  // Welcome page.
  Image1,
  WelcomeText,
  Label1,
  GroupBox1,
  Button2,
  Button1,
  // Readme page.
  Image2,
  RichEdit2,
  Label2,
  GroupBox2,
  Button6,
  Button5,
  Button4,
  // Destination page.
  Label5,
  Label4,
  Label10,
  Edit1,
  Button12,
  Label3,
  Label6,
  GroupBox3,
  Button11,
  Button3,
  Button8,
  // Finish page.
  Image3,
  Label8,
  Label9,
  Label7,
  GroupBox4,
  Button9,
  Button10,
  Button7,
  // Progress strip.
  ProgressBar1,
  ControlCount
};

constexpr int kFirstControlId = 1000;

}  // namespace wizard
