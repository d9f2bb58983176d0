// Reads a text file line by line without holding more than the start of each
// line: a line of megabytes costs no more memory than a short one, and the
// reader stops as soon as its caller has what it needs.
//
// Lines end with LF; a CR right before the LF belongs to the line end. A lone
// CR is an ordinary byte, and so is a NUL.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace orbidate {

class LineReader {
 public:
  // |keep| is how many bytes of each line the caller looks at.
  LineReader(const std::string& path, std::size_t keep);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // The file could not be opened or a read failed (a folder, a locked file).
  bool Failed() const { return file_ == nullptr || std::ferror(file_) != 0; }

  // The next line's first |keep| bytes into |start|, and whether the line is
  // longer than that. False at the end of the file or on a read error.
  bool Next(std::string& start, bool& longer);

 private:
  int GetByte();

  std::FILE* file_ = nullptr;
  std::size_t keep_;
  char buffer_[4096];
  std::size_t bufferPos_ = 0;
  std::size_t bufferEnd_ = 0;
};

}  // namespace orbidate
