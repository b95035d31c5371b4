#include <gtest/gtest.h>

#include "platform/single_instance.h"
#include "support/scratch_dir.h"

namespace torvale {

TEST(SingleInstance, OnlyOneHolderAtATime) {
  test::ScratchDir dir;
  SingleInstanceLock first(dir.path(), kEditorMutexName);
  SingleInstanceLock second(dir.path(), kEditorMutexName);
  EXPECT_EQ(first.TryAcquire(), SingleInstanceLock::Result::kAcquired);
  EXPECT_EQ(first.FilePath(), dir.path() + "/ZUL EDITOR MUTEX");
  EXPECT_EQ(second.TryAcquire(), SingleInstanceLock::Result::kHeldByOther);
  EXPECT_FALSE(second.IsHeld());
  first.Release();
  EXPECT_EQ(second.TryAcquire(), SingleInstanceLock::Result::kAcquired);
}

TEST(SingleInstance, ALeftoverLockFileDoesNotBlock) {
  test::ScratchDir dir;
  dir.MakeFile("ZUL EDITOR MUTEX", "from a crashed run");
  SingleInstanceLock lock(dir.path(), kEditorMutexName);
  EXPECT_EQ(lock.TryAcquire(), SingleInstanceLock::Result::kAcquired);
}

TEST(SingleInstance, MakesItsFolderAndSaysWhenItCannot) {
  test::ScratchDir dir;
  SingleInstanceLock in_new_folder(dir.path() + "/runtime", kEditorMutexName);
  EXPECT_EQ(in_new_folder.TryAcquire(), SingleInstanceLock::Result::kAcquired);
  std::string file = dir.MakeFile("plain-file");
  SingleInstanceLock below_a_file(file + "/runtime", kEditorMutexName);
  EXPECT_EQ(below_a_file.TryAcquire(), SingleInstanceLock::Result::kCannotCreate);
}

TEST(SingleInstance, TheRuntimeFolderComesFromTheSessionOrIsPrivate) {
  {
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/1234");
    EXPECT_EQ(RuntimeFolder(), "/run/user/1234");
  }
  test::ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
  test::ScopedEnv tmp("TMPDIR", "/var/tmp");
  EXPECT_EQ(RuntimeFolder().rfind("/var/tmp/torvale-", 0), 0u);
}

}  // namespace torvale
