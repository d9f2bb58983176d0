// Runs a host script against the loaded plug-in: the host's side of every
// callback (variables, GoSub, the rectangles' windows, the name choosers),
// the rectangles on the host window, simulated mouse input and screenshots.
// Every host call is printed, so a run leaves a transcript.
#pragma once

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "host/PluginModule_win.h"
#include "host/Script.h"

namespace orbidate::host {

struct RunOptions {
  bool headless = false;  // no log panel, no waiting, dialogs answered at once
  std::string outputFolder;
};

class ScriptRunner {
 public:
  ScriptRunner(PluginModule& plugin, const RunOptions& options);
  ~ScriptRunner();

  // Runs the script's main lines; false when a line failed (reported).
  bool Run(const Script& script);

  // The host callbacks land here.
  void SetVar(const std::string& name, const std::string& value);
  void RunScript(const std::string& command);
  bool InterfaceAccess(std::int32_t code, HostSlot* slot);

  HWND Window() const { return window_; }
  const std::vector<ActionInfo>& Catalogue() const { return catalogue_; }

 private:
  bool Execute(const Statement& statement);
  bool RunFrom(std::size_t index, bool subroutine);
  bool Fail(const Statement& statement, const std::string& message);
  void Log(const std::string& text);
  HWND Rectangle(const std::string& name) const;
  HWND CalendarIn(const std::string& rectangle) const;
  POINT PointIn(HWND calendar, double fx, double fy) const;
  void Pump();
  bool Screenshot(const std::string& file);
  bool CaptureWindow(HWND window, const std::string& file);
  bool Capture(const std::string& file, POINT origin, int width, int height);
  std::vector<std::string> ActionParams(const Statement& statement, const ActionInfo& action) const;
  std::string Choose(const char* what, const std::vector<std::string>& items, const std::string& current);

  PluginModule& plugin_;
  RunOptions options_;
  const Script* script_ = nullptr;
  std::vector<ActionInfo> catalogue_;
  std::map<std::string, std::string> variables_;
  std::map<std::string, HWND> rectangles_;
  HWND window_ = nullptr;
  HWND log_ = nullptr;
  int depth_ = 0;
  bool failed_ = false;
};

}  // namespace orbidate::host
