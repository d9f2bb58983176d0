// What the native stand-ins of platform services recorded, for the tests.
#pragma once

#include <string>
#include <vector>

namespace orbidate {

std::vector<std::string>& ShownMessages();

}  // namespace orbidate
