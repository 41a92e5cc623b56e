#include "tests/driver/wizard_driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace {

struct FindRequest {
  DWORD process_id;
  const char* class_name;
  bool shown_only;
  HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<FindRequest*>(param);
  DWORD owner_process = 0;
  GetWindowThreadProcessId(window, &owner_process);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name - 1);
  if (owner_process == request->process_id && lstrcmpiA(name, request->class_name) == 0 &&
      (!request->shown_only || IsWindowVisible(window))) {
    request->found = window;
    return FALSE;
  }
  return TRUE;
}

struct ChildRequest {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<ChildRequest*>(param);
  if (GetDlgCtrlID(window) == request->id) {
    request->found = window;
    return FALSE;
  }
  return TRUE;
}

std::string TextOf(HWND window) {
  char buffer[4096] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer - 1, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  return std::string(buffer, std::min<std::size_t>(copied, sizeof buffer - 1));
}

// The character that translating a key gives, for the keys that have one.
WPARAM CharacterOf(WORD key) {
  switch (key) {
    case VK_TAB:
      return '\t';
    case VK_RETURN:
      return '\r';
    case VK_ESCAPE:
      return 0x1B;
    case VK_SPACE:
      return ' ';
    default:
      return 0;
  }
}

// Holds Shift in the keyboard state that this thread shares with the wizard's
// for as long as it lives: posted keys do not change that state.
class ShiftHeld {
 public:
  explicit ShiftHeld(DWORD thread) : thread_(thread) {
    attached_ = AttachThreadInput(GetCurrentThreadId(), thread_, TRUE) != 0;
    GetKeyboardState(saved_);
    BYTE held[256];
    CopyMemory(held, saved_, sizeof held);
    held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
    SetKeyboardState(held);
  }
  ~ShiftHeld() {
    SetKeyboardState(saved_);
    if (attached_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
  }
  ShiftHeld(const ShiftHeld&) = delete;
  ShiftHeld& operator=(const ShiftHeld&) = delete;

 private:
  DWORD thread_;
  bool attached_;
  BYTE saved_[256] = {};
};

// A copy of some bytes in the wizard's own memory, for messages whose
// parameter points at them; freed when this object goes.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, const void* bytes, std::size_t size)
      : process_(process),
        size_(size),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
    if (address_ == nullptr || !WriteProcessMemory(process_, address_, bytes, size_, nullptr))
      throw std::runtime_error("cannot write into the wizard's memory");
  }
  ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  // The bytes as they are now, back into bytes.
  void ReadBack(void* bytes) const {
    if (!ReadProcessMemory(process_, address_, bytes, size_, nullptr))
      throw std::runtime_error("cannot read the wizard's memory");
  }

 private:
  HANDLE process_;
  std::size_t size_;
  void* address_;
};

}  // namespace

WizardProcess::WizardProcess(const std::string& program, const std::string& current_directory,
                             const std::string& arguments)
    : process_(program, arguments, current_directory) {
  if (!process_.Started()) throw std::runtime_error("cannot start " + program);
  Await("the wizard window or a box before it",
        [&] { return FindTopWindow("TForm1") != nullptr || FindTopWindow("#32770") != nullptr; });
}

