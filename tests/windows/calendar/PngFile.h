// Writes 24-bit pictures as PNG files (stored, uncompressed deflate blocks):
// enough for the screenshots the window tests leave behind.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orbidate::wintest {

// rgb: width * height * 3 bytes, rows from the top.
inline bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  auto crc = [](const std::uint8_t* data, std::size_t size, std::uint32_t c = 0xFFFFFFFFu) {
    for (std::size_t i = 0; i < size; ++i) {
      c ^= data[i];
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c;
  };
  std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto be32 = [](std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
  };
  auto chunk = [&](const char* type, const std::vector<std::uint8_t>& data) {
    be32(file, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    file.insert(file.end(), body.begin(), body.end());
    be32(file, crc(body.data(), body.size()) ^ 0xFFFFFFFFu);
  };
  std::vector<std::uint8_t> header;
  be32(header, static_cast<std::uint32_t>(width));
  be32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  chunk("IHDR", header);

  std::vector<std::uint8_t> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgb.begin() + static_cast<std::ptrdiff_t>(y) * width * 3,
               rgb.begin() + static_cast<std::ptrdiff_t>(y + 1) * width * 3);
  }
  std::vector<std::uint8_t> z = {0x78, 0x01};
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  for (std::size_t at = 0; at < raw.size() || at == 0;) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    z.push_back(at + n == raw.size() ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
    if (raw.empty()) break;
  }
  be32(z, (b << 16) | a);
  chunk("IDAT", z);
  chunk("IEND", {});
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool ok = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && ok;
}

}  // namespace orbidate::wintest
