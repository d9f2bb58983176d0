#include "editors/TFormFree.h"

#include "editors/DialogFrame.h"

namespace orbidate {
namespace {

using forms::ControlDesc;
using forms::Glyph;
using forms::Kind;

constexpr FrameGeometry kGeometry{.rectangleEditWidth = 325, .bottomAreaTop = 199, .cancelTop = 103,
                                  .leftStripHeight = 320, .visualTop = 155, .neoTop = 62};

constexpr std::array<ControlDesc, 37> kGroups = {{
    Group("Panel5", 142),
    Row("Panel21", "Panel5", 0),
    FieldEdit("LEdit15", "Panel21"),
    RowButton("SpeedButton19", "Panel21", kLeftButton, Glyph::Color),
    RowButton("SpeedButton23", "Panel21", kRightButton, Glyph::Variable),
    Row("Panel2", "Panel5", 48),
    FieldEdit("LEdit17", "Panel2"),
    RowButton("SpeedButton2", "Panel2", kLeftButton, Glyph::Color),
    RowButton("SpeedButton1", "Panel2", kRightButton, Glyph::Variable),
    Row("Panel19", "Panel5", 96),
    FieldEdit("LEdit16", "Panel19"),
    RowButton("SpeedButton17", "Panel19", kLeftButton, Glyph::Font),
    RowButton("SpeedButton22", "Panel19", kRightButton, Glyph::Variable),

    Group("Panel3", 142),
    Row("Panel4", "Panel3", 0),
    FieldEdit("LEdit2", "Panel4"),
    RowButton("SpeedButton4", "Panel4", kLeftButton, Glyph::Color),
    RowButton("SpeedButton3", "Panel4", kRightButton, Glyph::Variable),
    Row("Panel7", "Panel3", 48),
    FieldEdit("LEdit3", "Panel7"),
    RowButton("SpeedButton8", "Panel7", kLeftButton, Glyph::Color),
    RowButton("SpeedButton7", "Panel7", kRightButton, Glyph::Variable),
    Row("Panel6", "Panel3", 96),
    FieldLabel("Label7", "Panel6"),
    FieldList("ComboBox1", "Panel6"),

    Group("Panel8", 142),
    Row("Panel10", "Panel8", 48),
    FieldLabel("Label1", "Panel10"),
    FieldList("ComboBox2", "Panel10"),

    Group("Panel9", 142),
    Row("Panel11", "Panel9", 16),
    FieldLabel("Label2", "Panel11"),
    FieldList("ComboBox3", "Panel11"),
    Row("Panel12", "Panel9", 80),
    FieldLabel("Label3", "Panel12"),
    FieldList("ComboBox4", "Panel12"),

    // Receives a copy of the font chosen with FontDialog1; never shown.
    {.kind = Kind::Label, .name = "LabelFont", .left = 0, .top = 0, .width = 0, .height = 0, .visible = false},
}};

static_assert(kGroups.back().name == "LabelFont", "the table's size counts every control");

constexpr auto kControls = forms::JoinControls(FrameTop(kGeometry), kGroups, FrameBottom(kGeometry));

constexpr forms::FormDesc kDesc{.className = "TFormFree", .caption = "Action Properties", .clientWidth = 524,
                                .clientHeight = 334, .font = kDialogFont, .color = kClBtnFace,
                                .icon = forms::Picture::SmallIcon, .controls = kControls};

}  // namespace

TFormFree* FormFree = nullptr;

TFormFree::TFormFree() : TEditorDialog(kDesc) {
  static constexpr forms::HandlerEntry<TFormFree> kHandlers[] = {
      {"SpeedButton19", forms::FormEvent::Click, &TFormFree::SpeedButton19Click},
      {"SpeedButton2", forms::FormEvent::Click, &TFormFree::SpeedButton2Click},
      {"SpeedButton4", forms::FormEvent::Click, &TFormFree::SpeedButton4Click},
      {"SpeedButton8", forms::FormEvent::Click, &TFormFree::SpeedButton8Click},
      {"SpeedButton23", forms::FormEvent::Click, &TFormFree::SpeedButton23Click},
      {"SpeedButton1", forms::FormEvent::Click, &TFormFree::SpeedButton1Click},
      {"SpeedButton22", forms::FormEvent::Click, &TFormFree::SpeedButton22Click},
      {"SpeedButton3", forms::FormEvent::Click, &TFormFree::SpeedButton3Click},
      {"SpeedButton7", forms::FormEvent::Click, &TFormFree::SpeedButton7Click},
      {"SpeedButton17", forms::FormEvent::Click, &TFormFree::SpeedButton17Click},
  };
  WireAll(this, kHandlers);
}

TFormFree::~TFormFree() {
  if (FormFree == this) FormFree = nullptr;
}

}  // namespace orbidate
