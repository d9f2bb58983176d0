// The optional localization file Orbidate.loc beside the host's executable.
//
// Six fixed header lines, then translation lines: a four-character code and,
// from the fifth character on, at most 255 characters of text. The file is
// read afresh at every lookup and closed again before the lookup returns, so
// an edited file shows in the next editor that opens.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orbidate {

inline constexpr std::size_t kLocalizedTextLimit = 255;
inline constexpr char kLocalizationFileName[] = "Orbidate.loc";
inline constexpr char kInvalidHeaderMessage[] = "The Orbidate.loc file is invalidly modified.";

// The header the file must start with.
inline constexpr std::array<std::string_view, 6> kLocalizationHeader = {
    "**  DO NOT CHANGE THIS TEXT ! ! !",
    "**  The localization file for the Orbidate plugin.",
    "**  To use a file - put the file with the translation of lines in the root folder of the NeoBook or "
    "VisualNeo program.",
    "**  Plugin author: the Orbidate developers",
    "**  Russia",
    "**  Mail: orbidate@example.org",
};

enum class HeaderCheck { NoFile, Matches, Differs };

class LocalizationFile {
 public:
  explicit LocalizationFile(std::string path) : path_(std::move(path)) {}

  // The text of the first line whose first four characters equal |code|
  // (name comparison rule), or |fallback| when there is no such line or no
  // readable file.
  std::string Lookup(std::string_view code, std::string_view fallback) const;

  HeaderCheck CheckHeader() const;

 private:
  std::string path_;
};

// Where the plug-in looks for the file: the folder of the process's main
// executable (not the plug-in's own folder).
std::string LocalizationFilePath();

// Lookup in the file at LocalizationFilePath().
std::string Localize(std::string_view code, std::string_view fallback);

}  // namespace orbidate
