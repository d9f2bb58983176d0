// The editors and the about box through the real entry points and the real
// windows: the test plays the author with messages to the dialog's
// controls, then checks the slots and what the host was asked.
//
// With ORBIDATE_SCREENSHOTS set to a folder (a Windows path, e.g. Z:/tmp/shots)
// the dialogs are also saved there as PNG files. The Russian labels show as
// such only when Wine runs with a Windows-1251 code page, that is under a
// Russian Unix locale (LANG=ru_RU.UTF-8, generated with localedef).
#include <windows.h>

#include <colordlg.h>
#include <commctrl.h>
#include <dlgs.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "support/DialogWatcher.h"
#include "support/LoadedPlugin.h"
#include "support/Screenshot.h"
#include "support/TestHarness.h"
#include "support/TestHost.h"

using namespace orbidate;
using namespace orbidate::wintest;

namespace {

constexpr char kFormClass[] = "OrbidateFormContainer";

// Runs |work| later, from whichever message loop runs then (a thread timer
// fires only from inside a loop, so the modal dialog is up by then).
std::vector<std::pair<UINT_PTR, std::function<void()>>>& Pending() {
  static std::vector<std::pair<UINT_PTR, std::function<void()>>> pending;
  return pending;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  auto& pending = Pending();
  for (auto it = pending.begin(); it != pending.end(); ++it) {
    if (it->first == timer) {
      std::function<void()> run = std::move(it->second);
      pending.erase(it);
      run();
      return;
    }
  }
}

void Later(std::function<void()> work) {
  const UINT_PTR id = SetTimer(nullptr, 0, 150, RunPending);
  Pending().emplace_back(id, std::move(work));
}

// Runs |work| on our dialog once its modal loop is running, and |other| on
// each system dialog (the colour and font dialogs) that opens above it.
class DialogScript {
 public:
  explicit DialogScript(std::function<void(HWND)> work, std::function<void(HWND)> other = {})
      : work_(std::move(work)), other_(std::move(other)), watcher_([this](HWND window) {
          if (dialog_ == nullptr && ClassName(window) == kFormClass) {
            dialog_ = window;
            owner_ = GetWindow(window, GW_OWNER);
            Later([this] {
              ran_ = true;
              work_(dialog_);
            });
          } else if (other_ && ClassName(window) == "#32770" && window != lastOther_) {
            lastOther_ = window;
            Later([this, window] { other_(window); });
          }
        }) {}

  HWND Dialog() const { return dialog_; }
  HWND Owner() const { return owner_; }
  bool Ran() const { return ran_; }

