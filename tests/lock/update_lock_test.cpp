// Two holders of the update lock exclude each other even within one process (the lock belongs to
// the open file), the refused one learns who holds it, and the lock is free again the moment its
// holder lets go or its process is gone.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/lock/file_update_lock.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace nobrix::platform {
namespace {

std::string lockPath(const char* name) {
  const auto path = std::filesystem::temp_directory_path() /
                    (std::string("nobrix-lock-test-") + name + "-" +
                     std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::remove(path);
  return path.string();
}

TEST(UpdateLock, ASecondRunIsRefusedAndToldWhoHoldsTheLockUntilItIsLetGo) {
  const std::string path = lockPath("two");
  FileUpdateLock first(path, {"NobrixVUZ", "ana", 4242});
  FileUpdateLock second(path, {"NobrixVUZ-cli", "ben", 77});
  LockHolder holder;
  std::string problem;
  ASSERT_TRUE(first.acquire(holder, problem));
  EXPECT_TRUE(problem.empty()) << problem;

  EXPECT_FALSE(second.acquire(holder, problem));
  EXPECT_EQ(holder.program, "NobrixVUZ");
  EXPECT_EQ(holder.user, "ana");
  EXPECT_EQ(holder.processId, 4242);

  first.release();
  holder = {};
  EXPECT_TRUE(second.acquire(holder, problem));
  EXPECT_TRUE(first.acquire(holder, problem) == false);
  EXPECT_EQ(holder.program, "NobrixVUZ-cli");
  std::filesystem::remove(path);
}

TEST(UpdateLock, ALockThatCannotBeUsedLetsTheRunGoOnAndSaysWhy) {
  FileUpdateLock lock("/no/such/folder/nobrixvuz.lock", thisProcess("test"));
  LockHolder holder;
  std::string problem;
  EXPECT_TRUE(lock.acquire(holder, problem));
  EXPECT_NE(problem.find("/no/such/folder/nobrixvuz.lock"), std::string::npos) << problem;
}

#ifndef _WIN32
// However its holder ends, killed included, the lock goes with the process.
TEST(UpdateLock, TheLockGoesWithTheProcessThatHeldIt) {
  const std::string path = lockPath("killed");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FileUpdateLock held(path, thisProcess("child"));
    LockHolder holder;
    std::string problem;
    held.acquire(holder, problem);
    const char taken = 1;
    static_cast<void>(write(ready[1], &taken, 1));
    pause();  // until killed
    _exit(0);
  }
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  FileUpdateLock parent(path, thisProcess("parent"));
  LockHolder holder;
  std::string problem;
  EXPECT_FALSE(parent.acquire(holder, problem));
  EXPECT_EQ(holder.processId, child);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(parent.acquire(holder, problem));
  close(ready[0]);
  close(ready[1]);
  std::filesystem::remove(path);
}
#endif

}  // namespace
}  // namespace nobrix::platform
