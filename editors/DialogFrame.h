// The frame both parameter dialogs share: the decorative strip on the left
// and the rectangle-name row above the field groups, the command name,
// description and buttons below them.
#pragma once

#include <array>
#include <cstdint>

#include "forms/FormDescription.h"

namespace orbidate {

// Where the frame differs between the two classes.
struct FrameGeometry {
  std::int16_t rectangleEditWidth;
  std::int16_t bottomAreaTop;
  std::int16_t cancelTop;
  std::int16_t leftStripHeight;
  std::int16_t visualTop;
  std::int16_t neoTop;
};

inline constexpr ColorValue kDialogTeal{7754515};      // red 19, green 83, blue 118
inline constexpr ColorValue kInfoYellow{14811135};     // red 255, green 255, blue 225
inline constexpr ColorValue kGridFixedBlue{16378589};  // red 221, green 234, blue 249
inline constexpr forms::FontDesc kFieldFont{"Arial", 13, 0, kClBlack};

// The labels, edits and lists of the field rows.
constexpr forms::ControlDesc FieldLabel(std::string_view name, std::string_view parent) {
  return {.kind = forms::Kind::Label, .name = name, .parent = parent, .left = 5, .top = 2, .width = 320,
          .height = 16, .font = kFieldFont};
}
constexpr forms::ControlDesc FieldEdit(std::string_view name, std::string_view parent, std::int16_t width = 325) {
  return {.kind = forms::Kind::LabeledEdit, .name = name, .parent = parent, .left = 5, .top = 20, .width = width,
          .height = 23, .font = kFieldFont, .color = kClWhite};
}
constexpr forms::ControlDesc FieldList(std::string_view name, std::string_view parent, std::int16_t width = 168) {
  return {.kind = forms::Kind::ComboBox, .name = name, .parent = parent, .left = 5, .top = 20, .width = width,
          .height = 24, .font = kFieldFont, .color = kClWhite};
}
constexpr forms::ControlDesc RowButton(std::string_view name, std::string_view parent, std::int16_t left,
                                       forms::Glyph glyph) {
  return {.kind = forms::Kind::GlyphButton, .name = name, .parent = parent, .left = left, .top = 20, .width = 26,
          .height = 24, .extra = static_cast<std::int32_t>(glyph)};
}
inline constexpr std::int16_t kLeftButton = 367;
inline constexpr std::int16_t kRightButton = 399;

constexpr forms::ControlDesc Row(std::string_view name, std::string_view parent, std::int16_t top) {
  return {.kind = forms::Kind::Panel, .name = name, .parent = parent, .left = 0, .top = top, .width = 430,
          .height = 46, .flags = forms::kRowPanel};
}
constexpr forms::ControlDesc Group(std::string_view name, std::int16_t height) {
  return {.kind = forms::Kind::Panel, .name = name, .left = 91, .top = 56, .width = 430, .height = height,
          .visible = false};
}

constexpr std::array<forms::ControlDesc, 7> FrameTop(const FrameGeometry& g) {
  using forms::Kind;
  return {{
      {.kind = Kind::Panel, .name = "pnl7", .left = 8, .top = 8, .width = 80, .height = g.leftStripHeight,
       .color = kDialogTeal, .flags = forms::kFramedFill},
      {.kind = Kind::RotatedLabel, .name = "PDJRotoLabel2", .parent = "pnl7", .left = 15, .top = g.neoTop,
       .width = 56, .height = 90, .caption = "NEO", .font = {"Broadway", 47, 0, kClWhite}, .extra = 90},
      {.kind = Kind::RotatedLabel, .name = "PDJRotoLabel1", .parent = "pnl7", .left = 18, .top = g.visualTop,
       .width = 56, .height = 150, .caption = "Visual", .font = {"Britannic Bold", 47, 0, kClWhite}, .extra = 90},
      {.kind = Kind::Panel, .name = "Panel1", .left = 91, .top = 8, .width = 430, .height = 46,
       .flags = forms::kRowPanel},
      FieldEdit("LEdit1", "Panel1", g.rectangleEditWidth),
      RowButton("Kn1", "Panel1", kLeftButton, forms::Glyph::Object),
      RowButton("SpeedVariable", "Panel1", kRightButton, forms::Glyph::Variable),
  }};
}

constexpr std::array<forms::ControlDesc, 10> FrameBottom(const FrameGeometry& g) {
  using forms::Kind;
  return {{
      {.kind = Kind::Panel, .name = "pnl1", .left = 91, .top = g.bottomAreaTop, .width = 430, .height = 134},
      {.kind = Kind::ColorStrip, .name = "GradientLabel", .parent = "pnl1", .left = 3, .top = 0, .width = 145,
       .height = 25, .color = kDialogTeal},
      {.kind = Kind::Label, .name = "LabelCommand", .parent = "pnl1", .left = 9, .top = 3, .width = 415,
       .height = 18, .font = {"Arial", 15, 0, kClWhite}},
      {.kind = Kind::Line, .name = "ShapeInfo", .parent = "pnl1", .left = 3, .top = 24, .width = 425, .height = 70,
       .color = kInfoYellow},
      {.kind = Kind::Label, .name = "LabelInfo", .parent = "pnl1", .left = 9, .top = 26, .width = 415,
       .height = 64, .font = {"Arial", 13, 0, kDialogTeal}, .flags = forms::kWordWrap},
      {.kind = Kind::Image, .name = "Image1", .parent = "pnl1", .left = 10, .top = 98, .width = 39, .height = 33,
       .extra = static_cast<std::int32_t>(forms::Picture::SmallIcon)},
      {.kind = Kind::Label, .name = "Label5", .parent = "pnl1", .left = 76, .top = 92, .width = 120, .height = 26,
       .caption = "Orbidate ", .font = {"Segoe Print", 15, 3, kClRed}},
      {.kind = Kind::Label, .name = "lbl1", .parent = "pnl1", .left = 84, .top = 117, .width = 180, .height = 12,
       .caption = "The Orbidate developers", .font = {"Comic Sans MS", 9, 0, kClBlack}},
      {.kind = Kind::Button, .name = "ButtonOK50", .parent = "pnl1", .left = 272, .top = 103, .width = 75,
       .height = 25, .caption = "OK", .flags = forms::kDefaultButton, .extra = forms::kResultOk},
      {.kind = Kind::Button, .name = "ButtonCancel50", .parent = "pnl1", .left = 353, .top = g.cancelTop,
       .width = 75, .height = 25, .caption = "Cancel", .extra = forms::kResultCancel},
  }};
}

inline constexpr forms::FontDesc kDialogFont{"MS Sans Serif", 11, 0, kClBlack};

}  // namespace orbidate
