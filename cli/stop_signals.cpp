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
  sigaddset(&set, SIGHUP);
  return set;
}

}  // namespace

StopSignals::StopSignals() {
  const sigset_t set = stopSet();
  pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
  descriptor_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignore, &previousPipe_);
}

// What is still pending is taken first: unblocking would otherwise end the program with it.
StopSignals::~StopSignals() {
  take();
  if (descriptor_ >= 0) {
    close(descriptor_);
  }
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
  sigaction(SIGPIPE, &previousPipe_, nullptr);
}

ArrivedSignals StopSignals::take() {
  ArrivedSignals arrived;
  signalfd_siginfo info{};
  while (descriptor_ >= 0 && read(descriptor_, &info, sizeof info) == sizeof info) {
    ++(info.ssi_signo == SIGHUP ? arrived.hangUps : arrived.stops);
  }
  return arrived;
}

}  // namespace nobrix::cli
