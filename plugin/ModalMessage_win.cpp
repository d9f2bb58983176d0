#include <windows.h>

#include <string>

#include "plugin/ModalMessage.h"

namespace orbidate {

void ShowModalMessage(std::string_view text) {
  const std::string message(text);
  MessageBoxA(GetActiveWindow(), message.c_str(), "Orbidate", MB_OK | MB_TASKMODAL);
}

}  // namespace orbidate
