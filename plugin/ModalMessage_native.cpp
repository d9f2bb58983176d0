// Native builds record the messages instead of showing them.
#include <string>
#include <vector>

#include "plugin/ModalMessage.h"
#include "plugin/NativeRecorders.h"

namespace orbidate {

std::vector<std::string>& ShownMessages() {
  static std::vector<std::string> messages;
  return messages;
}

void ShowModalMessage(std::string_view text) { ShownMessages().emplace_back(text); }

}  // namespace orbidate
