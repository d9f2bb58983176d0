#include <windows.h>

#include <string>

#include "plugin/Localization.h"

namespace orbidate {

std::string LocalizationFilePath() {
  // The main module's file name, cut after its last path separator; the
  // plug-in's own folder plays no part.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return kLocalizationFileName;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return kLocalizationFileName;
    path.resize(path.size() * 2);
  }
  const std::size_t cut = path.find_last_of("\\/");
  path.resize(cut == std::string::npos ? 0 : cut + 1);
  return path + kLocalizationFileName;
}

}  // namespace orbidate
