// Where a program finds its firmware image on Linux: in its package's data folder, found from
// the program's own place (<prefix>/bin/../share/<package>/<file name>), so that an
// installation under /usr or /opt finds it alike. A program built outside a package also looks
// at the image its build made or was given, so it runs from the build folder.
// NOBRIX_IMAGE_FOLDER (the data folder relative to the program's folder) and
// NOBRIX_IMAGE_BUILD_PATH (empty in a package build) come from the build.
#include <unistd.h>

#include <array>
#include <climits>
#include <string>
#include <string_view>

#include "firmware/embedded/image_file.h"
#include "firmware/embedded/program_resources.h"
#include "nobrix/build_constants.h"

namespace nobrix::firmware {
namespace {

// Empty when the system does not say where the program lies.
std::string programFolder() {
  std::array<char, PATH_MAX> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) {
    return {};
  }
  const std::string_view program(path.data(), static_cast<std::size_t>(length));
  return std::string(program.substr(0, program.rfind('/')));
}

}  // namespace

std::unique_ptr<ResourceModule> makeProgramResourceModule() {
  std::vector<std::string> candidates;
  if (const std::string folder = programFolder(); !folder.empty()) {
    candidates.push_back(folder + "/" NOBRIX_IMAGE_FOLDER "/" +
                         std::string(build::kFirmwareFileName));
  }
  if (constexpr std::string_view kBuildPath = NOBRIX_IMAGE_BUILD_PATH; !kBuildPath.empty()) {
    candidates.emplace_back(kBuildPath);
  }
  return makeImageFileModule(std::move(candidates), builtImageIdentity());
}

}  // namespace nobrix::firmware
