// The colour and font picker actions through the loaded plug-in: the real
// standard dialogs open on their starting values, are filled in and
// confirmed (or cancelled) by the test, and the choice reaches HostSetVar.
#include <windows.h>

#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/DialogWatcher.h"
#include "support/ImportPatch.h"
#include "support/LoadedPlugin.h"
#include "support/TestHarness.h"
#include "support/TestHost.h"

using namespace orbidate;
using namespace orbidate::wintest;

namespace {

// The watcher sees a dialog while it is being activated; the test's work on
// it runs a moment later from the dialog's own modal loop, through a thread
// timer.
std::function<void()> gLater;

void CALLBACK RunLater(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto work = std::move(gLater);
  gLater = nullptr;
  if (work) work();
}

void Later(std::function<void()> work) {
  gLater = std::move(work);
  SetTimer(nullptr, 0, 20, RunLater);
}

bool IsColorDialog(HWND dialog) { return GetDlgItem(dialog, COLOR_RED) != nullptr; }
bool IsFontDialog(HWND dialog) { return GetDlgItem(dialog, cmb1) != nullptr && GetDlgItem(dialog, cmb3) != nullptr; }

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

std::string SelectedText(HWND combo) {
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return "";
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

LRESULT SelectedData(HWND combo) {
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? CB_ERR : SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

// Selects an item as the user would, with the notification the dialog reads.
void Select(HWND dialog, int id, LRESULT index) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

LRESULT FindItem(HWND dialog, int id, const char* text) {
  return SendDlgItemMessageA(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

LRESULT FindData(HWND dialog, int id, LRESULT data) {
  const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == data) return i;
  }
  return CB_ERR;
}

void Press(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos <= text.size(); ++pos) {
    if (pos == text.size() || text[pos] == '|') {
      pieces.push_back(text.substr(start, pos - start));
      start = pos + 1;
    }
  }
  return pieces;
}

bool IsByteNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value <= 255;
}

// What the plug-in handed ChooseColorA and ChooseFontA, as it was at the
// call: the starting values independent of the fonts Wine happens to have.
std::vector<CHOOSECOLORA> gColorCalls;
std::vector<std::pair<CHOOSEFONTA, LOGFONTA>> gFontCalls;
ImportPatch* gColorPatch = nullptr;
ImportPatch* gFontPatch = nullptr;

BOOL WINAPI RecordingChooseColor(CHOOSECOLORA* choose) {
  gColorCalls.push_back(*choose);
  return reinterpret_cast<decltype(&ChooseColorA)>(gColorPatch->Original())(choose);
}

BOOL WINAPI RecordingChooseFont(CHOOSEFONTA* choose) {
  gFontCalls.emplace_back(*choose, *choose->lpLogFont);
  return reinterpret_cast<decltype(&ChooseFontA)>(gFontPatch->Original())(choose);
}

// The dialog the current call has already been handed to: it may be
// activated more than once.
HWND gHandled = nullptr;

bool FirstSight(HWND dialog) {
  if (dialog == gHandled) return false;
  gHandled = dialog;
  return true;
}

// One plug-in, one host, a slot naming the variable, and an active window of
// the test's own that should own the dialogs.
struct PickerRun {
  LoadedPlugin plugin;
  TestHost host;
  HostSlot slot = nullptr;
  HWND owner = nullptr;
  ImportPatch colorPatch;
  ImportPatch fontPatch;

