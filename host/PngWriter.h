// Writes 24-bit RGB pixels as a PNG file: the host's screenshots. The image
// data goes in stored (uncompressed) deflate blocks, which every PNG reader
// accepts, so no compression library is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbidate::host {

// |rgb| holds width * height pixels, top row first, three bytes each.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace orbidate::host
