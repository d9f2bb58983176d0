#include "monthcal/LocaleNames.h"

namespace orbidate {

const LocaleNames& UserLocaleNames() {
  static const LocaleNames names{
      {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
      {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
       "November", "December"},
      "dd.MM.yyyy",
  };
  return names;
}

}  // namespace orbidate
