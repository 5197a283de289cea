// The driver's command line:
//   nobrix_kernel_driver image  [--image FILE]
//   nobrix_kernel_driver list   [--image FILE]
//   nobrix_kernel_driver watch  [--seconds N] [--image FILE]
//   nobrix_kernel_driver update (--all | --serial S ...) [--image FILE]
#pragma once

#include <string>
#include <vector>

namespace nobrix::kernel {

struct DriverOptions {
  std::string command;
  std::string imagePath;  // empty: the image the program carries
  int seconds = 30;
  bool all = false;
  std::vector<std::string> serials;
};

// False with `error` set when the arguments do not form one of the commands above.
bool parseDriverOptions(int argc, char** argv, DriverOptions& options, std::string& error);

}  // namespace nobrix::kernel
