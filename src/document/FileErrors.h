#pragma once
// The two ways reading a sketch file can fail. A file that is not a sketch we can take
// (wrong kind, lying sizes, too large) is refused quietly by the readers' callers; a
// compressed sketch whose stream is damaged raises DecompressionError, whose message is
// always "error".

#include <stdexcept>
#include <string>

// The reason is for people: it is shown by the command-line conversion.
class SketchFileError : public std::runtime_error {
  public:
    explicit SketchFileError(const std::string& reason) : std::runtime_error(reason) {}
};

class DecompressionError : public std::runtime_error {
  public:
    DecompressionError() : std::runtime_error("error") {}
};
