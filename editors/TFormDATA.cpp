#include "editors/TFormDATA.h"

#include "editors/DialogFrame.h"

namespace orbidate {
namespace {

using forms::ControlDesc;
using forms::Kind;

constexpr FrameGeometry kGeometry{.rectangleEditWidth = 340, .bottomAreaTop = 296, .cancelTop = 102,
                                  .leftStripHeight = 412, .visualTop = 243, .neoTop = 150};

constexpr ControlDesc NameGrid(std::string_view name, std::string_view parent, std::int16_t top,
                               std::int16_t height, std::int32_t rows) {
  return {.kind = Kind::StringGrid, .name = name, .parent = parent, .left = 5, .top = top, .width = 419,
          .height = height, .font = kFieldFont, .color = kClWhite, .color2 = kGridFixedBlue, .extra = rows};
}

// Each grid comes after its caption row, so that it lies over the row's
// lower part.
constexpr std::array<ControlDesc, 11> kGroups = {{
    Group("Panel3", 241),
    Row("Panel33", "Panel3", 0),
    FieldLabel("Label1", "Panel33"),
    FieldList("ComboBox1", "Panel33", 220),
    Row("Panel4", "Panel3", 48),
    FieldLabel("Label2", "Panel4"),
    NameGrid("StringGrid1", "Panel3", 69, 165, 7),

    Group("Panel2", 241),
    Row("Panel24", "Panel2", 0),
    FieldLabel("Label8", "Panel24"),
    NameGrid("StringGrid2", "Panel2", 21, 211, 12),
}};

constexpr auto kControls = forms::JoinControls(FrameTop(kGeometry), kGroups, FrameBottom(kGeometry));

constexpr forms::FormDesc kDesc{.className = "TFormDATA", .caption = "Action Properties", .clientWidth = 524,
                                .clientHeight = 428, .font = kDialogFont, .color = kClBtnFace,
                                .icon = forms::Picture::SmallIcon, .controls = kControls};

}  // namespace

TFormDATA* FormDATA = nullptr;

TFormDATA::TFormDATA() : TEditorDialog(kDesc) {}

TFormDATA::~TFormDATA() {
  if (FormDATA == this) FormDATA = nullptr;
}

}  // namespace orbidate
