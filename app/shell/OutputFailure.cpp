#include "OutputFailure.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <system_error>

namespace KVSHELL {

std::string WriteFailure(int error) {
  return error ? std::error_code(error, std::generic_category()).message() : "the stream failed";
}

std::string StandardOutputFailure() {
  errno = 0;
  std::cout.flush();
  // A write that failed before (stdio drops what it could not write) leaves
  // its error on the stream.
  if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return std::string();
  return WriteFailure(errno);
}

}  // namespace KVSHELL