  PickerRun()
      : colorPatch(plugin.Module(), "comdlg32.dll", "ChooseColorA", reinterpret_cast<void*>(&RecordingChooseColor)),
        fontPatch(plugin.Module(), "comdlg32.dll", "ChooseFontA", reinterpret_cast<void*>(&RecordingChooseFont)) {
    gColorPatch = &colorPatch;
    gFontPatch = &fontPatch;
    gColorCalls.clear();
    gFontCalls.clear();
    if (plugin.Loaded()) host.RegisterWith(plugin.Entry());
    HostAssign(&slot, "Choice");
    owner = CreateWindowExA(0, "STATIC", "Picker test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(owner);
    SetActiveWindow(owner);
  }
  ~PickerRun() {
    HostRelease(&slot);
    DestroyWindow(owner);
    gColorPatch = gFontPatch = nullptr;
  }
  bool Ready() const { return plugin.Loaded() && colorPatch.Active() && fontPatch.Active() && GetActiveWindow() == owner; }
  bool Exec(std::int32_t id) {
    gHandled = nullptr;
    const bool result = (plugin.Entry().execAction(id, &slot) & 0xFF) != 0;
    gHandled = nullptr;
    return result;
  }
  std::vector<HostCall> SetVars() const {
    std::vector<HostCall> found;
    for (const HostCall& call : host.calls) {
      if (call.kind == "SetVar") found.push_back(call);
    }
    return found;
  }
};

// What the colour dialog shows in its red, green and blue fields.
std::string ShownRgb(HWND dialog) {
  return ItemText(dialog, COLOR_RED) + "," + ItemText(dialog, COLOR_GREEN) + "," + ItemText(dialog, COLOR_BLUE);
}

}  // namespace
TEST_CASE(ColorBoxWritesTheTypedColourAndStartsFromBlackEveryTime) {
  PickerRun run;
  REQUIRE(run.Ready());
  std::vector<std::string> opened;
  int owned = 0;
  DialogWatcher watcher([&](HWND dialog) {
    if (!IsColorDialog(dialog) || !FirstSight(dialog)) return;
    owned += GetWindow(dialog, GW_OWNER) == run.owner ? 1 : 0;
    Later([&, dialog] {
      opened.push_back(ShownRgb(dialog));
      SetDlgItemTextA(dialog, COLOR_RED, "255");
      SetDlgItemTextA(dialog, COLOR_GREEN, "128");
      SetDlgItemTextA(dialog, COLOR_BLUE, "0");
      Press(dialog, IDOK);
    });
  });
  CHECK(run.Exec(19));
  CHECK(run.Exec(19));
  REQUIRE_EQ(opened.size(), 2u);
  CHECK_EQ(owned, 2);
  // Both calls open on black, the second whatever the first chose.
  CHECK_EQ(opened[0], "0,0,0");
  CHECK_EQ(opened[1], "0,0,0");
  REQUIRE_EQ(gColorCalls.size(), 2u);
  for (const CHOOSECOLORA& call : gColorCalls) {
    CHECK_EQ(call.rgbResult, 0u);
    CHECK_EQ(call.Flags, static_cast<DWORD>(CC_RGBINIT));
    CHECK(call.hwndOwner == run.owner);
  }
  const auto setVars = run.SetVars();
  REQUIRE_EQ(setVars.size(), 2u);
  for (const HostCall& call : setVars) {
    CHECK_EQ(call.first, "Choice");
    CHECK_EQ(call.second, "255,128,0");
  }
}

TEST_CASE(ColorBoxCancelledWritesNothingAndAnswersTrue) {
  PickerRun run;
  REQUIRE(run.Ready());
  int shown = 0;
  DialogWatcher watcher([&](HWND dialog) {
    if (!IsColorDialog(dialog) || !FirstSight(dialog)) return;
    ++shown;
    Later([dialog] {
      SetDlgItemTextA(dialog, COLOR_RED, "12");
      Press(dialog, IDCANCEL);
    });
  });
  CHECK(run.Exec(19));
  CHECK_EQ(shown, 1);
  CHECK(run.SetVars().empty());
}

namespace {

// What the font dialog shows when it opens. Wine lists only the faces it
// finds, so the face (and with it the size shown) may be a substitute; the
// starting font itself is read from what the plug-in handed ChooseFontA.
struct FontOpening {
  std::string face;
  LRESULT color = CB_ERR;
  bool effects = false;
  bool owned = false;
};

FontOpening ReadOpening(HWND dialog, HWND owner) {
  FontOpening opening;
  opening.face = ItemText(dialog, cmb1);
  opening.color = SelectedData(GetDlgItem(dialog, cmb4));
  opening.effects = IsWindowVisible(GetDlgItem(dialog, chx1)) && IsWindowVisible(GetDlgItem(dialog, chx2)) &&
                    IsWindowVisible(GetDlgItem(dialog, cmb4));
  opening.owned = GetWindow(dialog, GW_OWNER) == owner;
  return opening;
}

void CheckStartingFont(const FontOpening& opening) {
  CHECK(!opening.face.empty());
  CHECK_EQ(opening.color, static_cast<LRESULT>(GetSysColor(COLOR_WINDOWTEXT)));
  CHECK(opening.effects);
  CHECK(opening.owned);
}

void CheckStartingFontHanded(const CHOOSEFONTA& choose, const LOGFONTA& font, HWND owner) {
  CHECK_EQ(std::string(font.lfFaceName), "MS Sans Serif");
  CHECK_EQ(font.lfHeight, -11);
  CHECK_EQ(font.lfWeight, static_cast<LONG>(FW_NORMAL));
  CHECK_EQ(font.lfItalic + font.lfUnderline + font.lfStrikeOut, 0);
  CHECK_EQ(static_cast<int>(font.lfCharSet), 1);
  CHECK_EQ(choose.rgbColors, GetSysColor(COLOR_WINDOWTEXT));
  CHECK((choose.Flags & CF_EFFECTS) != 0);
  CHECK((choose.Flags & CF_INITTOLOGFONTSTRUCT) != 0);
  CHECK(choose.hwndOwner == owner);
}

}  // namespace

TEST_CASE(FontBoxWritesTheChosenFontAndStartsFromTheStartingFontEveryTime) {
  PickerRun run;
  REQUIRE(run.Ready());
  std::vector<FontOpening> opened;
  std::string chosenFace;
  DialogWatcher watcher([&](HWND dialog) {
    if (!IsFontDialog(dialog) || !FirstSight(dialog)) return;
    Later([&, dialog] {
      opened.push_back(ReadOpening(dialog, run.owner));
      LRESULT face = CB_ERR;
      for (const char* name : {"Arial", "Liberation Sans", "DejaVu Sans", "Tahoma"}) {
        if (face == CB_ERR) face = FindItem(dialog, cmb1, name);
      }
      Select(dialog, cmb1, face == CB_ERR ? 0 : face);
      chosenFace = SelectedText(GetDlgItem(dialog, cmb1));
      const LRESULT style = FindItem(dialog, cmb2, "Bold Italic");
      CHECK(style != CB_ERR);
      Select(dialog, cmb2, style);
      SetDlgItemTextA(dialog, cmb3, "14");
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_EDITCHANGE),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, cmb3)));
      CheckDlgButton(dialog, chx2, BST_CHECKED);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(chx2, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, chx2)));
      const LRESULT red = FindData(dialog, cmb4, RGB(255, 0, 0));
      CHECK(red != CB_ERR);
      Select(dialog, cmb4, red);
      Press(dialog, IDOK);
    });
  });
  CHECK(run.Exec(20));
  CHECK(run.Exec(20));
  REQUIRE_EQ(opened.size(), 2u);
  for (const FontOpening& opening : opened) CheckStartingFont(opening);
  REQUIRE_EQ(gFontCalls.size(), 2u);
  for (const auto& [choose, font] : gFontCalls) CheckStartingFontHanded(choose, font, run.owner);
  const auto setVars = run.SetVars();
  REQUIRE_EQ(setVars.size(), 2u);
  for (const HostCall& call : setVars) {
    SCOPE("FontSpec", call.second);
    CHECK_EQ(call.first, "Choice");
    const auto pieces = Pieces(call.second);
    REQUIRE_EQ(pieces.size(), 5u);
    CHECK_EQ(pieces[0], chosenFace);
    CHECK_EQ(pieces[1], "clRed");
    CHECK_EQ(pieces[2], "14");
    CHECK_EQ(pieces[3], "fsBold fsItalic fsUnderline ");
    CHECK(IsByteNumber(pieces[4]));
  }
}

