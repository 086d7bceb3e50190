#include "engine/parallel_jobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(ParallelJobs, RunsEveryJobOnceAndReportsEachOnTheCallingThread) {
    for (const size_t count : {size_t{0}, size_t{1}, size_t{7}, size_t{300}}) {
        SCOPED_TRACE(count);
        std::vector<std::atomic<int>> runs(count);
        int reported = 0;
        bool reportedHere = true;
        const std::thread::id caller = std::this_thread::get_id();
        runJobs(
            count, [&runs](size_t i) { ++runs[i]; },
            [&] {
                ++reported;
                reportedHere = reportedHere && std::this_thread::get_id() == caller;
            },
            4);
        for (size_t i = 0; i < count; ++i) EXPECT_EQ(runs[i].load(), 1) << "job " << i;
        EXPECT_EQ(reported, static_cast<int>(count));
        EXPECT_TRUE(reportedHere);
    }
}

}  // namespace
