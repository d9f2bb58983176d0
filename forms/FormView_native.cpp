// Native builds show forms to a test driver instead of a screen.
#include "forms/Form.h"
#include "forms/HeadlessDriver.h"

namespace orbidate::forms {
namespace {

HeadlessDriver& CurrentDriver() {
  static HeadlessDriver driver;
  return driver;
}

int gShown = 0;

class HeadlessView final : public FormView {
 public:
  explicit HeadlessView(Form& form) : form_(form) {}
  int RunModal() override {
    ++gShown;
    if (HeadlessDriver driver = CurrentDriver()) driver(form_);
    return kResultNone;
  }
  void EndModal() override {}
  void Changed(int) override {}
  void BringToTop() override {}

 private:
  Form& form_;
};

}  // namespace

std::unique_ptr<FormView> CreateFormView(Form& form) { return std::make_unique<HeadlessView>(form); }

ScopedHeadlessDriver::ScopedHeadlessDriver(HeadlessDriver driver) : previous_(std::move(CurrentDriver())) {
  CurrentDriver() = std::move(driver);
}

ScopedHeadlessDriver::~ScopedHeadlessDriver() { CurrentDriver() = std::move(previous_); }

int HeadlessFormsShown() { return gShown; }

}  // namespace orbidate::forms
