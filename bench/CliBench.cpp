// SPDX-License-Identifier: GPL-3.0-or-later
// The whole `tarnel-batch` run, as a script would start it: process start, loading the model
// file, the batch run over the 746-rule length-keeping model and writing the results.
#include "BenchModels.h"
#include "model/ModelFile.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace tarnel::bench {
namespace {

std::filesystem::path writtenModel() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "tarnel-bench-keeping.tnl";
        if (const auto written = writeModelFile(lengthKeepingModel(), file); !written)
            throw std::runtime_error(written.message());
        return file;
    }();
    return path;
}

// Runs the program with its output thrown away; false when it did not end with status 0.
bool runQuietly(std::vector<std::string> arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The argument is --jobs: one core, then every core.
void BM_TarnelBatchRun(benchmark::State& state) {
    const std::string model = writtenModel().string();
    const std::string jobs = std::to_string(state.range(0));
    state.SetLabel("target: <= 40 ms on every core, 1.8 times faster than on one");
    for (auto _ : state)
        if (!runQuietly({TARNEL_BATCH_PROGRAM, "--jobs", jobs, model}))
            state.SkipWithError("tarnel-batch failed");
}
BENCHMARK(BM_TarnelBatchRun)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace tarnel::bench
