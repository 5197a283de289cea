#include "cli/stop_signals.h"

#include <pthread.h>
#include <signal.h>
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

struct StopSignals::Source {
  int descriptor = -1;
  sigset_t previousMask{};
  struct sigaction previousPipe {};
};

StopSignals::StopSignals() : source_(std::make_unique<Source>()) {
  const sigset_t set = stopSet();
  pthread_sigmask(SIG_BLOCK, &set, &source_->previousMask);
  source_->descriptor = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignore, &source_->previousPipe);
}

// What is still pending is taken first: unblocking would otherwise end the program with it.
StopSignals::~StopSignals() {
  take();
  if (source_->descriptor >= 0) {
    close(source_->descriptor);
  }
  pthread_sigmask(SIG_SETMASK, &source_->previousMask, nullptr);
  sigaction(SIGPIPE, &source_->previousPipe, nullptr);
}

ArrivedSignals StopSignals::take() {
  ArrivedSignals arrived;
  signalfd_siginfo info{};
  while (source_->descriptor >= 0 && read(source_->descriptor, &info, sizeof info) == sizeof info) {
    ++(info.ssi_signo == SIGHUP ? arrived.hangUps : arrived.stops);
  }
  return arrived;
}

std::string_view stopRequestNames() {
  return "SIGINT or SIGTERM";
}

}  // namespace nobrix::cli
