// TAboutBoxForm: the plug-in's about box.
#include "appearance/AboutBox.h"

#include "forms/Form.h"

namespace orbidate {
namespace {

using forms::ControlDesc;
using forms::Kind;

constexpr ColorValue kTitleBlue{13986304};  // red 0, green 106, blue 213
constexpr forms::FontDesc kArial12{"Arial", 12, 0, kClBlack};

constexpr ControlDesc kControls[] = {
    {.kind = Kind::Image, .name = "Image1", .left = 9, .top = 4, .width = 133, .height = 131,
     .extra = static_cast<std::int32_t>(forms::Picture::LargeIcon)},
    {.kind = Kind::Label, .name = "Label4", .left = 32, .top = 136, .width = 260, .height = 56,
     .caption = "Orbidate ", .font = {"Comic Sans MS", 40, 1, kTitleBlue}},
    {.kind = Kind::Label, .name = "Label1", .left = 151, .top = 5, .width = 148, .height = 32,
     .caption = "Plugin author:\n The Orbidate developers", .font = kArial12, .flags = forms::kWordWrap},
    {.kind = Kind::Label, .name = "Label3", .left = 153, .top = 42, .width = 146, .height = 17,
     .caption = "See the project's README", .font = {"Comic Sans MS", 12, 0, kClBlack}},
    {.kind = Kind::Label, .name = "lbl1", .left = 151, .top = 59, .width = 86, .height = 12,
     .caption = "Orbidate team", .font = {"Comic Sans MS", 9, 0, kClBlack}},
    {.kind = Kind::Label, .name = "Label5", .left = 240, .top = 57, .width = 56, .height = 15,
     .caption = "Russia ", .font = kArial12},
    {.kind = Kind::Button, .name = "Button1", .left = 158, .top = 104, .width = 131, .height = 31, .caption = "OK",
     .font = kArial12, .flags = forms::kDefaultButton},
    {.kind = Kind::Image, .name = "Image2", .left = 10, .top = 194, .width = 164, .height = 53,
     .flags = forms::kHandCursor, .extra = static_cast<std::int32_t>(forms::Picture::AboutLogo)},
    {.kind = Kind::Label, .name = "Label7", .left = 177, .top = 196, .width = 112, .height = 21,
     .caption = "   Free of charge:", .font = kArial12, .flags = forms::kWordWrap},
    {.kind = Kind::Label, .name = "Label8", .left = 177, .top = 215, .width = 120, .height = 21,
     .caption = "   no payment and", .font = kArial12, .flags = forms::kWordWrap},
    {.kind = Kind::Label, .name = "Label9", .left = 177, .top = 231, .width = 120, .height = 21,
     .caption = "   no accounts.", .font = kArial12, .flags = forms::kWordWrap},
};

constexpr forms::FormDesc kDesc{.className = "TAboutBoxForm", .caption = "About", .clientWidth = 301,
                                .clientHeight = 257, .font = kArial12, .color = kClWhite,
                                .icon = forms::Picture::SmallIcon, .controls = kControls};

class TAboutBoxForm final : public forms::Form {
 public:
  TAboutBoxForm() : Form(kDesc) {
    static constexpr forms::HandlerEntry<TAboutBoxForm> kHandlers[] = {
        {"Button1", forms::FormEvent::Click, &TAboutBoxForm::Button1Click},
    };
    WireAll(this, kHandlers);
  }

  // Closes the box; the result is Cancel, like the close box's.
  void Button1Click() { Close(forms::kResultCancel); }
};

// The box being shown, null otherwise.
TAboutBoxForm* AboutBoxForm = nullptr;

}  // namespace

void ShowAboutBox() {
  TAboutBoxForm box;
  AboutBoxForm = &box;
  box.ShowModal();
  AboutBoxForm = nullptr;
}

}  // namespace orbidate
