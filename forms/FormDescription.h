// Form descriptions: what a window class of ours is made of, as data.
//
// A form is a table of named child controls in creation order (which is also
// the paint order and, for the controls that take the keyboard, the Tab
// order). Each control names its parent (empty: the form itself) and its
// place in the parent's client area. Handlers are wired to the controls by
// these names (Form::Wire).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "appearance/ColorValue.h"

namespace orbidate::forms {

enum class Kind : std::uint8_t {
  Panel,          // a group or row: a window that holds other controls
  Label,          // text painted by the parent
  LabeledEdit,    // one-line edit with its caption (the EditLabel) above it
  GlyphButton,    // flat button 26 x 24 with a glyph drawn by us
  ComboBox,       // drop-down list: choice of one item, no typing
  StringGrid,     // two columns: fixed coloured column 0, editable column 1
  Button,         // push button; a non-zero modal result closes the form
  Image,          // a picture drawn by us
  ColorStrip,     // rounded rectangle of one colour
  RotatedLabel,   // text turned by 90 or 270 degrees
  GradientStrip,  // horizontal gradient from color to color2
  Line,           // a filled rectangle of one colour (thin lines)
};

enum class Glyph : std::uint8_t { None, Object, Variable, Color, Font };

enum class Picture : std::uint8_t { None, SmallIcon, LargeIcon, AboutLogo };

enum ControlFlags : std::uint8_t {
  kWordWrap = 1,      // labels: wrap inside the given width
  kDefaultButton = 2, // buttons: pressed by Enter
  kRowPanel = 4,      // panels: the row decoration (gradient strip and lines)
  kFramedFill = 8,    // panels: a framed shape filled with color
  kHandCursor = 16,   // images: hand-shaped mouse pointer
  kTransparent = 32,  // panels: no background of their own
};

struct FontDesc {
  std::string_view face;  // empty: the parent's font
  std::int16_t pixelHeight = 0;
  std::uint8_t styles = 0;  // FontStyle bits
  ColorValue color = kClBlack;
};

struct ControlDesc {
  Kind kind = Kind::Panel;
  std::string_view name = {};
  std::string_view parent = {};  // empty: the form
  std::int16_t left = 0, top = 0, width = 0, height = 0;
  std::string_view caption = {};
  FontDesc font = {};
  ColorValue color = kClBtnFace;   // background, fill or line colour
  ColorValue color2 = kClBtnFace;  // gradient end; grid's fixed column
  bool visible = true;
  std::uint8_t flags = 0;
  std::int32_t extra = 0;  // Glyph, modal result, angle in degrees, grid rows, Picture
};

struct FormDesc {
  std::string_view className;
  std::string_view caption;
  std::int16_t clientWidth, clientHeight;
  FontDesc font;
  ColorValue color;
  Picture icon = Picture::SmallIcon;
  std::span<const ControlDesc> controls;
};

// Modal results.
inline constexpr int kResultNone = 0;
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;

}  // namespace orbidate::forms

namespace orbidate::forms {

// Joins control tables into one, in order.
template <std::size_t... N>
constexpr std::array<ControlDesc, (N + ...)> JoinControls(const std::array<ControlDesc, N>&... tables) {
  std::array<ControlDesc, (N + ...)> all{};
  std::size_t i = 0;
  ((std::copy(tables.begin(), tables.end(), all.begin() + static_cast<std::ptrdiff_t>(i)), i += N), ...);
  return all;
}

}  // namespace orbidate::forms
