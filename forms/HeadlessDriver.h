// The headless realisation of forms (native builds): ShowModal hands the form
// to the driver, which plays the user (UserSetText, UserSelect, UserPress,
// Close) and returns; a form the driver leaves open ends as Cancel.
#pragma once

#include <functional>

#include "forms/Form.h"

namespace orbidate::forms {

using HeadlessDriver = std::function<void(Form& form)>;

// Installs |driver| for the forms shown during its lifetime.
class ScopedHeadlessDriver {
 public:
  explicit ScopedHeadlessDriver(HeadlessDriver driver);
  ~ScopedHeadlessDriver();
  ScopedHeadlessDriver(const ScopedHeadlessDriver&) = delete;
  ScopedHeadlessDriver& operator=(const ScopedHeadlessDriver&) = delete;

 private:
  HeadlessDriver previous_;
};

// How many forms have been shown so far.
int HeadlessFormsShown();

}  // namespace orbidate::forms
