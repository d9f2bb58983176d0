// Native builds have no windows: a calendar "window" is its form alone, made
// for any non-zero parent, so the actions can be run end to end in tests.
#include "calendar/CalendarWindow.h"
#include "calendar/ImageForm.h"

namespace orbidate {
namespace {

class HeadlessCalendarWindow final : public CalendarWindow {
 public:
  explicit HeadlessCalendarWindow(std::string_view name) : name_(name) {}
  const std::string& RectangleName() const override { return name_; }
  ImageForm& Form() override { return form_; }
  void Destroy() override { delete this; }

 private:
  std::string name_;
  ImageForm form_;
};

class HeadlessCalendarWindows final : public CalendarWindowFactory {
 public:
  CalendarWindow* Create(std::uintptr_t parent, std::string_view rectangleName) override {
    return parent == 0 ? nullptr : new HeadlessCalendarWindow(rectangleName);
  }
  void Show(CalendarWindow&) override {}
  std::chrono::year_month_day Today() override {
    return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
  }
};

HeadlessCalendarWindows gCalendarWindows;

}  // namespace

CalendarWindowFactory& SystemCalendarWindows() { return gCalendarWindows; }

}  // namespace orbidate
