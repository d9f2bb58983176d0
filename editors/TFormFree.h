// The parameter dialog of actions 3 to 20: four field groups of text rows
// (with colour, font and variable buttons) and drop-down lists.
#pragma once

#include "editors/EditorDialog.h"

namespace orbidate {

class TFormFree final : public TEditorDialog {
 public:
  TFormFree();
  ~TFormFree() override;

  void SpeedButton19Click() { ColorButton("LEdit15"); }
  void SpeedButton2Click() { ColorButton("LEdit17"); }
  void SpeedButton4Click() { ColorButton("LEdit2"); }
  void SpeedButton8Click() { ColorButton("LEdit3"); }
  void SpeedButton23Click() { HostNameButton("LEdit15", kVariableRequest); }
  void SpeedButton1Click() { HostNameButton("LEdit17", kVariableRequest); }
  void SpeedButton22Click() { HostNameButton("LEdit16", kVariableRequest); }
  void SpeedButton3Click() { HostNameButton("LEdit2", kVariableRequest); }
  void SpeedButton7Click() { HostNameButton("LEdit3", kVariableRequest); }
  void SpeedButton17Click() { FontButton("LEdit16"); }

 private:
  static constexpr std::int32_t kVariableRequest = 14;
};

// The instance an editor is showing, null otherwise.
extern TFormFree* FormFree;

}  // namespace orbidate
