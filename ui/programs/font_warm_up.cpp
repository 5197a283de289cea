// Qt reads fontconfig's configuration at the first text it measures, on the window thread.
// fontconfig initialises itself once per process and is safe to initialise from any thread, so
// doing it here first leaves Qt a configuration that is already loaded.
#include "ui/programs/font_warm_up.h"

#if NOBRIX_WITH_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace nobrix::ui::programs {

FontWarmUp::FontWarmUp() {
#if NOBRIX_WITH_FONTCONFIG
  reader_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
  if (reader_.joinable()) {
    reader_.join();
  }
}

}  // namespace nobrix::ui::programs
