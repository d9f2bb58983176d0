#include "plugin/LineReader.h"

namespace orbidate {

LineReader::LineReader(const std::string& path, std::size_t keep) : keep_(keep) {
  file_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

int LineReader::GetByte() {
  if (bufferPos_ == bufferEnd_) {
    if (file_ == nullptr) return EOF;
    bufferEnd_ = std::fread(buffer_, 1, sizeof buffer_, file_);
    bufferPos_ = 0;
    if (bufferEnd_ == 0) return EOF;
  }
  return static_cast<unsigned char>(buffer_[bufferPos_++]);
}

bool LineReader::Next(std::string& start, bool& longer) {
  start.clear();
  std::size_t length = 0;
  bool lastWasCr = false;
  int c = GetByte();
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = GetByte()) {
    if (start.size() < keep_) start.push_back(static_cast<char>(c));
    ++length;
    lastWasCr = c == '\r';
  }
  if (c == '\n' && lastWasCr) {
    --length;
    if (start.size() > length) start.pop_back();
  }
  longer = length > start.size();
  return true;
}

}  // namespace orbidate
