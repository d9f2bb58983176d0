// Native builds have no host executable: the file is looked for in the
// working directory.
#include "plugin/Localization.h"

namespace orbidate {

std::string LocalizationFilePath() { return kLocalizationFileName; }

}  // namespace orbidate