HWND WizardProcess::FindTopWindow(const char* class_name, bool shown_only) {
  FindRequest request = {process_.Id(), class_name, shown_only, nullptr};
  EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

HWND WizardProcess::Form() {
  if (form_ == nullptr)
    Await("the wizard window", [&] { return (form_ = FindTopWindow("TForm1")) != nullptr; });
  return form_;
}

HWND WizardProcess::Control(wizard::ControlId id) {
  ChildRequest request = {wizard::kFirstControlId + id, nullptr};
  EnumChildWindows(Form(), MatchChild, reinterpret_cast<LPARAM>(&request));
  if (request.found == nullptr) throw std::runtime_error("no control " + std::to_string(id));
  return request.found;
}

std::string WizardProcess::Text(wizard::ControlId id) { return TextOf(Control(id)); }

void WizardProcess::SetText(wizard::ControlId id, const std::string& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

void WizardProcess::Click(wizard::ControlId id) {
  // Posted: the handler may open a modal box, which would block a sent message.
  PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void WizardProcess::ClickAndWait(wizard::ControlId id) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(Control(id), BM_CLICK, 0, 0, SMTO_NORMAL, kLongestWaitMs, &result))
    throw std::runtime_error("the click on control " + std::to_string(id) + " was not handled");
}

void WizardProcess::ReachPage(int page) {
  Settle();
  for (int step = 0; step < page; ++step) {
    ClickAndWait(kPages[step].forward);
    if (FrontPanel() != kPages[step + 1].panel)
      throw std::runtime_error("page " + std::to_string(step + 1) + " did not come to the front");
  }
}

HWND WizardProcess::InstallAndWait() {
  Click(wizard::Button3);
  HWND box = nullptr;
  Await("the finish page or a box after Install", [&] {
    return FrontPanel() == wizard::TabControl4 || (box = FindTopWindow("#32770")) != nullptr;
  });
  return box;
}

bool WizardProcess::IsEnabled(wizard::ControlId id) { return IsWindowEnabled(Control(id)) != 0; }

DWORD WizardProcess::FormThread() { return GetWindowThreadProcessId(Form(), nullptr); }

HWND WizardProcess::FocusedWindow() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(FormThread(), &info)) return nullptr;
  return info.hwndFocus != nullptr ? info.hwndFocus : info.hwndActive;
}

wizard::ControlId WizardProcess::Focused() {
  HWND focus = FocusedWindow();
  if (focus == nullptr || !IsChild(Form(), focus)) return wizard::ControlCount;
  const int id = GetDlgCtrlID(focus) - wizard::kFirstControlId;
  return id >= 0 && id < wizard::ControlCount ? static_cast<wizard::ControlId>(id)
                                              : wizard::ControlCount;
}

void WizardProcess::PostKeys(HWND target, WORD key, int repeats) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  const LPARAM was_down = 1 << 30, going_up = static_cast<LPARAM>(0x80000000u);
  const WPARAM character = CharacterOf(key);
  for (int press = 0; press <= repeats; ++press) {
    const LPARAM state = scan | 1 | (press > 0 ? was_down : 0);
    PostMessageA(target, WM_KEYDOWN, key, state);
    if (character != 0) PostMessageA(target, WM_CHAR, character, state);
  }
  PostMessageA(target, WM_KEYUP, key, scan | 1 | was_down | going_up);
}

void WizardProcess::PressKey(WORD key, bool shift) {
  HWND marker = Control(wizard::Edit1);
  HWND target = FocusedWindow();
  std::unique_ptr<ShiftHeld> held;
  if (shift) held = std::make_unique<ShiftHeld>(FormThread());
  PostKeys(target != nullptr ? target : Form(), key, 0);
  WaitBehind(marker);
}

void WizardProcess::ClickWithKeyQueued(wizard::ControlId id, WORD key) {
  HWND target = FocusedWindow();
  SuspendThread(process_.MainThread());
  Click(id);
  PostKeys(target != nullptr ? target : Form(), key, 0);
  ResumeThread(process_.MainThread());
}

void WizardProcess::HoldKey(WORD key) {
  HWND marker = Control(wizard::Edit1);
  HWND target = FocusedWindow();
  PostKeys(target != nullptr ? target : Form(), key, 3);
  WaitBehind(marker);
}

void WizardProcess::Settle() { WaitBehind(Control(wizard::Edit1)); }