TEST_CASE(FontBoxConfirmedUntouchedKeepsWindowTextAndCharacterSetOne) {
  PickerRun run;
  REQUIRE(run.Ready());
  std::string shownFace;
  std::string shownSize;
  DialogWatcher watcher([&](HWND dialog) {
    if (!IsFontDialog(dialog) || !FirstSight(dialog)) return;
    Later([&, dialog] {
      shownFace = ItemText(dialog, cmb1);
      shownSize = ItemText(dialog, cmb3);
      Press(dialog, IDOK);
    });
  });
  CHECK(run.Exec(20));
  const auto setVars = run.SetVars();
  REQUIRE_EQ(setVars.size(), 1u);
  SCOPE("FontSpec", setVars[0].second);
  const auto pieces = Pieces(setVars[0].second);
  REQUIRE_EQ(pieces.size(), 5u);
  // Face and size are those shown, the starting ones where Wine has the face.
  CHECK_EQ(pieces[0], shownFace);
  CHECK_EQ(pieces[2], shownSize);
  if (shownFace == "MS Sans Serif") CHECK_EQ(pieces[2], "8");
  CHECK_EQ(pieces[1], "clWindowText");
  CHECK_EQ(pieces[3], "");
  CHECK_EQ(pieces[4], "1");
}

