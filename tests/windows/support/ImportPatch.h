// Replaces one entry of a loaded module's import address table, so a test can
// see every call the plug-in makes to a system function (GlobalAlloc,
// GlobalFree, the GDI create and delete functions) without touching the
// plug-in. The original entry is put back when the patch ends.
#pragma once

#include <windows.h>

namespace orbidate::wintest {

class ImportPatch {
 public:
  ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement);
  ~ImportPatch();
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;

  bool Active() const { return slot_ != nullptr; }
  void* Original() const { return original_; }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace orbidate::wintest
