// The parameter dialog of actions 1 and 2: a choice list and the grids in
// which the short names of weekdays and months are edited.
#pragma once

#include "editors/EditorDialog.h"

namespace orbidate {

class TFormDATA final : public TEditorDialog {
 public:
  TFormDATA();
  ~TFormDATA() override;
};

// The instance an editor is showing, null otherwise.
extern TFormDATA* FormDATA;

}  // namespace orbidate
