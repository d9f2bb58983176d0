// Native builds stand for a Western system: Windows-1252, single-byte.
#include "plugin/CodePageCharStepper.h"

namespace orbidate {
namespace {
constexpr CodePageCharStepper kSystemStepper(1252);
}  // namespace

const CharStepper& SystemCharStepper() { return kSystemStepper; }

}  // namespace orbidate
