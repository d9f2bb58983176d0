#include "plugin/Localization.h"

#include "plugin/LineReader.h"
#include "plugin/NameComparison.h"

namespace orbidate {
namespace {

constexpr std::size_t kCodeLength = 4;
// A translation line is looked at up to its 259th character.
constexpr std::size_t kLineKeep = kCodeLength + kLocalizedTextLimit;

}  // namespace

std::string LocalizationFile::Lookup(std::string_view code, std::string_view fallback) const {
  LineReader reader(path_, kLineKeep);
  std::string line;
  bool longer = false;
  while (reader.Next(line, longer)) {
    if (line.size() >= kCodeLength && NamesEqual(std::string_view(line).substr(0, kCodeLength), code)) {
      return line.substr(kCodeLength);
    }
  }
  return std::string(fallback);
}

HeaderCheck LocalizationFile::CheckHeader() const {
  LineReader reader(path_, kLineKeep);
  if (!reader.IsOpen()) return HeaderCheck::NoFile;
  std::string line;
  bool longer = false;
  for (std::string_view expected : kLocalizationHeader) {
    if (!reader.Next(line, longer)) {
      // A file that cannot be read is treated like no file: no warning.
      return reader.Failed() ? HeaderCheck::NoFile : HeaderCheck::Differs;
    }
    if (longer || !NamesEqual(line, expected)) return HeaderCheck::Differs;
  }
  return HeaderCheck::Matches;
}

std::string Localize(std::string_view code, std::string_view fallback) {
  return LocalizationFile(LocalizationFilePath()).Lookup(code, fallback);
}

}  // namespace orbidate
