// Loaded into a window program with LD_PRELOAD by scripts/bench-startup: at the first image the
// program hands the X server (its first paint reaching the screen) it writes the time since
// NOBRIX_PROBE_T0 (the launcher's CLOCK_REALTIME in nanoseconds, taken just before the start),
// the size of that image and the program's resident memory to the file NOBRIX_PROBE_OUT, and ends
// the program there. Qt's xcb platform flushes a window through one of these three calls; they
// are declared here as libxcb's ABI has them, so no xcb development files are needed.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long residentKiB() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  long kib = -1;
  char line[256];
  while (status != nullptr && std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "VmRSS:", 6) == 0) {
      kib = std::strtol(line + 6, nullptr, 10);
    }
  }
  if (status != nullptr) {
    std::fclose(status);
  }
  return kib;
}

[[noreturn]] void reportFirstPaint(unsigned width, unsigned height) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const char* start = std::getenv("NOBRIX_PROBE_T0");
  const char* output = std::getenv("NOBRIX_PROBE_OUT");
  const long long nowNs = static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
  const long long elapsedNs = start != nullptr ? nowNs - std::atoll(start) : -1;
  if (std::FILE* file = output != nullptr ? std::fopen(output, "w") : nullptr) {
    std::fprintf(file, "first_paint_ms %.1f\nsize %ux%u\nrss_kib %ld\n",
                 static_cast<double>(elapsedNs) / 1e6, width, height, residentKiB());
    std::fclose(file);
  }
  _exit(0);
}

}  // namespace

extern "C" {

struct xcb_connection_t;
struct xcb_void_cookie_t {
  unsigned int sequence;
};

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t*, std::uint32_t, std::uint32_t, std::uint16_t,
                                    std::uint16_t, std::uint16_t, std::uint16_t,
                                    std::uint16_t width, std::uint16_t height, std::int16_t,
                                    std::int16_t, std::uint8_t, std::uint8_t, std::uint8_t,
                                    std::uint32_t, std::uint32_t) {
  reportFirstPaint(width, height);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t*, std::uint8_t, std::uint32_t, std::uint32_t,
                                std::uint16_t width, std::uint16_t height, std::int16_t,
                                std::int16_t, std::uint8_t, std::uint8_t, std::uint32_t,
                                const std::uint8_t*) {
  reportFirstPaint(width, height);
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t*, std::uint32_t, std::uint32_t, std::uint32_t,
                                std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                                std::uint16_t width, std::uint16_t height) {
  reportFirstPaint(width, height);
}
}
