#include "plugin/ModuleInstance_win.h"

#include <string>
#include <vector>

namespace orbidate {
namespace {

std::vector<std::string>& RegisteredClasses() {
  static std::vector<std::string> classes;
  return classes;
}

}  // namespace

HINSTANCE ModuleInstance() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ModuleInstance), &module);
  return module;
}

bool EnsureWindowClass(WNDCLASSEXA windowClass) {
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = ModuleInstance();
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
    if (existing.lpfnWndProc == windowClass.lpfnWndProc) return true;
    UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
  }
  if (RegisterClassExA(&windowClass) == 0) return false;
  RegisteredClasses().emplace_back(windowClass.lpszClassName);
  return true;
}

void UnregisterWindowClasses() {
  for (const std::string& name : RegisteredClasses()) UnregisterClassA(name.c_str(), ModuleInstance());
  RegisteredClasses().clear();
}

}  // namespace orbidate
