// The ordered parallel copy: every job copied, each announced and reported in list order on
// the calling thread, failures reported against the right job.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ovcopyfiles.h"
#include "support/temp_dir.h"

TEST(OvCopyFilesInOrder, StepsComeInListOrderWithEachJobsOwnResult) {
  TempDir temp;
  std::vector<OvCopyJob> jobs;
  for (int i = 0; i < 120; ++i) {
    std::string name = std::to_string(i);
    // Every seventh target lies in a missing directory and cannot be made.
    std::string target = temp.Join(i % 7 == 3 ? "missing/" + name : "dst/" + name);
    jobs.push_back({temp.WriteFile("src/" + name, std::string(i * 37, 'x') + name).c_str(), target.c_str()});
  }
  temp.WriteFile("dst/keep", "");
  for (unsigned threads : {0u, 1u, 4u}) {
    SCOPED_TRACE(threads);
    std::string expected, steps;
    OvCopyFilesInOrder(
        jobs, [&](size_t i) { steps += "a" + std::to_string(i); },
        [&](size_t i, bool copied) { steps += (copied ? "+" : "-") + std::to_string(i) + " "; }, threads);
    for (int i = 0; i < 120; ++i) {
      expected += "a" + std::to_string(i) + (i % 7 == 3 ? "-" : "+") + std::to_string(i) + " ";
      if (i % 7 != 3) {
        ASSERT_EQ(ReadFileBytes(temp.Join("dst/" + std::to_string(i))),
                  std::string(i * 37, 'x') + std::to_string(i));
      }
    }
    EXPECT_EQ(steps, expected);
  }
}
