// A program's resources with the firmware image withheld: every lookup of it finds nothing, as
// in a build that carries no image. The product program uses it when its build carries only the
// generated stand-in, so START refuses with the missing-image message before any printer is
// switched, and a real printer is never sent the stand-in.
#pragma once

#include <memory>

#include "firmware/resource_module.h"

namespace nobrix::firmware {

std::unique_ptr<ResourceModule> withholdImage(std::unique_ptr<ResourceModule> programResources);

}  // namespace nobrix::firmware
