#include "host/PluginModule_win.h"

#include <cstring>

namespace orbidate::host {
namespace {

std::vector<ActionInfo>* gCatalogue = nullptr;
std::string gGroup;

ORBIDATE_HOSTCALL void AddAction(std::int32_t id, const char* name, const char* hint, std::int32_t,
                                 std::int32_t lastKindIndex, const std::uint8_t* kinds) {
  if (id == 0) {
    gGroup = name;
    return;
  }
  ActionInfo info{id, name, hint, {}, gGroup};
  for (std::int32_t i = 0; i <= lastKindIndex; ++i) info.kinds.push_back(kinds[i]);
  gCatalogue->push_back(std::move(info));
}

template <class Fn>
bool Find(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return fn != nullptr;
}

// The parameters as the host passes them: one slot per parameter.
struct SlotArray {
  explicit SlotArray(const std::vector<std::string>& texts) : slots(texts.size() + 1, nullptr) {
    for (std::size_t i = 0; i < texts.size(); ++i) AssignSlot(&slots[i], texts[i]);
  }
  ~SlotArray() {
    for (HostSlot& slot : slots) ReleaseSlot(&slot);
  }
  void CopyBack(std::vector<std::string>& texts) const {
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = slots[i] == nullptr ? "" : slots[i];
  }
  std::vector<HostSlot> slots;
};

}  // namespace

void AssignSlot(HostSlot* slot, const std::string& text) {
  if (*slot != nullptr) GlobalFree(*slot);
  *slot = static_cast<char*>(GlobalAlloc(0, text.size() + 1));
  if (*slot != nullptr) std::memcpy(*slot, text.c_str(), text.size() + 1);
}

void ReleaseSlot(HostSlot* slot) {
  if (*slot != nullptr) GlobalFree(*slot);
  *slot = nullptr;
}

bool PluginModule::Load(const std::string& path, std::string& error) {
  module_ = LoadLibraryA(path.c_str());
  if (module_ == nullptr) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  if (!(Find(module_, "nbInitPlugIn", init_) && Find(module_, "nbRegisterPlugIn", register_) &&
        Find(module_, "nbRegisterScriptProcessor", registerScript_) &&
        Find(module_, "nbRegisterInterfaceAccess", registerAccess_) && Find(module_, "nbEditAction", edit_) &&
        Find(module_, "nbExecAction", exec_) && Find(module_, "nbMessage", message_) &&
        Find(module_, "nbAbout", about_))) {
    error = path + " lacks one of the eight entry points";
    return false;
  }
  return true;
}

PluginModule::~PluginModule() {
  if (module_ != nullptr) FreeLibrary(module_);
}

PluginModule::Identity PluginModule::Init() {
  HostSlot title = nullptr, publisher = nullptr, hint = nullptr;
  init_(0, &title, &publisher, &hint);
  Identity identity{title ? title : "", publisher ? publisher : "", hint ? hint : ""};
  ReleaseSlot(&title);
  ReleaseSlot(&publisher);
  ReleaseSlot(&hint);
  return identity;
}

std::vector<ActionInfo> PluginModule::Register(HostSetVarFn setVar, HostRunScriptFn runScript,
                                               HostInterfaceAccessFn interfaceAccess) {
  std::vector<ActionInfo> catalogue;
  gCatalogue = &catalogue;
  gGroup.clear();
  register_(AddAction, 0, 0, setVar);
  gCatalogue = nullptr;
  registerScript_(runScript);
  registerAccess_(interfaceAccess);
  return catalogue;
}

bool PluginModule::Execute(std::int32_t id, std::vector<std::string>& params) {
  SlotArray slots(params);
  return (exec_(id, slots.slots.data()) & 0xFF) != 0;
}

bool PluginModule::Edit(std::int32_t id, std::vector<std::string>& params) {
  SlotArray slots(params);
  const bool accepted = (edit_(id, slots.slots.data()) & 0xFF) != 0;
  slots.CopyBack(params);
  return accepted;
}

void PluginModule::Message(std::int32_t code) { message_(code); }
void PluginModule::About() { about_(); }

}  // namespace orbidate::host
