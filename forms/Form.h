// A live form: the state of its controls, built from a FormDesc, and the
// handlers wired to them by name.
//
// The state here is the truth. A realisation (FormView) shows it while the
// form is modal: the Win32 one with real windows, the headless one for the
// native tests. Changes made by code while the form is shown are pushed to
// the view; what the user does in the view comes back through the User*
// members, which are also what the headless tests call.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/FormDescription.h"

namespace orbidate::forms {

enum class FormEvent : std::uint8_t { Click, MouseDown, MouseUp };

struct Control {
  const ControlDesc* desc = nullptr;
  int parent = -1;  // index of the parent control, -1 for the form
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  int zOrder = 0;           // higher is in front among siblings
  std::string caption;      // label, button, the EditLabel of an edit
  std::string text;         // edit
  std::vector<std::string> items;  // combo box
  int selected = -1;
  std::vector<std::array<std::string, 2>> cells;  // grid rows
  int angle = 0;            // rotated label

  Kind kind() const { return desc->kind; }
};

class Form;

// Shows a form while it is modal. Created for one ShowModal call.
class FormView {
 public:
  virtual ~FormView() = default;
  // Runs until Form::Close; the result given there.
  virtual int RunModal() = 0;
  virtual void EndModal() = 0;
  // The control at |index| (or, for -1, the form's caption) changed.
  virtual void Changed(int index) = 0;
  virtual void BringToTop() = 0;
};

// The platform's realisation: windows on Win32, the headless driver natively.
std::unique_ptr<FormView> CreateFormView(Form& form);

// Wires a table of {control, event, member} entries to a form of class T.
template <class T>
struct HandlerEntry {
  std::string_view control;
  FormEvent event;
  void (T::*handler)();
};

class Form {
 public:
  explicit Form(const FormDesc& desc);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDesc& Desc() const { return desc_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  int IndexOf(std::string_view name) const;
  Control* Find(std::string_view name);
  const Control* Find(std::string_view name) const;
  std::vector<Control>& Controls() { return controls_; }
  const std::vector<Control>& Controls() const { return controls_; }

  // What the code does with the controls; unknown names do nothing.
  void SetVisible(std::string_view name, bool visible);
  void BringToFront(std::string_view name);
  void SetTop(std::string_view name, int top);
  void SetWidth(std::string_view name, int width);
  void SetCaptionOf(std::string_view name, std::string_view caption);
  void SetText(std::string_view name, std::string_view text);
  std::string TextOf(std::string_view name) const;
  void AddItem(std::string_view name, std::string_view item);
  void Select(std::string_view name, int index);
  // The selected item's text; empty when none is selected.
  std::string SelectedText(std::string_view name) const;
  void SetCell(std::string_view name, int column, int row, std::string_view text);
  std::string Cell(std::string_view name, int column, int row) const;
  void SetAngle(std::string_view name, int angle);

  // Whether the control and all its parents are visible.
  bool Showing(int index) const;

  // Shows the form modally: its OnShow runs first. The result of Close, or
  // kResultCancel when the view ended without one.
  int ShowModal();
  bool IsModal() const { return view_ != nullptr && !result_; }
  void Close(int result);
  void BringToTop();

  // What the user does: the view (or a headless test) reports it here.
  void UserSetText(int index, std::string_view text);
  void UserSelect(int index, int item);
  void UserSetCell(int index, int row, std::string_view text);
  // Runs the handler wired to (control, event); a button with a modal
  // result then closes the form with it.
  void Fire(int index, FormEvent event);
  void UserCloseBox() { Close(kResultCancel); }

  // By name, for the tests: false when there is no such control (or it is
  // not shown, for the presses).
  bool UserSetText(std::string_view name, std::string_view text);
  bool UserSelect(std::string_view name, int item);
  bool UserSetCell(std::string_view name, int row, std::string_view text);
  bool UserPress(std::string_view name, FormEvent event = FormEvent::Click);

 protected:
  void Wire(std::string_view control, FormEvent event, std::function<void()> handler);
  template <class T, std::size_t N>
  void WireAll(T* self, const HandlerEntry<T> (&table)[N]) {
    for (const HandlerEntry<T>& entry : table) {
      Wire(entry.control, entry.event, [self, handler = entry.handler] { (self->*handler)(); });
    }
  }
  virtual void OnShow() {}

 private:
  void Notify(int index);

  struct Binding {
    int control;
    FormEvent event;
    std::function<void()> handler;
  };

  const FormDesc& desc_;
  std::string caption_;
  std::vector<Control> controls_;
  std::vector<Binding> bindings_;
  std::unique_ptr<FormView> view_;
  std::optional<int> result_;
  int nextZ_ = 1;
};

}  // namespace orbidate::forms