void WizardProcess::WaitBehind(HWND marker) {
  // The path box's modified flag, which nothing in the wizard reads, set by a
  // message posted behind the others: once it is set, they have been handled.
  PostMessageA(marker, EM_SETMODIFY, TRUE, 0);
  Await("the wizard to handle the messages posted to it", [&] {
    if (!IsRunning()) return true;
    DWORD_PTR modified = 0;
    SendMessageTimeoutA(marker, EM_GETMODIFY, 0, 0, SMTO_NORMAL, kLongestWaitMs, &modified);
    return modified != 0;
  });
  DWORD_PTR result = 0;
  SendMessageTimeoutA(marker, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

CHARFORMATA WizardProcess::CharFormat(wizard::ControlId id) {
  HWND box = Control(id);
  // The format travels through the wizard's own memory.
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  const RemoteMemory remote(process_.Handle(), &format, sizeof format);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(box, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 5000, &result);
  SendMessageTimeoutA(box, EM_GETCHARFORMAT, SCF_SELECTION, remote.Address(), SMTO_ABORTIFHUNG,
                      5000, &result);
  SendMessageTimeoutA(box, EM_SETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  remote.ReadBack(&format);
  return format;
}

std::vector<wizard::ControlId> WizardProcess::PanelsTopFirst() {
  std::vector<wizard::ControlId> panels;
  for (HWND child = GetWindow(Form(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    panels.push_back(static_cast<wizard::ControlId>(GetDlgCtrlID(child) - wizard::kFirstControlId));
  return panels;
}

void WizardProcess::Progress(int& minimum, int& maximum, int& position) {
  HWND bar = Control(wizard::ProgressBar1);
  DWORD_PTR value = 0;
  SendMessageTimeoutA(bar, PBM_GETRANGE, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &value);
  minimum = static_cast<int>(value);
  SendMessageTimeoutA(bar, PBM_GETRANGE, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &value);
  maximum = static_cast<int>(value);
  SendMessageTimeoutA(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &value);
  position = static_cast<int>(value);
}

RECT WizardProcess::PlaceInPanel(wizard::ControlId id) {
  HWND control = Control(id);
  RECT place = {};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

RECT WizardProcess::FormClientRect() {
  RECT client = {};
  GetClientRect(Form(), &client);
  return client;
}

RECT WizardProcess::FormWindowRect() {
  RECT frame = {};
  GetWindowRect(Form(), &frame);
  return frame;
}

HWND WizardProcess::WaitForBox(DWORD timeout_ms) {
  HWND box = nullptr;
  return WaitFor([&] { return (box = FindTopWindow("#32770")) != nullptr; }, timeout_ms) ? box
                                                                                         : nullptr;
}

bool WizardProcess::BoxOpen() { return FindTopWindow("#32770", false) != nullptr; }

std::string WizardProcess::BoxCaption(HWND box) { return TextOf(box); }

std::string WizardProcess::BoxText(HWND box) {
  std::string longest;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name - 1);
    const std::string text = TextOf(child);
    if (lstrcmpiA(name, "Static") == 0 && text.size() > longest.size()) longest = text;
  }
  return longest;
}

void WizardProcess::PressBoxButton(HWND box, int id) {
  PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0);
}

void WizardProcess::AnswerBox(HWND box, int id) {
  PressBoxButton(box, id);
  WaitBoxClosed(box);
}

void WizardProcess::WaitBoxClosed(HWND box) {
  // Gone, not only hidden: a box hidden on its way out still counts for BoxOpen.
  Await("the box to close", [&] { return !IsWindow(box); });
}

void WizardProcess::ChooseFolder(HWND dialog, const std::string& folder) {
  // The path must live in the wizard's own memory for the dialog to read it.
  const RemoteMemory remote(process_.Handle(), folder.c_str(), folder.size() + 1);
  // A fresh prefix fills the shell's tree slowly: select until the tree's
  // selection has moved away from where the dialog opened.
  HWND tree = GetDlgItem(dialog, 14145);  // the shell dialog's folder tree
  const auto tree_item = [&](WPARAM which) {
    DWORD_PTR item = 0;
    SendMessageTimeoutA(tree, TVM_GETNEXTITEM, which, 0, SMTO_ABORTIFHUNG, 5000, &item);
    return item;
  };
  if (tree == nullptr) throw std::runtime_error("the folder dialog has no folder tree");
  const DWORD_PTR opened_at = tree_item(TVGN_CARET);
  Await("the folder dialog to select " + folder, [&] {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(dialog, BFFM_SETSELECTIONA, TRUE, remote.Address(), SMTO_ABORTIFHUNG, 5000,
                        &result);
    const DWORD_PTR now = tree_item(TVGN_CARET);
    return now != 0 && now != opened_at && now != tree_item(TVGN_ROOT);
  });
  AnswerBox(dialog, IDOK);
}

void WizardProcess::Kill() {
  if (!process_.Kill()) throw std::runtime_error("the wizard did not end when killed");
}

int WizardProcess::WaitForExit(DWORD timeout_ms) { return process_.WaitForExit(timeout_ms); }

void WizardProcess::WaitIdle() {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(Form(), WM_NULL, 0, 0, SMTO_NORMAL, kLongestWaitMs, &result))
    throw std::runtime_error("the wizard did not become idle");
}

namespace {

// The screen's pixels in rect, bottom row first, rows of 3 bytes padded to 4.
struct ScreenPixels {
  int width, height;
  DWORD stride;
  std::vector<unsigned char> bytes;
  BITMAPINFOHEADER header;
};

ScreenPixels CaptureScreen(const RECT& rect) {
  ScreenPixels shot = {rect.right - rect.left, rect.bottom - rect.top, 0, {}, {}};
  shot.stride = (static_cast<DWORD>(shot.width) * 3 + 3) & ~3u;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, shot.width, shot.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, shot.width, shot.height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);
  const auto* begin = static_cast<const unsigned char*>(pixels);
  shot.bytes.assign(begin, begin + shot.stride * static_cast<DWORD>(shot.height));
  shot.header = info.bmiHeader;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

// The bounds of what differs from the background colour in a picture of the
// screen; all zero when nothing does.
RECT InkIn(const ScreenPixels& shot, int background_colour) {
  const COLORREF face = GetSysColor(background_colour);
  const unsigned char background[3] = {GetBValue(face), GetGValue(face), GetRValue(face)};
  RECT ink = {shot.width, shot.height, 0, 0};
  for (int row = 0; row < shot.height; ++row) {
    const int y = shot.height - 1 - row;  // bottom row first
    for (int x = 0; x < shot.width; ++x) {
      if (std::equal(background, background + 3, &shot.bytes[shot.stride * row + x * 3])) continue;
      ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
             std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
    }
  }
  return ink.right > 0 ? ink : RECT{0, 0, 0, 0};
}

}  // namespace

void WizardProcess::SaveScreenshot(const std::string& path) {
  WaitIdle();
  // Paint whatever is still pending before the picture is taken.
  RedrawWindow(Form(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  WaitIdle();
  const ScreenPixels shot = CaptureScreen(FormWindowRect());
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof shot.header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(shot.bytes.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&shot.header), sizeof shot.header);
  out.write(reinterpret_cast<const char*>(shot.bytes.data()),
            static_cast<std::streamsize>(shot.bytes.size()));
}

RECT WizardProcess::InkBounds(wizard::ControlId id) { return InkIn(id, COLOR_BTNFACE, false); }

RECT WizardProcess::TextInkBounds(wizard::ControlId id) { return InkIn(id, COLOR_WINDOW, true); }

RECT WizardProcess::InkIn(wizard::ControlId id, int background_colour, bool client_area) {
  WaitIdle();
  RedrawWindow(Form(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  WaitIdle();
  HWND control = Control(id);
  RECT place = {};
  if (client_area) {
    GetClientRect(control, &place);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&place), 2);
  } else {
    GetWindowRect(control, &place);
  }
  // Under Wine the pixels reach the display some time after the paint: on a
  // busy machine a first look can find the control still blank. Look until two
  // looks agree on some ink, or give the last look after two seconds.
  RECT ink = ::InkIn(CaptureScreen(place), background_colour);
  for (int look = 0; look < 40; ++look) {
    Sleep(50);
    const RECT again = ::InkIn(CaptureScreen(place), background_colour);
    if (again.right > 0 && EqualRect(&again, &ink)) break;
    ink = again;
  }
  return ink;
}

void WizardProcess::SendWithRect(UINT message, WPARAM wparam, const RECT& rect) {
  const RemoteMemory remote(process_.Handle(), &rect, sizeof rect);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(Form(), message, wparam, remote.Address(), SMTO_NORMAL, kLongestWaitMs,
                           &result))
    throw std::runtime_error("message " + std::to_string(message) + " was not handled");
}