TEST_CASE(FontBoxReportsAScriptTheUserPicked) {
  PickerRun run;
  REQUIRE(run.Ready());
  LRESULT picked = CB_ERR;
  DialogWatcher watcher([&](HWND dialog) {
    if (!IsFontDialog(dialog) || !FirstSight(dialog)) return;
    Later([&, dialog] {
      const LRESULT shown = SelectedData(GetDlgItem(dialog, cmb5));
      LRESULT index = FindData(dialog, cmb5, RUSSIAN_CHARSET);
      const LRESULT count = SendDlgItemMessageA(dialog, cmb5, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; index == CB_ERR && i < count; ++i) {
        if (SendDlgItemMessageA(dialog, cmb5, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) != shown) index = i;
      }
      if (index != CB_ERR) {
        Select(dialog, cmb5, index);
        picked = SelectedData(GetDlgItem(dialog, cmb5));
      }
      Press(dialog, IDOK);
    });
  });
  CHECK(run.Exec(20));
  REQUIRE(picked != CB_ERR);
  const auto setVars = run.SetVars();
  REQUIRE_EQ(setVars.size(), 1u);
  SCOPE("FontSpec", setVars[0].second);
  const auto pieces = Pieces(setVars[0].second);
  REQUIRE_EQ(pieces.size(), 5u);
  CHECK_EQ(pieces[1], "clWindowText");
  CHECK_EQ(pieces[4], std::to_string(picked & 0xFF));
}

TEST_CASE(FontBoxCancelledWritesNothingAndAnswersTrue) {
  PickerRun run;
  REQUIRE(run.Ready());
  int shown = 0;
  DialogWatcher watcher([&](HWND dialog) {
    if (!IsFontDialog(dialog) || !FirstSight(dialog)) return;
    ++shown;
    Later([dialog] {
      SetDlgItemTextA(dialog, cmb3, "20");
      Press(dialog, IDCANCEL);
    });
  });
  CHECK(run.Exec(20));
  CHECK_EQ(shown, 1);
  CHECK(run.SetVars().empty());
}

int main(int argc, char** argv) { return RunAll(argc, argv); }
