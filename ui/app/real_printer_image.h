// The image the product program may send to real printers. A build without the real image
// carries a generated stand-in for the simulated printers; to the product program that build has
// no image at all, so START refuses with the missing-image message before any printer is
// switched, and a real printer is never sent the stand-in.
#pragma once

#include <memory>

#include "firmware/resource_module.h"

namespace nobrix::ui::app {

std::unique_ptr<firmware::ResourceModule> realPrinterImage(
    std::unique_ptr<firmware::ResourceModule> programResources, bool imageIsStandIn);

}  // namespace nobrix::ui::app
