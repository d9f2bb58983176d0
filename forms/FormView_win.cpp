// Forms as Win32 windows, shown modally.
//
// The form and its panels are windows of our own class that paint the
// graphic controls they hold (labels, strips, rotated labels, pictures) in
// table order; edits, lists and push buttons are the system's controls, the
// flat glyph buttons owner-drawn buttons, the string grid a window class of
// ours. Controls are created in table order, which is also the Tab order;
// panels are control parents, so IsDialogMessage steps into them.
//
// Every form runs inside an activation context made from the manifest in our
// own module, so the system controls get visual styles whatever the host's
// own manifest says. The owner (the window active when the form opens) is
// disabled while the form is shown and enabled again before the form goes,
// so that activation returns to it.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/FormPainting_win.h"
#include "forms/FormIcon_win.h"
#include "plugin/Boundary.h"
#include "plugin/ModuleInstance_win.h"

namespace orbidate::forms {
namespace {

constexpr char kContainerClass[] = "OrbidateFormContainer";
constexpr char kGridClass[] = "OrbidateStringGrid";
constexpr int kFirstControlId = 100;
constexpr int kManifestResource = 2;
constexpr int kListDropHeight = 220;

// Grid geometry: two 250-pixel columns, 22-pixel rows, one-pixel lines.
constexpr int kColumnWidth = 250;
constexpr int kRowHeight = 22;
constexpr int kLine = 1;
constexpr int kRowPitch = kRowHeight + kLine;

class ActivationContext {
 public:
  ActivationContext() {
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.hModule = ModuleInstance();
    context.lpResourceName = MAKEINTRESOURCEA(kManifestResource);
    handle_ = CreateActCtxA(&context);
    if (handle_ != INVALID_HANDLE_VALUE && !ActivateActCtx(handle_, &cookie_)) cookie_ = 0;
  }
  ~ActivationContext() {
    if (cookie_ != 0) DeactivateActCtx(0, cookie_);
    if (handle_ != INVALID_HANDLE_VALUE) ReleaseActCtx(handle_);
  }
  ActivationContext(const ActivationContext&) = delete;
  ActivationContext& operator=(const ActivationContext&) = delete;

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

class Win32View;

// What our own windows know about themselves.
struct WindowState {
  Win32View* view;
  int index;  // -1 for the form
};

struct GridState {
  int topRow = 0;
  int scrollX = 0;
  int current = 0;
  int anchor = 0;
  bool dragging = false;
  HWND editor = nullptr;
  int editingRow = -1;
};

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GridEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data);

// Flat buttons show their edge only while the mouse is over them: redraw
// on entering and leaving.
LRESULT CALLBACK FlatButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  return AtBoundary(LRESULT{0}, [&]() -> LRESULT {
    switch (message) {
      case WM_MOUSEMOVE:
        if (GetPropA(button, "OrbidateHot") == nullptr) {
          SetPropA(button, "OrbidateHot", reinterpret_cast<HANDLE>(1));
          TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
          TrackMouseEvent(&track);
          InvalidateRect(button, nullptr, FALSE);
        }
        break;
      case WM_MOUSELEAVE:
        RemovePropA(button, "OrbidateHot");
        InvalidateRect(button, nullptr, FALSE);
        break;
      case WM_NCDESTROY:
        RemovePropA(button, "OrbidateHot");
        RemoveWindowSubclass(button, FlatButtonProc, 1);
        break;
      default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
  });
}

bool RegisterClasses() {
  WNDCLASSEXA container{};
  container.style = CS_DBLCLKS;
  container.lpfnWndProc = ContainerProc;
  container.hCursor = LoadCursor(nullptr, IDC_ARROW);
  container.lpszClassName = kContainerClass;
  WNDCLASSEXA grid = container;
  grid.lpfnWndProc = GridProc;
  grid.lpszClassName = kGridClass;
  return EnsureWindowClass(container) && EnsureWindowClass(grid);
}

// Brings a window in front of the siblings it overlaps, and of no other:
// the z-order of child windows is also their Tab order, which must keep
// running from the top of the form to the bottom.
void RaiseOverOverlapping(HWND window) {
  RECT mine;
  GetWindowRect(window, &mine);
  for (HWND sibling = GetWindow(window, GW_HWNDFIRST); sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == window) return;  // already in front of every overlapping one
    RECT theirs, common;
    GetWindowRect(sibling, &theirs);
    if (IntersectRect(&common, &mine, &theirs)) {
      HWND before = GetWindow(sibling, GW_HWNDPREV);
      SetWindowPos(window, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return;
    }
  }
}

std::string WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(std::max(0, length)) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(0, copied)));
  return text;
}

