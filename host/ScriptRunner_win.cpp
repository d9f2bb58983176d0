#include "host/ScriptRunner_win.h"

#include <cstring>
#include <functional>
#include <set>

#include "host/PngWriter.h"

#include <optional>

namespace orbidate::host {
namespace {

ScriptRunner* gRunner = nullptr;

constexpr char kWindowClass[] = "OrbidateHostWindow";
constexpr char kRectangleClass[] = "OrbidateHostRectangle";
constexpr int kLogHeight = 180;
constexpr int kMaxGoSubDepth = 64;
constexpr std::int32_t kReattach = 0x4FA;

ORBIDATE_HOSTCALL void SetVarCallback(const char* name, const char* value) { gRunner->SetVar(name, value); }
ORBIDATE_HOSTCALL void RunScriptCallback(const char* command) { gRunner->RunScript(command); }
ORBIDATE_HOSTCALL HostBool InterfaceAccessCallback(std::int32_t code, HostSlot* slot) {
  return gRunner->InterfaceAccess(code, slot) ? 1 : 0;
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A rectangle object: a plain framed panel with its name, as the authoring
// host shows an empty rectangle.
LRESULT CALLBACK RectangleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    FrameRect(dc, &client, GetSysColorBrush(COLOR_3DSHADOW));
    char name[256] = {};
    GetWindowTextA(window, name, sizeof name);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, name, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterClasses() {
  WNDCLASSEXA host{};
  host.cbSize = sizeof host;
  host.lpfnWndProc = HostWindowProc;
  host.hInstance = GetModuleHandleA(nullptr);
  host.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  host.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  host.lpszClassName = kWindowClass;
  RegisterClassExA(&host);
  WNDCLASSEXA rectangle = host;
  rectangle.lpfnWndProc = RectangleProc;
  rectangle.lpszClassName = kRectangleClass;
  RegisterClassExA(&rectangle);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// In headless runs nobody answers the plug-in's modal windows: a thread
// timer finds the first new visible window, lets the runner photograph it,
// and closes it (the close box: Cancel for an editor).
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(HWND)> seen) : seen_(std::move(seen)) {
    current_ = this;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&before_));
    timer_ = SetTimer(nullptr, 0, 200, Tick);
  }
  ~ModalAnswerer() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM set) {
    reinterpret_cast<std::set<HWND>*>(set)->insert(window);
    return TRUE;
  }
  static BOOL CALLBACK Visit(HWND window, LPARAM) {
    if (current_ == nullptr || !IsWindowVisible(window) || current_->before_.count(window) ||
        current_->done_.count(window)) {
      return TRUE;
    }
    current_->done_.insert(window);
    current_->seen_(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
  }

  static inline ModalAnswerer* current_ = nullptr;
  std::function<void(HWND)> seen_;
  std::set<HWND> before_, done_;
  UINT_PTR timer_ = 0;
};

}  // namespace

