// An Xvfb server of the benchmark's own, on a display number the server picks itself. It runs
// with -noreset, so the server keeps its state between the programs measured on it.
#pragma once

#include <sys/types.h>

#include <string>

class PrivateDisplay {
 public:
  PrivateDisplay();
  ~PrivateDisplay();
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;

  // ":N", or empty when the server did not start.
  const std::string& Name() const { return name_; }

 private:
  pid_t server_ = -1;
  std::string name_;
};