class Win32View final : public FormView {
 public:
  explicit Win32View(Form& form) : form_(form) {}
  ~Win32View() override { DestroyWindows(); }

  int RunModal() override;
  void EndModal() override { done_ = true; }
  void Changed(int index) override;
  void BringToTop() override {
    if (window_ != nullptr) BringWindowToTop(window_);
  }

  LRESULT ContainerMessage(HWND window, int index, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT GridMessage(HWND window, int index, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT GridEditorMessage(HWND editor, int index, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  const Control& At(int index) const { return form_.Controls()[static_cast<std::size_t>(index)]; }
  HWND Container(int parent) const { return parent < 0 ? window_ : hwnds_[static_cast<std::size_t>(parent)]; }
  bool CreateWindows();
  void CreateControl(int index);
  void SyncControl(int index);
  void DestroyWindows();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void DrawGlyphButton(const DRAWITEMSTRUCT& item);
  void PressDefaultButton();
  void UpdateDefaultButton();
  int RotatedLabelAt(int container, POINT point);

  // The grid.
  GridState& Grid(int index) { return grids_[static_cast<std::size_t>(index)]; }
  int VisibleRows(HWND grid) const;
  int Column1Left(const GridState& g) const { return kColumnWidth + kLine - g.scrollX; }
  void UpdateScrollBars(HWND grid, int index);
  void PaintGrid(HWND grid, int index, HDC dc, const RECT& client);
  void MoveCurrent(HWND grid, int index, int row, bool extend);
  void BeginEdit(HWND grid, int index, const std::string* replacement);
  void EndEdit(int index, bool commit);
  int RowAt(HWND grid, int index, int y) const;

  Form& form_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND savedFocus_ = nullptr;
  HICON icon_ = nullptr;
  std::vector<HWND> hwnds_;
  std::vector<std::unique_ptr<WindowState>> states_;
  std::vector<GridState> grids_;
  FontCache fonts_;
  bool done_ = false;
  bool syncing_ = false;
  int pressedLabel_ = -1;
  HWND lastFocus_ = nullptr;
};

int Win32View::RunModal() {
  done_ = false;
  owner_ = GetActiveWindow();
  const ActivationContext styles;
  INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&init);
  if (!RegisterClasses() || !CreateWindows()) {
    DestroyWindows();
    return kResultNone;
  }
  const bool disableOwner = owner_ != nullptr && IsWindowEnabled(owner_);
  if (disableOwner) EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
  MSG message;
  while (!done_ && window_ != nullptr) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      // Someone asked the thread to quit: close, and leave the request for
      // the host's own loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageA(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    UpdateDefaultButton();
  }
  if (disableOwner) EnableWindow(owner_, TRUE);
  DestroyWindows();
  return kResultNone;
}

bool Win32View::CreateWindows() {
  const FormDesc& desc = form_.Desc();
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, desc.clientWidth, desc.clientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;

  hwnds_.assign(form_.Controls().size(), nullptr);
  grids_.assign(form_.Controls().size(), GridState{});
  states_.push_back(std::make_unique<WindowState>(WindowState{this, -1}));
  window_ = CreateWindowExA(kExStyle, kContainerClass, form_.Caption().c_str(), kStyle, left, top, width, height,
                            owner_, nullptr, ModuleInstance(), states_.back().get());
  if (window_ == nullptr) return false;
  icon_ = CreatePictureIcon(desc.icon, GetSystemMetrics(SM_CXSMICON));
  if (icon_ != nullptr) SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  for (std::size_t i = 0; i < form_.Controls().size(); ++i) CreateControl(static_cast<int>(i));
  // Groups brought to the front lie above their siblings in the given order.
  std::vector<int> fronts;
  for (std::size_t i = 0; i < hwnds_.size(); ++i) {
    if (hwnds_[i] != nullptr && form_.Controls()[i].zOrder > 0) fronts.push_back(static_cast<int>(i));
  }
  std::sort(fronts.begin(), fronts.end(), [&](int a, int b) { return At(a).zOrder < At(b).zOrder; });
  for (int i : fronts) RaiseOverOverlapping(hwnds_[static_cast<std::size_t>(i)]);
  return true;
}

void Win32View::CreateControl(int index) {
  const Control& c = At(index);
  HWND parent = Container(c.parent);
  if (parent == nullptr) return;
  const DWORD shown = c.visible ? WS_VISIBLE : 0;
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index));
  HWND window = nullptr;
  switch (c.kind()) {
    case Kind::Panel:
      states_.push_back(std::make_unique<WindowState>(WindowState{this, index}));
      window = CreateWindowExA(WS_EX_CONTROLPARENT, kContainerClass, "", WS_CHILD | WS_CLIPCHILDREN | shown, c.left,
                               c.top, c.width, c.height, parent, id, ModuleInstance(), states_.back().get());
      break;
    case Kind::LabeledEdit:
      window = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", c.text.c_str(),
                               WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | shown, c.left, c.top, c.width, c.height,
                               parent, id, ModuleInstance(), nullptr);
      break;
    case Kind::ComboBox:
      window = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | shown,
                               c.left, c.top, c.width, kListDropHeight, parent, id, ModuleInstance(), nullptr);
      break;
    case Kind::Button:
      window = CreateWindowExA(0, "BUTTON", c.caption.c_str(),
                               WS_CHILD | WS_TABSTOP | shown |
                                   ((c.desc->flags & kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                               c.left, c.top, c.width, c.height, parent, id, ModuleInstance(), nullptr);
      break;
    case Kind::GlyphButton:
      window = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_OWNERDRAW | shown, c.left, c.top, c.width, c.height,
                               parent, id, ModuleInstance(), nullptr);
      if (window != nullptr) SetWindowSubclass(window, FlatButtonProc, 1, 0);
      break;
    case Kind::StringGrid:
      states_.push_back(std::make_unique<WindowState>(WindowState{this, index}));
      window = CreateWindowExA(WS_EX_CLIENTEDGE, kGridClass, "",
                               WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN | shown, c.left,
                               c.top, c.width, c.height, parent, id, ModuleInstance(), states_.back().get());
      break;
    default:
      return;  // painted by its container
  }
  hwnds_[static_cast<std::size_t>(index)] = window;
  if (window == nullptr) return;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(EffectiveFont(form_, index))), FALSE);
  syncing_ = true;
  if (c.kind() == Kind::ComboBox) {
    SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), c.height - 6);
    for (const std::string& item : c.items) SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
  }
  if (c.kind() == Kind::StringGrid) UpdateScrollBars(window, index);
  syncing_ = false;
}