ScriptRunner::ScriptRunner(PluginModule& plugin, const RunOptions& options) : plugin_(plugin), options_(options) {
  gRunner = this;
  RegisterClasses();
  window_ = CreateWindowExA(0, kWindowClass, "Orbidate host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 960,
                            options.headless ? 600 : 600 + kLogHeight, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
  if (!options.headless) {
    RECT client;
    GetClientRect(window_, &client);
    log_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                           client.bottom - kLogHeight, client.right, kLogHeight, window_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  catalogue_ = plugin_.Register(SetVarCallback, RunScriptCallback, InterfaceAccessCallback);
}

ScriptRunner::~ScriptRunner() {
  // The host tells the plug-in to let its calendars go before unloading it.
  plugin_.Message(2);
  if (IsWindow(window_)) DestroyWindow(window_);
  gRunner = nullptr;
}

void ScriptRunner::Log(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
  if (log_ != nullptr) {
    const std::string line = text + "\r\n";
    SendMessageA(log_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageA(log_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
  }
}

void ScriptRunner::SetVar(const std::string& name, const std::string& value) {
  Log("  HostSetVar(" + Quoted(name) + ", " + Quoted(value) + ")");
  variables_[VariableName(name)] = value;
}

void ScriptRunner::RunScript(const std::string& command) {
  Log("  HostRunScript(" + command + ")");
  constexpr char kGoSub[] = "GoSub \"";
  const std::size_t prefix = std::strlen(kGoSub);
  if (command.compare(0, prefix, kGoSub) != 0 || command.size() <= prefix || command.back() != '"') {
    Log("  host error: only GoSub \"NAME\" commands are understood here: " + command);
    failed_ = true;
    return;
  }
  const std::string name = command.substr(prefix, command.size() - prefix - 1);
  const auto it = script_->subroutines.find(name);
  if (it == script_->subroutines.end()) {
    Log("  host error: no subroutine " + Quoted(name));
    failed_ = true;
    return;
  }
  if (depth_ >= kMaxGoSubDepth) {
    Log("  host error: GoSub nested too deeply");
    failed_ = true;
    return;
  }
  ++depth_;
  RunFrom(it->second, true);
  --depth_;
}

bool ScriptRunner::InterfaceAccess(std::int32_t code, HostSlot* slot) {
  const std::string in = *slot == nullptr ? std::string() : std::string(*slot);
  std::string out;
  bool answer = false;
  if (code == 7) {
    const HWND rectangle = Rectangle(in);
    // Handles are 32-bit values in decimal, also from a 64-bit host.
    out = std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(rectangle)));
    answer = true;
  } else if (code == 8 || code == 14) {
    std::vector<std::string> items;
    if (code == 8) {
      for (const auto& [name, window] : rectangles_) items.push_back(name);
    } else {
      for (const auto& [name, value] : variables_) items.push_back("[" + name + "]");
    }
    out = Choose(code == 8 ? "object" : "variable", items, in);
    answer = !out.empty();
  }
  // Window handles differ from run to run; the transcript names the window.
  const std::string shown = code == 7 ? (out == "0" ? "0 (no such rectangle)" : "the window of " + in) : Quoted(out);
  Log("  HostInterfaceAccess(" + std::to_string(code) + ", " + Quoted(in) + ") -> " +
      (answer ? shown : std::string("false")));
  if (answer) AssignSlot(slot, out);
  return answer;
}

std::string ScriptRunner::Choose(const char* what, const std::vector<std::string>& items, const std::string&) {
  // Headless runs (and interactive ones, for now) take the first name.
  if (items.empty()) return {};
  Log(std::string("  (chooser: the first ") + what + " is taken)");
  return items.front();
}

HWND ScriptRunner::Rectangle(const std::string& name) const {
  const auto it = rectangles_.find(name);
  return it == rectangles_.end() ? nullptr : it->second;
}

HWND ScriptRunner::CalendarIn(const std::string& rectangle) const {
  const HWND parent = Rectangle(rectangle);
  return parent == nullptr ? nullptr : GetWindow(parent, GW_CHILD);
}

POINT ScriptRunner::PointIn(HWND calendar, double fx, double fy) const {
  RECT client;
  GetClientRect(calendar, &client);
  return POINT{static_cast<LONG>(fx * client.right), static_cast<LONG>(fy * client.bottom)};
}

void ScriptRunner::Pump() {
  for (int round = 0; round < 3; ++round) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    UpdateWindow(window_);
    Sleep(10);
  }
}

std::vector<std::string> ScriptRunner::ActionParams(const Statement& statement, const ActionInfo& action) const {
  std::vector<std::string> params;
  for (std::size_t i = 0; i < statement.texts.size(); ++i) {
    // Parameters that name a variable or subroutine are passed as written.
    const bool names = i < action.kinds.size() && action.kinds[i] == 6;
    params.push_back(names ? statement.texts[i] : SubstituteVariables(statement.texts[i], variables_));
  }
  return params;
}

bool ScriptRunner::Fail(const Statement& statement, const std::string& message) {
  Log("line " + std::to_string(statement.line) + ": " + message);
  failed_ = true;
  return false;
}

bool ScriptRunner::Screenshot(const std::string& file) {
  Pump();
  RECT client;
  GetClientRect(window_, &client);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  return Capture(file, origin, client.right, client.bottom - (log_ != nullptr ? kLogHeight : 0));
}

bool ScriptRunner::CaptureWindow(HWND window, const std::string& file) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  return Capture(file, POINT{bounds.left, bounds.top}, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

bool ScriptRunner::Capture(const std::string& file, POINT origin, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
    rgb[i * 3] = pixels[i * 4 + 2];
    rgb[i * 3 + 1] = pixels[i * 4 + 1];
    rgb[i * 3 + 2] = pixels[i * 4];
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const std::string path = file.find(':') != std::string::npos || file[0] == '\\' || file[0] == '/'
                               ? file
                               : options_.outputFolder + file;
  return WritePng(path, width, height, rgb);
}

bool ScriptRunner::Execute(const Statement& s) {
  switch (s.kind) {
    case StatementKind::Rect: {
      if (Rectangle(s.name) != nullptr) return Fail(s, "rectangle " + s.name + " exists already");
      const HWND rectangle = CreateWindowExA(
          0, kRectangleClass, s.name.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, static_cast<int>(s.numbers[0]),
          static_cast<int>(s.numbers[1]), static_cast<int>(s.numbers[2]), static_cast<int>(s.numbers[3]), window_,
          nullptr, GetModuleHandleA(nullptr), nullptr);
      rectangles_[s.name] = rectangle;
      return true;
    }
    case StatementKind::Resize: {
      const HWND rectangle = Rectangle(s.name);
      if (rectangle == nullptr) return Fail(s, "no rectangle " + s.name);
      MoveWindow(rectangle, static_cast<int>(s.numbers[0]), static_cast<int>(s.numbers[1]),
                 static_cast<int>(s.numbers[2]), static_cast<int>(s.numbers[3]), TRUE);
      if (HWND calendar = GetWindow(rectangle, GW_CHILD)) {
        Log("  (0x4FA, LParam 4 to the calendar in " + s.name + ")");
        SendMessageA(calendar, kReattach, 0, 4);
      }
      return true;
    }
    case StatementKind::Action:
    case StatementKind::Edit: {
      const ActionInfo* action = nullptr;
      for (const ActionInfo& info : catalogue_) {
        if (info.name == s.name) action = &info;
      }
      if (action == nullptr) return Fail(s, "no action named " + s.name);
      if (s.texts.size() != action->kinds.size()) {
        return Fail(s, s.name + " takes " + std::to_string(action->kinds.size()) + " parameters, not " +
                           std::to_string(s.texts.size()));
      }
      std::vector<std::string> params = ActionParams(s, *action);
      std::string shown;
      for (const std::string& p : params) shown += (shown.empty() ? "" : " ") + Quoted(p);
      if (s.kind == StatementKind::Action) {
        Log(s.name + " " + shown);
        const bool result = plugin_.Execute(action->id, params);
        Log("  -> " + std::string(result ? "true" : "false"));
      } else {
        Log("edit " + s.name + " " + shown);
        std::optional<ModalAnswerer> answerer;
        if (options_.headless) {
          const std::string file = "edit-" + s.name + ".png";
          answerer.emplace([this, file](HWND dialog) {
            Log("  (headless: " + file + " taken, the editor closed)");
            CaptureWindow(dialog, file);
          });
        }
        const bool accepted = plugin_.Edit(action->id, params);
        std::string slots;
        for (const std::string& p : params) slots += (slots.empty() ? "" : " ") + Quoted(p);
        Log("  -> " + std::string(accepted ? "accepted: " + slots : "refused"));
      }
      return true;
    }
    case StatementKind::Subroutine:
    case StatementKind::Return:
      return true;  // handled by RunFrom
    case StatementKind::SetVar:
      variables_[VariableName(s.name)] = SubstituteVariables(s.texts[0], variables_);
      return true;
    case StatementKind::Print:
      Log(SubstituteVariables(s.texts[0], variables_));
      return true;
    case StatementKind::Click:
    case StatementKind::RightClick:
    case StatementKind::Drag: {
      const HWND frame = CalendarIn(s.name);
      if (frame == nullptr) return Fail(s, "no calendar in rectangle " + s.name);
      POINT from = PointIn(frame, s.numbers[0], s.numbers[1]);
      POINT to = s.kind == StatementKind::Drag ? PointIn(frame, s.numbers[2], s.numbers[3]) : from;
      // The mouse goes to the innermost window under the point, as it would
      // for a real click.
      HWND calendar = frame;
      for (HWND child; (child = ChildWindowFromPointEx(calendar, from, CWP_SKIPINVISIBLE)) != nullptr &&
                       child != calendar;) {
        MapWindowPoints(calendar, child, &from, 1);
        MapWindowPoints(calendar, child, &to, 1);
        calendar = child;
      }
      const bool right = s.kind == StatementKind::RightClick;
      const UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
      const WPARAM held = right ? MK_RBUTTON : MK_LBUTTON;
      Log(std::string(right ? "rightclick " : s.kind == StatementKind::Drag ? "drag " : "click ") + s.name + " at " +
          std::to_string(from.x) + "," + std::to_string(from.y) +
          (s.kind == StatementKind::Drag ? " to " + std::to_string(to.x) + "," + std::to_string(to.y) : ""));
      PostMessageA(calendar, WM_MOUSEMOVE, 0, MAKELPARAM(from.x, from.y));
      PostMessageA(calendar, down, held, MAKELPARAM(from.x, from.y));
      Pump();
      constexpr int kSteps = 8;
      for (int i = 1; s.kind == StatementKind::Drag && i <= kSteps; ++i) {
        const LONG x = from.x + (to.x - from.x) * i / kSteps, y = from.y + (to.y - from.y) * i / kSteps;
        PostMessageA(calendar, WM_MOUSEMOVE, held, MAKELPARAM(x, y));
        Pump();
      }
      PostMessageA(calendar, up, 0, MAKELPARAM(to.x, to.y));
      Pump();
      return true;
    }
    case StatementKind::Screenshot:
      if (!Screenshot(s.texts[0])) return Fail(s, "cannot write " + s.texts[0]);
      Log("screenshot " + s.texts[0]);
      return true;
    case StatementKind::About:
    {
      Log("about");
      std::optional<ModalAnswerer> answerer;
      if (options_.headless) {
        answerer.emplace([this](HWND box) {
          Log("  (headless: about.png taken, the box closed)");
          CaptureWindow(box, "about.png");
        });
      }
      plugin_.About();
      return true;
    }
    case StatementKind::Message:
      Log("message " + std::to_string(static_cast<int>(s.numbers[0])));
      plugin_.Message(static_cast<std::int32_t>(s.numbers[0]));
      return true;
    case StatementKind::Wait:
      if (options_.headless) return true;
      Log("(close the window to go on)");
      for (MSG message; IsWindow(window_) && GetMessageA(&message, nullptr, 0, 0) > 0;) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      return true;
  }
  return true;
}

bool ScriptRunner::RunFrom(std::size_t index, bool subroutine) {
  const auto& statements = script_->statements;
  for (std::size_t i = index; i < statements.size(); ++i) {
    const Statement& s = statements[i];
    if (s.kind == StatementKind::Return) {
      if (subroutine) return true;
      continue;
    }
    if (s.kind == StatementKind::Subroutine) {
      if (subroutine) return true;  // a subroutine without return ends at the next one
      // The main flow steps over subroutines.
      while (i + 1 < statements.size() && statements[i + 1].kind != StatementKind::Return) ++i;
      ++i;
      continue;
    }
    Execute(s);
    Pump();
  }
  return true;
}

bool ScriptRunner::Run(const Script& script) {
  script_ = &script;
  failed_ = false;
  RunFrom(0, false);
  return !failed_;
}

}  // namespace orbidate::host
