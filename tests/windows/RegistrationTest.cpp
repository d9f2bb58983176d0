// Registration through the real entry point: the 22 HostAddAction calls as the
// host receives them, the localization file beside the host's executable, and
// the warning box about a changed header. This file is compiled as
// Windows-1251, so the Russian literals are the bytes the host receives.
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/DialogWatcher.h"
#include "support/LoadedPlugin.h"
#include "support/TestHarness.h"
#include "support/TestHost.h"

using namespace orbidate;
using namespace orbidate::wintest;

namespace {

struct Expected {
  std::int32_t id;
  const char* name;
  std::vector<std::uint8_t> kinds;
  const char* hint;
};

const std::vector<Expected>& Catalogue() {
  static const std::vector<Expected> catalogue = {
      {0, "Orbidate", {}, ""},
      {1, "OrbidateCreate", {1, 1, 1}, "Создать или удалить Orbidate, обозначить короткими названиями дни недели календаря."},
      {2, "OrbidateNameMounths", {1, 1}, "Назначить короткие названия месяцев календаря."},
      {3, "OrbidateFont", {1, 1}, "Установить шрифт заголовка календаря."},
      {4, "OrbidateDayFont", {1, 1}, "Установить шрифт дней календаря."},
      {5, "OrbiFontSelColor", {1, 1}, "Установить цвет шрифта выбранного периода дат на календаре."},
      {6, "OrbiDateSelColor", {1, 1}, "Установить цвет фона выбранного периода дат на календаре."},
      {7, "OrbiFieldColor", {1, 1, 1, 1}, "Установить градиентный цвет поля календаря."},
      {8, "OrbiHeaderColor", {1, 1, 1, 1}, "Установить градиентный цвет заголовка календаря."},
      {9, "OrbiMultiSelect", {1, 1}, "Установить множественный выбор дат (Default - False)."},
      {10, "OrbidateGetDate", {1, 6, 6}, "Получить в переменную результат выбора (выбор календаря) и выполнить подпрограмму при выборе даты."},
      {11, "OrbidateSetMonth", {1, 1}, "Открыть календарь на указанном месяце."},
      {12, "OrbidateSetYear", {1, 1}, "Открыть календарь на указанном годе."},
      {13, "OrbiWeekEndColor", {1, 1}, "Установить цвет шрифта нерабочих дней."},
      {14, "OrbiStartDay", {1, 3}, "Установить день начала недели на календаре."},
      {15, "OrbiInActiveDay", {1, 1, 1}, "Установить выходные и рабочие дни."},
      {16, "OrbiSubMonthSelect", {1, 6}, "Выполнить подпрограмму при выборе месяца."},
      {17, "OrbiSubYearSelect", {1, 6}, "Выполнить подпрограмму при выборе года."},
      {18, "OrbiSubRightClick", {1, 6}, "Выполнить подпрограмму при правом клике мышкой по календарю."},
      {0, "Dialogs", {}, ""},
      {19, "OrbiColorBox", {6}, "Вызвать окно диалога выбора цвета, выбрать цвет и сохранить его в переменной."},
      {20, "OrbiFontBox", {6}, "Вызвать окно диалога выбора шрифта, выбрать шрифт и сохранить его в переменной."},
  };
  return catalogue;
}

const char* const kHeader[] = {
    "**  DO NOT CHANGE THIS TEXT ! ! !",
    "**  The localization file for the Orbidate plugin.",
    "**  To use a file - put the file with the translation of lines in the root folder of the NeoBook or "
    "VisualNeo program.",
    "**  Plugin author: the Orbidate developers",
    "**  Russia",
    "**  Mail: orbidate@example.org",
};

// Orbidate.loc beside this program (the host's executable), removed again.
class LocalizationFileBesideHost {
 public:
  explicit LocalizationFileBesideHost(const std::string& content) {
    char buffer[MAX_PATH];
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    path_ = buffer;
    path_.resize(path_.find_last_of("\\/") + 1);
    path_ += "Orbidate.loc";
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~LocalizationFileBesideHost() { DeleteFileA(path_.c_str()); }

 private:
  std::string path_;
};

std::string Header() {
  std::string text;
  for (const char* line : kHeader) text += std::string(line) + "\r\n";
  return text;
}

// Registers once and returns the texts of the message boxes shown meanwhile
// (each closed with OK).
std::vector<std::string> Register(const LoadedPlugin& plugin, TestHost& host) {
  std::vector<std::string> boxes;
  DialogWatcher watcher([&](HWND dialog) {
    std::string text;
    for (const std::string& line : StaticTexts(dialog)) text += line;
    boxes.push_back(text);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  host.addActions.clear();
  host.RegisterWith(plugin.Entry());
  return boxes;
}

}  // namespace

TEST_CASE(WithoutAFileTheHostReceivesTheCatalogueWithTheRussianHints) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  TestHost host;
  const auto boxes = Register(plugin, host);
  CHECK(boxes.empty());
  REQUIRE_EQ(host.addActions.size(), Catalogue().size());
  for (std::size_t i = 0; i < Catalogue().size(); ++i) {
    const Expected& want = Catalogue()[i];
    const AddActionCall& got = host.addActions[i];
    SCOPE("action", want.name);
    CHECK_EQ(got.id, want.id);
    CHECK_EQ(got.name, want.name);
    CHECK_EQ(got.hint, want.hint);
    CHECK_EQ(got.count, static_cast<std::int32_t>(want.kinds.size()));
    CHECK_EQ(got.lastKindIndex, static_cast<std::int32_t>(want.kinds.size()) - 1);
    CHECK(got.kinds == want.kinds);
  }
}

TEST_CASE(AFileBesideTheHostChangesOnlyTheHintsItNames) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  LocalizationFileBesideHost file(Header() + "061*Set the caption font.\r\n078*\r\n");
  TestHost host;
  const auto boxes = Register(plugin, host);
  CHECK(boxes.empty());
  REQUIRE_EQ(host.addActions.size(), Catalogue().size());
  for (std::size_t i = 0; i < Catalogue().size(); ++i) {
    SCOPE("action", Catalogue()[i].name);
    const std::string name = Catalogue()[i].name;
    const std::string want = name == "OrbidateFont" ? "Set the caption font." : name == "OrbiFontBox" ? "" : Catalogue()[i].hint;
    CHECK_EQ(host.addActions[i].hint, want);
  }
}

TEST_CASE(AChangedHeaderShowsTheWarningOncePerRegistration) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  std::string header = Header();
  header.replace(header.find("Russia"), 6, "Russia ");
  LocalizationFileBesideHost file(header + "061*translated anyway\r\n");
  TestHost host;
  for (int round = 0; round < 2; ++round) {
    SCOPE("registration", round);
    const auto boxes = Register(plugin, host);
    REQUIRE_EQ(boxes.size(), 1u);
    CHECK_EQ(boxes[0], "The Orbidate.loc file is invalidly modified.");
    REQUIRE_EQ(host.addActions.size(), Catalogue().size());
    CHECK_EQ(host.addActions[3].hint, "translated anyway");
  }
}

int main(int argc, char** argv) { return RunAll(argc, argv); }