void Win32View::SyncControl(int index) {
  const Control& c = At(index);
  HWND window = hwnds_[static_cast<std::size_t>(index)];
  syncing_ = true;
  const int height = c.kind() == Kind::ComboBox ? kListDropHeight : c.height;
  SetWindowPos(window, nullptr, c.left, c.top, c.width, height, SWP_NOACTIVATE | SWP_NOZORDER);
  if (c.zOrder > 0) RaiseOverOverlapping(window);
  ShowWindow(window, c.visible ? SW_SHOWNA : SW_HIDE);
  switch (c.kind()) {
    case Kind::LabeledEdit:
      if (WindowTextOf(window) != c.text) SetWindowTextA(window, c.text.c_str());
      break;
    case Kind::Button:
      if (WindowTextOf(window) != c.caption) SetWindowTextA(window, c.caption.c_str());
      break;
    case Kind::ComboBox:
      if (SendMessageA(window, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(c.items.size())) {
        SendMessageA(window, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : c.items) {
          SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
      }
      SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
      break;
    case Kind::StringGrid:
      UpdateScrollBars(window, index);
      InvalidateRect(window, nullptr, FALSE);
      break;
    default:
      InvalidateRect(window, nullptr, FALSE);
      break;
  }
  syncing_ = false;
}

void Win32View::Changed(int index) {
  if (window_ == nullptr) return;
  if (index < 0) {
    SetWindowTextA(window_, form_.Caption().c_str());
    return;
  }
  if (hwnds_[static_cast<std::size_t>(index)] != nullptr) SyncControl(index);
  // Its container paints it, or (for an edit) its label.
  if (HWND container = Container(At(index).parent)) InvalidateRect(container, nullptr, FALSE);
}

void Win32View::DestroyWindows() {
  for (GridState& g : grids_) g.editor = nullptr;
  if (window_ != nullptr) {
    HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
  }
  if (icon_ != nullptr) {
    DestroyIcon(icon_);
    icon_ = nullptr;
  }
  hwnds_.clear();
}

// As in a dialog, a focused push button wears the default frame, and
// the form's default button wears it whenever no push button has focus.
void Win32View::UpdateDefaultButton() {
  HWND focus = GetFocus();
  if (focus == lastFocus_ || window_ == nullptr) return;
  lastFocus_ = focus;
  int focusedButton = -1;
  for (std::size_t i = 0; i < hwnds_.size(); ++i) {
    if (hwnds_[i] != nullptr && hwnds_[i] == focus && At(static_cast<int>(i)).kind() == Kind::Button) {
      focusedButton = static_cast<int>(i);
    }
  }
  for (std::size_t i = 0; i < hwnds_.size(); ++i) {
    const Control& c = At(static_cast<int>(i));
    if (hwnds_[i] == nullptr || c.kind() != Kind::Button) continue;
    const bool isDefault = focusedButton >= 0 ? static_cast<int>(i) == focusedButton : (c.desc->flags & kDefaultButton) != 0;
    SendMessageA(hwnds_[i], BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

void Win32View::PressDefaultButton() {
  // Enter on a focused push button presses that button, as in a dialog.
  HWND focus = GetFocus();
  for (std::size_t i = 0; i < hwnds_.size(); ++i) {
    if (focus != nullptr && hwnds_[i] == focus && form_.Controls()[i].kind() == Kind::Button) {
      form_.Fire(static_cast<int>(i), FormEvent::Click);
      return;
    }
  }
  const auto& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if ((controls[i].desc->flags & kDefaultButton) && form_.Showing(static_cast<int>(i))) {
      form_.Fire(static_cast<int>(i), FormEvent::Click);
      return;
    }
  }
}

void Win32View::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (lParam == 0 || id < kFirstControlId) {
    // Enter from IsDialogMessage presses the default button; Escape is bound
    // to no button.
    if (id == IDOK) PressDefaultButton();
    return;
  }
  const int index = id - kFirstControlId;
  if (index >= static_cast<int>(hwnds_.size())) return;
  HWND control = reinterpret_cast<HWND>(lParam);
  switch (At(index).kind()) {
    case Kind::Button:
    case Kind::GlyphButton:
      if (code == BN_CLICKED) form_.Fire(index, FormEvent::Click);
      break;
    case Kind::LabeledEdit:
      if (code == EN_CHANGE && !syncing_) form_.UserSetText(index, WindowTextOf(control));
      break;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE && !syncing_) {
        form_.UserSelect(index, static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)));
      }
      break;
    default:
      break;
  }
}

