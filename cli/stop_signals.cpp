#include "cli/stop_signals.h"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace nobrix::cli {

namespace {

sigset_t stopSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

StopSignals::StopSignals() {
  const sigset_t set = stopSet();
  pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
  descriptor_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
}

// What is still pending is taken first: unblocking would otherwise end the program with it.
StopSignals::~StopSignals() {
  take();
  if (descriptor_ >= 0) {
    close(descriptor_);
  }
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

int StopSignals::take() {
  int count = 0;
  signalfd_siginfo info{};
  while (descriptor_ >= 0 && read(descriptor_, &info, sizeof info) == sizeof info) {
    ++count;
  }
  return count;
}

}  // namespace nobrix::cli