 private:
  std::function<void(HWND)> work_;
  std::function<void(HWND)> other_;
  DialogWatcher watcher_;
  HWND dialog_ = nullptr;
  HWND owner_ = nullptr;
  HWND lastOther_ = nullptr;
  bool ran_ = false;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

// The visible controls of |className| in the dialog, in creation order.
std::vector<HWND> Visible(HWND dialog, const char* className) {
  std::vector<HWND> all, found;
  EnumChildWindows(dialog, Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all) {
    if (IsWindowVisible(w) && lstrcmpiA(ClassName(w).c_str(), className) == 0) found.push_back(w);
  }
  return found;
}

HWND ButtonNamed(HWND dialog, const char* text) {
  for (HWND b : Visible(dialog, "Button")) {
    if (WindowText(b) == text) return b;
  }
  return nullptr;
}

std::vector<HWND> GlyphButtons(HWND dialog) {
  std::vector<HWND> glyphs;
  for (HWND b : Visible(dialog, "Button")) {
    if ((GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) glyphs.push_back(b);
  }
  return glyphs;
}

void Type(HWND edit, const std::string& text) { SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

void Choose(HWND combo, int item) {
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void MaybeScreenshot(HWND dialog, const char* name) {
  const char* folder = std::getenv("ORBIDATE_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Wine hands window contents to the display when the thread looks at its
  // queue; give it a few looks before reading the screen.
  for (int i = 0; i < 6; ++i) {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(50);
  }
  CHECK(SaveWindowPng(dialog, std::string(folder) + "/" + name + ".png"));
}

struct Slots {
  explicit Slots(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size() && i < 4; ++i) HostAssign(&slot[i], texts[i]);
  }
  ~Slots() {
    for (HostSlot& s : slot) HostRelease(&s);
  }
  std::string Text(std::size_t i) const { return slot[i] == nullptr ? "(null)" : slot[i]; }
  HostSlot slot[4] = {};
};

struct Session {
  Session() {
    REQUIRE(plugin.Loaded());
    host.RegisterWith(plugin.Entry());
  }
  bool Edit(std::int32_t id, Slots& slots) { return plugin.Entry().editAction(id, slots.slot) != 0; }
  LoadedPlugin plugin;
  TestHost host;
};

}  // namespace

TEST_CASE(OkWritesWhatTheAuthorTypedIntoTheEdits) {
  Session session;
  Slots slots({"Rect", "OldSub", "OldVar"});
  DialogScript script([](HWND dialog) {
    CHECK_EQ(WindowText(dialog), "OrbidateGetDate");
    const std::vector<HWND> edits = Visible(dialog, "Edit");
    REQUIRE_EQ(edits.size(), 3u);  // LEdit1, LEdit15, LEdit17
    CHECK_EQ(WindowText(edits[0]), "Rect");
    CHECK_EQ(WindowText(edits[1]), "OldSub");
    Type(edits[1], "NewSub");
    Press(ButtonNamed(dialog, "OK"));
  });
  CHECK(session.Edit(10, slots));
  CHECK(script.Ran());
  CHECK_EQ(slots.Text(0), "Rect");
  CHECK_EQ(slots.Text(1), "NewSub");
  CHECK_EQ(slots.Text(2), "OldVar");
  CHECK_EQ(slots.Text(3), "(null)");
  CHECK(!IsWindow(script.Dialog()));
}

TEST_CASE(ListAndGridOfTheNameDialogThroughTheirControls) {
  Session session;
  Slots slots({"Cal", "Create", "Mo|Tu|We|Th|Fr|Sa|Su"});
  DialogScript script([](HWND dialog) {
    MaybeScreenshot(dialog, "action1-TFormDATA");
    const std::vector<HWND> lists = Visible(dialog, "ComboBox");
    REQUIRE_EQ(lists.size(), 1u);
    CHECK_EQ(SendMessageA(lists[0], CB_GETCURSEL, 0, 0), 0);
    Choose(lists[0], 1);
    const std::vector<HWND> grids = Visible(dialog, "OrbidateStringGrid");
    REQUIRE_EQ(grids.size(), 1u);
    // Typing starts an in-place editor on the current cell (Monday); Enter
    // puts the text into the cell.
    SetFocus(grids[0]);
    SendMessageA(grids[0], WM_CHAR, 'X', 0);
    HWND editor = GetWindow(grids[0], GW_CHILD);
    REQUIRE(editor != nullptr);
    SendMessageA(editor, WM_CHAR, 'y', 0);
    SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
    CHECK(GetWindow(grids[0], GW_CHILD) == nullptr);
    // Down to Tuesday, type, and leave the grid with Tab: the text stays.
    SendMessageA(grids[0], WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(grids[0], WM_CHAR, 'T', 0);
    editor = GetWindow(grids[0], GW_CHILD);
    REQUIRE(editor != nullptr);
    SendMessageA(editor, WM_CHAR, 'z', 0);
    PostMessageA(editor, WM_KEYDOWN, VK_TAB, 0);
    Press(ButtonNamed(dialog, "OK"));
  });
  CHECK(session.Edit(1, slots));
  CHECK_EQ(slots.Text(1), "Delete");
  CHECK_EQ(slots.Text(2), "Xy|Tz|We|Th|Fr|Sa|Su");
}

TEST_CASE(CancelAndTheCloseBoxLeaveTheSlots) {
  Session session;
  for (const char* how : {"Cancel", "close box"}) {
    SCOPE("how", how);
    Slots slots({"R", "1,2,3", "4,5,6", "Vertical"});
    const HostSlot given = slots.slot[1];
    DialogScript script([how](HWND dialog) {
      MaybeScreenshot(dialog, "action7-TFormFree");
      Type(Visible(dialog, "Edit")[1], "typed");
      if (std::string(how) == "Cancel") {
        Press(ButtonNamed(dialog, "Cancel"));
      } else {
        PostMessageA(dialog, WM_CLOSE, 0, 0);
      }
    });
    CHECK(!session.Edit(7, slots));
    CHECK(script.Ran());
    CHECK(slots.slot[1] == given);
    CHECK_EQ(slots.Text(1), "1,2,3");
  }
}

TEST_CASE(EnterInAnEditPressesOk) {
  Session session;
  Slots slots({"R", "1900"});
  DialogScript script([](HWND dialog) {
    const std::vector<HWND> edits = Visible(dialog, "Edit");
    REQUIRE_EQ(edits.size(), 2u);
    SetFocus(edits[1]);
    Type(edits[1], "2024");
    PostMessageA(edits[1], WM_KEYDOWN, VK_RETURN, 0);
  });
  CHECK(session.Edit(12, slots));
  CHECK_EQ(slots.Text(1), "2024");
}

TEST_CASE(TheDialogIsModalOverTheActiveWindow) {
  Session session;
  HWND owner = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
  REQUIRE(owner != nullptr);
  SetActiveWindow(owner);
  SetForegroundWindow(owner);
  Slots slots({"ColourVar"});
  bool ownerDisabled = false;
  DialogScript script([&](HWND dialog) {
    MaybeScreenshot(dialog, "action19-TFormFree");
    ownerDisabled = !IsWindowEnabled(owner);
    CHECK_EQ(Visible(dialog, "Edit").size(), 1u);  // no rectangle row
    // The buttons are those of Common Controls 6 (visual styles): only they
    // know their ideal size.
    SIZE ideal{};
    CHECK(SendMessageA(ButtonNamed(dialog, "OK"), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0);
    Press(ButtonNamed(dialog, "OK"));
  });
  CHECK(session.Edit(19, slots));
  CHECK(script.Owner() == owner);
  CHECK(ownerDisabled);
  CHECK(IsWindowEnabled(owner));
  CHECK_EQ(slots.Text(0), "ColourVar");
  DestroyWindow(owner);
}

TEST_CASE(ObjectAndVariableButtonsAskTheHost) {
  Session session;
  session.host.answer = [](std::int32_t code, const std::string& in, std::string& out) {
    out = (code == 8 ? "Object:" : "Var:") + in;
    return in != "refuse";
  };
  Slots slots({"Rect", "refuse", "Var"});
  DialogScript script([](HWND dialog) {
    const std::vector<HWND> glyphs = GlyphButtons(dialog);
    // Kn1, SpeedVariable, then the variable buttons of LEdit15 and LEdit17
    // (their colour buttons are hidden).
    REQUIRE_EQ(glyphs.size(), 4u);
    SendMessageA(glyphs[0], BM_CLICK, 0, 0);
    SendMessageA(glyphs[2], BM_CLICK, 0, 0);
    SendMessageA(glyphs[3], BM_CLICK, 0, 0);
    Press(ButtonNamed(dialog, "OK"));
  });
  CHECK(session.Edit(10, slots));
  CHECK_EQ(slots.Text(0), "Object:Rect");
  CHECK_EQ(slots.Text(1), "refuse");  // the host said false
  CHECK_EQ(slots.Text(2), "Var:Var");
  std::vector<std::string> codes;
  for (const HostCall& call : session.host.calls) {
    if (call.kind == "InterfaceAccess") codes.push_back(call.first + " " + call.second);
  }
  REQUIRE_EQ(codes.size(), 3u);
  CHECK_EQ(codes[0], "8 Rect");
  CHECK_EQ(codes[1], "14 refuse");
  CHECK_EQ(codes[2], "14 Var");
}

TEST_CASE(EveryEditorGivesBackItsSlotsOnOk) {
  Session session;
  const std::vector<std::vector<std::string>> cases = {
      {}, {"R", "Delete", "a|b|c|d|e|f|g"}, {"R", "1|2|3|4|5|6|7|8|9|10|11|12"}, {"R", "Arial|clRed|10||1"},
      {"R", "Arial|clRed|10||1"}, {"R", "1,2,3"}, {"R", "1,2,3"}, {"R", "1,2,3", "4,5,6", "Horizontal"},
      {"R", "1,2,3", "4,5,6", "Vertical"}, {"R", "True"}, {"R", "Sub", "Var"}, {"R", "12"}, {"R", "2024"},
      {"R", "7,8,9"}, {"R", "7"}, {"R", "Sunday", "False"}, {"R", "S1"}, {"R", "S2"}, {"R", "S3"}, {"C"}, {"F"}};
  for (std::int32_t id = 1; id <= 20; ++id) {
    SCOPE("id", id);
    const std::vector<std::string>& texts = cases[static_cast<std::size_t>(id)];
    Slots slots(texts);
    DialogScript script([id](HWND dialog) {
      if (id == 2 || id == 15) MaybeScreenshot(dialog, ("action" + std::to_string(id)).c_str());
      Press(ButtonNamed(dialog, "OK"));
    });
    CHECK(session.Edit(id, slots));
    for (std::size_t i = 0; i < texts.size(); ++i) CHECK_EQ(slots.Text(i), texts[i]);
  }
}

TEST_CASE(AboutBoxOpensAndClosesEachTime) {
  Session session;
  for (int round = 0; round < 2; ++round) {
    SCOPE("round", round);
    DialogScript script([round](HWND dialog) {
      CHECK_EQ(WindowText(dialog), "About");
      if (round == 0) MaybeScreenshot(dialog, "about");
      if (round == 0) {
        Press(ButtonNamed(dialog, "OK"));
      } else {
        PostMessageA(dialog, WM_CLOSE, 0, 0);
      }
    });
    session.plugin.Entry().about();
    CHECK(script.Ran());
    CHECK(!IsWindow(script.Dialog()));
  }
}

TEST_CASE(ColourButtonsShareTheSystemColourDialogAndItsLastColour) {
  Session session;
  Slots slots({"R", "255,0,0"});
  std::vector<std::string> opened;
  HWND form = nullptr;
  DialogScript script(
      [&](HWND dialog) {
        form = dialog;
        const std::vector<HWND> glyphs = GlyphButtons(dialog);
        REQUIRE_EQ(glyphs.size(), 4u);  // Kn1, SpeedVariable, SpeedButton2 (colour), SpeedButton1
        Press(glyphs[2]);
      },
      [&](HWND colour) {
        auto item = [colour](int id) {
          char text[16] = {};
          GetDlgItemTextA(colour, id, text, sizeof text);
          return std::string(text);
        };
        opened.push_back(item(COLOR_RED) + "," + item(COLOR_GREEN) + "," + item(COLOR_BLUE));
        CHECK(GetWindow(colour, GW_OWNER) == form);
        if (opened.size() == 1) {
          SetDlgItemTextA(colour, COLOR_RED, "0");
          SetDlgItemTextA(colour, COLOR_GREEN, "0");
          SetDlgItemTextA(colour, COLOR_BLUE, "255");
          PostMessageA(colour, WM_COMMAND, IDOK, 0);
          Press(GlyphButtons(form)[2]);  // the same button again, once this dialog is gone
        } else {
          PostMessageA(colour, WM_COMMAND, IDCANCEL, 0);
          Press(ButtonNamed(form, "OK"));
        }
      });
  CHECK(session.Edit(5, slots));
  REQUIRE_EQ(opened.size(), 2u);
  CHECK_EQ(opened[0], "0,0,0");
  CHECK_EQ(opened[1], "0,0,255");
  CHECK_EQ(slots.Text(1), "0,0,255");
}

TEST_CASE(TabRunsFromTheTopOfTheDialogToItsButtons) {
  Session session;
  Slots slots({"R", "1,2,3", "4,5,6", "Vertical"});
  std::vector<std::string> order;
  DialogScript script([&](HWND dialog) {
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    HWND item = first;
    do {
      order.push_back(ClassName(item) + ":" + WindowText(item));
      item = GetNextDlgTabItem(dialog, item, FALSE);
    } while (item != nullptr && item != first && order.size() < 20);
    CHECK(GetFocus() == first);
    Press(ButtonNamed(dialog, "Cancel"));
  });
  CHECK(!session.Edit(7, slots));
  const std::vector<std::string> expected = {"Edit:R", "Edit:1,2,3", "Edit:4,5,6", "ComboBox:Vertical", "Button:OK",
                                             "Button:Cancel"};
  REQUIRE_EQ(order.size(), expected.size());
  for (std::size_t i = 0; i < order.size(); ++i) CHECK_EQ(order[i], expected[i]);
}

TEST_CASE(HoldingTheMouseOnNeoSwapsTheRotatedWords) {
  Session session;
  Slots slots({"R", "1,2,3"});
  DialogScript script([&](HWND dialog) {
    HWND strip = GetWindow(dialog, GW_CHILD);  // pnl7, the first control
    while (strip != nullptr && !(ClassName(strip) == kFormClass && IsWindowVisible(strip))) {
      strip = GetWindow(strip, GW_HWNDNEXT);
    }
    REQUIRE(strip != nullptr);
    SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 100));  // on "NEO"
    CHECK(GetCapture() == strip);
    MaybeScreenshot(dialog, "action5-pressed");
    SendMessageA(strip, WM_LBUTTONUP, 0, MAKELPARAM(35, 100));
    CHECK(GetCapture() == nullptr);
    Press(ButtonNamed(dialog, "Cancel"));
  });
  CHECK(!session.Edit(5, slots));
  CHECK(script.Ran());
}

TEST_CASE(EnterOnTheFocusedCancelButtonCancels) {
  Session session;
  Slots slots({"R", "1900"});
  DialogScript script([](HWND dialog) {
    Type(Visible(dialog, "Edit")[1], "2024");
    SetFocus(ButtonNamed(dialog, "Cancel"));
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  });
  CHECK(!session.Edit(12, slots));
  CHECK_EQ(slots.Text(1), "1900");
}

TEST_CASE(FontButtonWritesTheFontConfirmedInTheSystemDialog) {
  Session session;
  Slots slots({"R", "old font"});
  HWND form = nullptr;
  DialogScript script(
      [&](HWND dialog) {
        form = dialog;
        MaybeScreenshot(dialog, "action3-TFormFree");
        const std::vector<HWND> glyphs = GlyphButtons(dialog);
        REQUIRE_EQ(glyphs.size(), 4u);  // Kn1, SpeedVariable, SpeedButton17 (font), SpeedButton22
        Press(glyphs[2]);
      },
      [&](HWND font) {
        CHECK(GetWindow(font, GW_OWNER) == form);
        PostMessageA(font, WM_COMMAND, IDOK, 0);  // confirmed untouched
        Press(ButtonNamed(form, "OK"));
      });
  CHECK(session.Edit(3, slots));
  const std::string spec = slots.Text(1);
  CHECK(spec.find("|clWindowText|") != std::string::npos);
  CHECK(spec.size() > 2 && spec.substr(spec.size() - 2) == "|1");
}

TEST_CASE(AQuitRequestEndsTheDialogAsCancelAndStaysForTheHost) {
  Session session;
  Slots slots({"R", "Sub"});
  DialogScript script([](HWND dialog) {
    Type(Visible(dialog, "Edit")[1], "typed");
    PostQuitMessage(7);
  });
  CHECK(!session.Edit(16, slots));
  CHECK_EQ(slots.Text(1), "Sub");
  CHECK(!IsWindow(script.Dialog()));
  MSG message;
  REQUIRE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  CHECK_EQ(message.wParam, 7u);
}

int main(int argc, char** argv) { return RunAll(argc, argv); }
