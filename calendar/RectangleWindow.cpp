#include "calendar/RectangleWindow.h"

#include "plugin/HostStringSlot.h"
#include "plugin/IntegerText.h"

namespace orbidate {

std::optional<std::uintptr_t> AskRectangleWindow(Host& host, std::string_view rectangleName) {
  OwnedHostSlot slot(rectangleName);
  if (!host.InterfaceAccess(kRequestRectangleWindow, slot.Address())) return std::nullopt;
  const auto handle = ParseIntegerText(slot.Text());
  if (!handle) return std::nullopt;
  // Window handles are 32-bit values, sign-extended in a 64-bit process.
  return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(*handle));
}

}  // namespace orbidate
