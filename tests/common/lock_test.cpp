#include "common/lock.h"

#include <gtest/gtest.h>

#include <thread>

using namespace parental::common;

TEST(Lock, CriticalSectionIsRecursiveAndExcludesOtherThreads) {
  internal::CriticalSection cs;
  ASSERT_TRUE(cs.Lock());
  EXPECT_TRUE(cs.TryLock());  // the owner may enter again
  bool other = true;
  std::thread([&] { other = cs.TryLock(); }).join();
  EXPECT_FALSE(other);
  EXPECT_TRUE(cs.Unlock());
  EXPECT_TRUE(cs.Unlock());
  std::thread([&] { other = cs.TryLock(); if (other) cs.Unlock(); }).join();
  EXPECT_TRUE(other);
}

TEST(Lock, WithoutACriticalSectionEveryOperationReportsFalse) {
  CLockable none;
  EXPECT_FALSE(none.Lock());
  EXPECT_FALSE(none.Unlock());
  EXPECT_FALSE(none.TryLock());
  EXPECT_EQ(&ProcessLock(), &ProcessLock());
  EXPECT_TRUE(ProcessLock().Lock());
  EXPECT_TRUE(ProcessLock().Unlock());
}
