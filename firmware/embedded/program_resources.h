// The resources of the running program itself, where its firmware image lives. Link
// nobrix_firmware_image to get the image and this lookup.
#pragma once

#include <memory>

#include "firmware/resource_module.h"

namespace nobrix::firmware {

std::unique_ptr<ResourceModule> makeProgramResourceModule();

}  // namespace nobrix::firmware