void Win32View::DrawGlyphButton(const DRAWITEMSTRUCT& item) {
  const int index = static_cast<int>(item.CtlID) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(hwnds_.size())) return;
  RECT box = item.rcItem;
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  FillRect(item.hDC, &box, face);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool hot = GetPropA(item.hwndItem, "OrbidateHot") != nullptr;
  if (pressed) {
    DrawEdge(item.hDC, &box, BDR_SUNKENOUTER, BF_RECT);
    OffsetRect(&box, 1, 1);
  } else if (hot) {
    DrawEdge(item.hDC, &box, BDR_RAISEDINNER, BF_RECT);
  }
  DrawGlyph(item.hDC, box, static_cast<Glyph>(At(index).desc->extra));
}

int Win32View::RotatedLabelAt(int container, POINT point) {
  HWND window = Container(container);
  HDC dc = GetDC(window);
  int found = -1;
  const auto& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].parent != container || !controls[i].visible || controls[i].kind() != Kind::RotatedLabel) continue;
    const RECT box = RotatedLabelBox(dc, form_, static_cast<int>(i), fonts_);
    if (PtInRect(&box, point)) found = static_cast<int>(i);
  }
  ReleaseDC(window, dc);
  return found;
}

LRESULT Win32View::ContainerMessage(HWND window, int index, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PAINTSTRUCT paint{};
      HDC target = message == WM_PAINT ? BeginPaint(window, &paint) : reinterpret_cast<HDC>(wParam);
      RECT client;
      GetClientRect(window, &client);
      HDC buffer = CreateCompatibleDC(target);
      HBITMAP bitmap = CreateCompatibleBitmap(target, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
      HGDIOBJ old = SelectObject(buffer, bitmap);
      PaintContainer(buffer, form_, index, fonts_, client);
      BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
      SelectObject(buffer, old);
      DeleteObject(bitmap);
      DeleteDC(buffer);
      if (message == WM_PAINT) EndPaint(window, &paint);
      return 0;
    }
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_DRAWITEM:
      DrawGlyphButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const int label = pressedLabel_ < 0 ? RotatedLabelAt(index, point) : -1;
      if (label >= 0) {
        pressedLabel_ = label;
        SetCapture(window);
        form_.Fire(label, FormEvent::MouseDown);
      }
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (pressedLabel_ >= 0) ReleaseCapture();  // WM_CAPTURECHANGED restores the labels
      return 0;
    case WM_CAPTURECHANGED:
      if (pressedLabel_ >= 0) {
        const int label = pressedLabel_;
        pressedLabel_ = -1;
        form_.Fire(label, FormEvent::MouseUp);
      }
      return 0;
    case WM_SETCURSOR: {
      POINT point;
      GetCursorPos(&point);
      ScreenToClient(window, &point);
      const auto& controls = form_.Controls();
      for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        if (c.parent == index && c.visible && (c.desc->flags & kHandCursor) && point.x >= c.left &&
            point.x < c.left + c.width && point.y >= c.top && point.y < c.top + c.height) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    }
    case WM_ACTIVATE:
      if (index < 0) {
        if (LOWORD(wParam) == WA_INACTIVE) {
          savedFocus_ = GetFocus();
        } else if (savedFocus_ != nullptr && IsChild(window, savedFocus_)) {
          SetFocus(savedFocus_);
          return 0;
        }
      }
      break;
    case WM_CLOSE:
      if (index < 0) {
        form_.UserCloseBox();
        return 0;
      }
      break;
    case WM_DESTROY:
      if (index < 0 && window == window_) {
        window_ = nullptr;
        done_ = true;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// ---- The string grid -------------------------------------------------------

int Win32View::VisibleRows(HWND grid) const {
  RECT client;
  GetClientRect(grid, &client);
  return std::max(1, static_cast<int>(client.bottom) / kRowPitch);
}

void Win32View::UpdateScrollBars(HWND grid, int index) {
  GridState& g = Grid(index);
  const int rows = static_cast<int>(At(index).cells.size());
  RECT client;
  GetClientRect(grid, &client);
  SCROLLINFO vertical{sizeof vertical, SIF_RANGE | SIF_PAGE | SIF_POS, 0, rows - 1,
                      static_cast<UINT>(VisibleRows(grid)), 0, 0};
  g.topRow = std::clamp(g.topRow, 0, std::max(0, rows - VisibleRows(grid)));
  vertical.nPos = g.topRow;
  SetScrollInfo(grid, SB_VERT, &vertical, TRUE);
  const int total = 2 * kColumnWidth + 2 * kLine;
  g.scrollX = std::clamp(g.scrollX, 0, std::max(0, total - static_cast<int>(client.right)));
  SCROLLINFO horizontal{sizeof horizontal, SIF_RANGE | SIF_PAGE | SIF_POS, 0, total - 1,
                        static_cast<UINT>(std::max<LONG>(1, client.right)), g.scrollX, 0};
  SetScrollInfo(grid, SB_HORZ, &horizontal, TRUE);
}

void Win32View::PaintGrid(HWND grid, int index, HDC dc, const RECT& client) {
  const Control& c = At(index);
  const GridState& g = Grid(index);
  HBRUSH white = CreateSolidBrush(ToColorRef(c.desc->color));
  FillRect(dc, &client, white);
  DeleteObject(white);
  HFONT font = fonts_.Get(EffectiveFont(form_, index));
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const bool focused = GetFocus() == grid;
  const int low = std::min(g.anchor, g.current), high = std::max(g.anchor, g.current);
  const COLORREF lineColor = RGB(0xC0, 0xC0, 0xC0);
  const COLORREF fixedLine = RGB(0x80, 0x80, 0x80);
  const int col1 = Column1Left(g);
  for (int row = g.topRow; row < static_cast<int>(c.cells.size()); ++row) {
    const int top = (row - g.topRow) * kRowPitch;
    if (top >= client.bottom) break;
    const auto& cells = c.cells[static_cast<std::size_t>(row)];
    // Column 1 first: the fixed column 0 covers it when scrolled left.
    RECT cell1{col1, top, col1 + kColumnWidth, top + kRowHeight};
    const bool selected = row >= low && row <= high;
    COLORREF background = ToColorRef(c.desc->color), text = ToColorRef(EffectiveFont(form_, index).color);
    if (selected && !(row == g.current && !focused && low == high)) {
      background = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
      text = focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text;
    }
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &cell1, brush);
    DeleteObject(brush);
    SetTextColor(dc, text);
    RECT inner{cell1.left + 2, cell1.top, cell1.right - 2, cell1.bottom};
    DrawTextA(dc, cells[1].data(), static_cast<int>(cells[1].size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (focused && row == g.current) DrawFocusRect(dc, &cell1);
    RECT rightLine{cell1.right, top, cell1.right + kLine, top + kRowPitch};
    HBRUSH lines = CreateSolidBrush(lineColor);
    FillRect(dc, &rightLine, lines);
    RECT bottom1{cell1.left, cell1.bottom, cell1.right + kLine, cell1.bottom + kLine};
    FillRect(dc, &bottom1, lines);
    DeleteObject(lines);

    RECT cell0{0, top, kColumnWidth, top + kRowHeight};
    brush = CreateSolidBrush(ToColorRef(c.desc->color2));
    FillRect(dc, &cell0, brush);
    DeleteObject(brush);
    SetTextColor(dc, ToColorRef(EffectiveFont(form_, index).color));
    inner = RECT{cell0.left + 2, cell0.top, cell0.right - 2, cell0.bottom};
    DrawTextA(dc, cells[0].data(), static_cast<int>(cells[0].size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    HBRUSH fixed = CreateSolidBrush(fixedLine);
    RECT line0{cell0.right, top, cell0.right + kLine, top + kRowPitch};
    FillRect(dc, &line0, fixed);
    RECT bottom0{0, cell0.bottom, cell0.right, cell0.bottom + kLine};
    FillRect(dc, &bottom0, fixed);
    DeleteObject(fixed);
  }
  SelectObject(dc, oldFont);
}

int Win32View::RowAt(HWND, int index, int y) const {
  const GridState& g = grids_[static_cast<std::size_t>(index)];
  const int row = g.topRow + y / kRowPitch;
  return std::clamp(row, 0, std::max(0, static_cast<int>(At(index).cells.size()) - 1));
}

void Win32View::MoveCurrent(HWND grid, int index, int row, bool extend) {
  GridState& g = Grid(index);
  const int rows = static_cast<int>(At(index).cells.size());
  if (rows == 0) return;
  g.current = std::clamp(row, 0, rows - 1);
  if (!extend) g.anchor = g.current;
  const int visible = VisibleRows(grid);
  if (g.current < g.topRow) g.topRow = g.current;
  if (g.current >= g.topRow + visible) g.topRow = g.current - visible + 1;
  UpdateScrollBars(grid, index);
  InvalidateRect(grid, nullptr, FALSE);
}

void Win32View::BeginEdit(HWND grid, int index, const std::string* replacement) {
  GridState& g = Grid(index);
  if (g.editor != nullptr) return;
  g.anchor = g.current;
  MoveCurrent(grid, index, g.current, false);
  const int top = (g.current - g.topRow) * kRowPitch;
  const std::string& text = replacement != nullptr ? *replacement : At(index).cells[static_cast<std::size_t>(g.current)][1];
  g.editingRow = g.current;
  g.editor = CreateWindowExA(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Column1Left(g) + 1,
                             top + 1, kColumnWidth - 2, kRowHeight - 2, grid, nullptr, ModuleInstance(), nullptr);
  if (g.editor == nullptr) return;
  SendMessageA(g.editor, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(EffectiveFont(form_, index))), FALSE);
  SetWindowSubclass(g.editor, GridEditorProc, 1, static_cast<DWORD_PTR>(index));
  SetFocus(g.editor);
  const int end = static_cast<int>(text.size());
  SendMessageA(g.editor, EM_SETSEL, replacement != nullptr ? end : 0, end);
}

void Win32View::EndEdit(int index, bool commit) {
  GridState& g = Grid(index);
  HWND editor = g.editor;
  if (editor == nullptr) return;
  g.editor = nullptr;
  if (commit && g.editingRow >= 0) form_.UserSetCell(index, g.editingRow, WindowTextOf(editor));
  g.editingRow = -1;
  HWND grid = GetParent(editor);
  const bool hadFocus = GetFocus() == editor;
  DestroyWindow(editor);
  if (hadFocus) SetFocus(grid);
  InvalidateRect(grid, nullptr, FALSE);
}

LRESULT Win32View::GridEditorMessage(HWND editor, int index, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Escape end the cell's edit; Tab still leaves the grid (the
      // lost focus keeps the text).
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      const bool endKey = pending != nullptr && pending->message == WM_KEYDOWN &&
                          (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE);
      return (endKey ? DLGC_WANTALLKEYS : 0) | DefSubclassProc(editor, message, wParam, lParam);
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        EndEdit(index, wParam == VK_RETURN);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 27) return 0;  // no beep
      break;
    case WM_KILLFOCUS:
      EndEdit(index, true);  // destroys the editor; nothing after this
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(editor, GridEditorProc, 1);
      break;
    default:
      break;
  }
  return DefSubclassProc(editor, message, wParam, lParam);
}

LRESULT Win32View::GridMessage(HWND grid, int index, UINT message, WPARAM wParam, LPARAM lParam) {
  GridState& g = Grid(index);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC target = BeginPaint(grid, &paint);
      RECT client;
      GetClientRect(grid, &client);
      HDC buffer = CreateCompatibleDC(target);
      HBITMAP bitmap = CreateCompatibleBitmap(target, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
      HGDIOBJ old = SelectObject(buffer, bitmap);
      PaintGrid(grid, index, buffer, client);
      BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
      SelectObject(buffer, old);
      DeleteObject(bitmap);
      DeleteDC(buffer);
      EndPaint(grid, &paint);
      return 0;
    }
    case WM_SIZE:
      UpdateScrollBars(grid, index);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(grid, nullptr, FALSE);
      return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
      int top = g.topRow;
      if (message == WM_MOUSEWHEEL) {
        top -= GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3;
      } else {
        switch (LOWORD(wParam)) {
          case SB_LINEUP: --top; break;
          case SB_LINEDOWN: ++top; break;
          case SB_PAGEUP: top -= VisibleRows(grid); break;
          case SB_PAGEDOWN: top += VisibleRows(grid); break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION: top = HIWORD(wParam); break;
          default: break;
        }
      }
      EndEdit(index, true);
      g.topRow = top;
      UpdateScrollBars(grid, index);
      InvalidateRect(grid, nullptr, FALSE);
      return 0;
    }
    case WM_HSCROLL: {
      int x = g.scrollX;
      switch (LOWORD(wParam)) {
        case SB_LINELEFT: x -= 16; break;
        case SB_LINERIGHT: x += 16; break;
        case SB_PAGELEFT: x -= 100; break;
        case SB_PAGERIGHT: x += 100; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: x = HIWORD(wParam); break;
        default: break;
      }
      EndEdit(index, true);
      g.scrollX = x;
      UpdateScrollBars(grid, index);
      InvalidateRect(grid, nullptr, FALSE);
      return 0;
    }
    case WM_LBUTTONDOWN: {
      SetFocus(grid);
      const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
      if (x < kColumnWidth + kLine) return 0;  // the fixed column takes no selection
      MoveCurrent(grid, index, RowAt(grid, index, y), (wParam & MK_SHIFT) != 0);
      g.dragging = true;
      SetCapture(grid);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (g.dragging) MoveCurrent(grid, index, RowAt(grid, index, static_cast<short>(HIWORD(lParam))), true);
      return 0;
    case WM_LBUTTONUP:
      if (g.dragging) {
        g.dragging = false;
        ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      if (static_cast<short>(LOWORD(lParam)) >= kColumnWidth + kLine) {
        MoveCurrent(grid, index, RowAt(grid, index, static_cast<short>(HIWORD(lParam))), false);
        BeginEdit(grid, index, nullptr);
      }
      return 0;
    case WM_KEYDOWN: {
      const bool shift = GetKeyState(VK_SHIFT) < 0;
      switch (wParam) {
        case VK_UP: MoveCurrent(grid, index, g.current - 1, shift); return 0;
        case VK_DOWN: MoveCurrent(grid, index, g.current + 1, shift); return 0;
        case VK_PRIOR: MoveCurrent(grid, index, g.current - VisibleRows(grid), shift); return 0;
        case VK_NEXT: MoveCurrent(grid, index, g.current + VisibleRows(grid), shift); return 0;
        case VK_HOME: MoveCurrent(grid, index, 0, shift); return 0;
        case VK_END: MoveCurrent(grid, index, static_cast<int>(At(index).cells.size()) - 1, shift); return 0;
        case VK_F2: BeginEdit(grid, index, nullptr); return 0;
        default: break;
      }
      break;
    }
    case WM_CHAR:
      if (wParam >= 32 && wParam != 127) {
        const std::string typed(1, static_cast<char>(wParam));
        BeginEdit(grid, index, &typed);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(grid, message, wParam, lParam);
}

WindowState* StateOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* state = static_cast<WindowState*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return state;
  }
  return reinterpret_cast<WindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtBoundary(LRESULT{0}, [&]() -> LRESULT {
    WindowState* state = StateOf(window, message, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (state == nullptr || message == WM_NCCREATE || message == WM_NCDESTROY) {
      return DefWindowProcA(window, message, wParam, lParam);
    }
    return state->view->ContainerMessage(window, state->index, message, wParam, lParam);
  });
}

LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtBoundary(LRESULT{0}, [&]() -> LRESULT {
    WindowState* state = StateOf(window, message, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (state == nullptr || message == WM_NCCREATE || message == WM_NCDESTROY) {
      return DefWindowProcA(window, message, wParam, lParam);
    }
    return state->view->GridMessage(window, state->index, message, wParam, lParam);
  });
}

LRESULT CALLBACK GridEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  return AtBoundary(LRESULT{0}, [&]() -> LRESULT {
    HWND grid = GetParent(editor);
    auto* state = reinterpret_cast<WindowState*>(GetWindowLongPtrA(grid, GWLP_USERDATA));
    if (state == nullptr) return DefSubclassProc(editor, message, wParam, lParam);
    return state->view->GridEditorMessage(editor, static_cast<int>(data), message, wParam, lParam);
  });
}

}  // namespace

std::unique_ptr<FormView> CreateFormView(Form& form) { return std::make_unique<Win32View>(form); }

}  // namespace orbidate::forms
