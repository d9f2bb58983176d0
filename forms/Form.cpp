#include "forms/Form.h"

#include <algorithm>

namespace orbidate::forms {

Form::Form(const FormDesc& desc) : desc_(desc), caption_(desc.caption) {
  controls_.reserve(desc.controls.size());
  for (const ControlDesc& c : desc.controls) {
    Control control;
    control.desc = &c;
    control.parent = c.parent.empty() ? -1 : IndexOf(c.parent);
    control.left = c.left;
    control.top = c.top;
    control.width = c.width;
    control.height = c.height;
    control.visible = c.visible;
    control.caption = std::string(c.caption);
    if (c.kind == Kind::StringGrid) control.cells.resize(static_cast<std::size_t>(std::max(0, c.extra)));
    if (c.kind == Kind::RotatedLabel) control.angle = c.extra;
    controls_.push_back(std::move(control));
  }
}

Form::~Form() = default;

void Form::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Notify(-1);
}

int Form::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].desc->name == name) return static_cast<int>(i);
  }
  return -1;
}

Control* Form::Find(std::string_view name) {
  const int index = IndexOf(name);
  return index < 0 ? nullptr : &controls_[static_cast<std::size_t>(index)];
}

const Control* Form::Find(std::string_view name) const {
  const int index = IndexOf(name);
  return index < 0 ? nullptr : &controls_[static_cast<std::size_t>(index)];
}

void Form::Notify(int index) {
  if (view_) view_->Changed(index);
}

void Form::SetVisible(std::string_view name, bool visible) {
  if (Control* c = Find(name)) {
    c->visible = visible;
    Notify(IndexOf(name));
  }
}

void Form::BringToFront(std::string_view name) {
  if (Control* c = Find(name)) {
    c->zOrder = nextZ_++;
    Notify(IndexOf(name));
  }
}

void Form::SetTop(std::string_view name, int top) {
  if (Control* c = Find(name)) {
    c->top = top;
    Notify(IndexOf(name));
  }
}

void Form::SetWidth(std::string_view name, int width) {
  if (Control* c = Find(name)) {
    c->width = width;
    Notify(IndexOf(name));
  }
}

void Form::SetCaptionOf(std::string_view name, std::string_view caption) {
  if (Control* c = Find(name)) {
    c->caption = std::string(caption);
    Notify(IndexOf(name));
  }
}

void Form::SetText(std::string_view name, std::string_view text) {
  if (Control* c = Find(name)) {
    c->text = std::string(text);
    Notify(IndexOf(name));
  }
}

std::string Form::TextOf(std::string_view name) const {
  const Control* c = Find(name);
  return c == nullptr ? std::string() : c->text;
}

void Form::AddItem(std::string_view name, std::string_view item) {
  if (Control* c = Find(name)) {
    c->items.emplace_back(item);
    Notify(IndexOf(name));
  }
}

void Form::Select(std::string_view name, int index) {
  if (Control* c = Find(name)) {
    c->selected = index >= 0 && index < static_cast<int>(c->items.size()) ? index : -1;
    Notify(IndexOf(name));
  }
}

std::string Form::SelectedText(std::string_view name) const {
  const Control* c = Find(name);
  if (c == nullptr || c->selected < 0 || c->selected >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<std::size_t>(c->selected)];
}

void Form::SetCell(std::string_view name, int column, int row, std::string_view text) {
  Control* c = Find(name);
  if (c == nullptr || column < 0 || column > 1 || row < 0 || row >= static_cast<int>(c->cells.size())) return;
  c->cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::string(text);
  Notify(IndexOf(name));
}

std::string Form::Cell(std::string_view name, int column, int row) const {
  const Control* c = Find(name);
  if (c == nullptr || column < 0 || column > 1 || row < 0 || row >= static_cast<int>(c->cells.size())) return {};
  return c->cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void Form::SetAngle(std::string_view name, int angle) {
  if (Control* c = Find(name)) {
    c->angle = angle;
    Notify(IndexOf(name));
  }
}

bool Form::Showing(int index) const {
  while (index >= 0) {
    const Control& c = controls_[static_cast<std::size_t>(index)];
    if (!c.visible) return false;
    index = c.parent;
  }
  return true;
}

int Form::ShowModal() {
  if (view_) return kResultCancel;  // already modal
  result_.reset();
  OnShow();
  view_ = CreateFormView(*this);
  int result = kResultCancel;
  if (view_) {
    if (!result_) view_->RunModal();
    result = result_.value_or(kResultCancel);
  }
  view_.reset();
  return result;
}

void Form::Close(int result) {
  result_ = result;
  if (view_) view_->EndModal();
}

void Form::BringToTop() {
  if (view_) view_->BringToTop();
}

void Form::UserSetText(int index, std::string_view text) {
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;
  controls_[static_cast<std::size_t>(index)].text = std::string(text);
}

void Form::UserSelect(int index, int item) {
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;
  Control& c = controls_[static_cast<std::size_t>(index)];
  c.selected = item >= 0 && item < static_cast<int>(c.items.size()) ? item : -1;
}

void Form::UserSetCell(int index, int row, std::string_view text) {
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;
  Control& c = controls_[static_cast<std::size_t>(index)];
  if (row < 0 || row >= static_cast<int>(c.cells.size())) return;
  c.cells[static_cast<std::size_t>(row)][1] = std::string(text);
}

void Form::Fire(int index, FormEvent event) {
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;
  for (const Binding& binding : bindings_) {
    if (binding.control == index && binding.event == event) binding.handler();
  }
  const Control& c = controls_[static_cast<std::size_t>(index)];
  if (event == FormEvent::Click && c.kind() == Kind::Button && c.desc->extra != kResultNone) Close(c.desc->extra);
}

bool Form::UserSetText(std::string_view name, std::string_view text) {
  const int index = IndexOf(name);
  if (index < 0 || !Showing(index)) return false;
  UserSetText(index, text);
  Notify(index);
  return true;
}

bool Form::UserSelect(std::string_view name, int item) {
  const int index = IndexOf(name);
  if (index < 0 || !Showing(index)) return false;
  UserSelect(index, item);
  Notify(index);
  return true;
}

bool Form::UserSetCell(std::string_view name, int row, std::string_view text) {
  const int index = IndexOf(name);
  if (index < 0 || !Showing(index)) return false;
  UserSetCell(index, row, text);
  Notify(index);
  return true;
}

bool Form::UserPress(std::string_view name, FormEvent event) {
  const int index = IndexOf(name);
  if (index < 0 || !Showing(index)) return false;
  Fire(index, event);
  return true;
}

void Form::Wire(std::string_view control, FormEvent event, std::function<void()> handler) {
  const int index = IndexOf(control);
  if (index >= 0) bindings_.push_back({index, event, std::move(handler)});
}

}  // namespace orbidate::forms
