#pragma once
// Times a whole other program (a reference tool such as ImageMagick's convert) as a Google
// Benchmark loop: the wall time of each run, and the child's own processor time as the counter
// "child_cpu_ms", since the work happens in the child.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

inline void timeChildProcess(benchmark::State& state, const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    double childCpuMs = 0.0;
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawnp(&child, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0) {
            state.SkipWithError((command[0] + " not found").c_str());
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError((command[0] + " failed").c_str());
            break;
        }
        childCpuMs += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    state.counters["child_cpu_ms"] = benchmark::Counter(childCpuMs, benchmark::Counter::kAvgIterations);
}
