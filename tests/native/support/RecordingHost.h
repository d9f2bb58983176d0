// Host callbacks that record what the plug-in hands them. The callbacks are
// plain functions (the host's calling convention leaves no room for a
// context), so the recording lives in one object per test run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/EntryPoints.h"

namespace orbidate::testing {

struct AddActionCall {
  std::int32_t id;
  std::string name;
  std::string hint;
  std::vector<std::uint8_t> kinds;
  std::int32_t lastKindIndex;
  std::int32_t count;
};

struct RecordingHost {
  std::vector<AddActionCall> addActions;
  std::vector<std::pair<std::string, std::string>> setVars;
  std::vector<std::string> scripts;
  std::vector<std::pair<std::int32_t, std::string>> accessRequests;
  // What HostInterfaceAccess writes into the slot, and its answer.
  std::string accessAnswer;
  bool accessResult = true;

  static RecordingHost& Current();
  void Reset() { *this = RecordingHost(); }
  // Hands all four callbacks to the plug-in.
  void Register();
};

}  // namespace orbidate::testing
