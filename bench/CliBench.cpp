// SPDX-License-Identifier: GPL-3.0-or-later
// The whole `tarnel-batch` run, as a script would start it: process start, loading the model
// file, the batch run and writing the results. Over the 746-rule length-keeping model, the
// span15 sample, and the models generated apart from this repository when they are there.
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

// Whole runs of `model`, the argument giving --jobs (0: the default, every core).
void runModel(benchmark::State& state, const std::string& model, const char* target) {
    state.SetLabel(target);
    std::vector<std::string> arguments{TARNEL_BATCH_PROGRAM, model};
    if (state.range(0) > 0)
        arguments.insert(arguments.begin() + 1, {"--jobs", std::to_string(state.range(0))});
    for (auto _ : state)
        if (!runQuietly(arguments))
            state.SkipWithError("tarnel-batch failed");
}

// The argument is --jobs: one core, then every core.
void BM_TarnelBatchRun(benchmark::State& state) {
    runModel(state, writtenModel().string(),
             "target: <= 40 ms on every core, 1.8 times faster than on one");
}
BENCHMARK(BM_TarnelBatchRun)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The span15 sample, as a user runs it.
void BM_TarnelBatchSpan15(benchmark::State& state) {
    runModel(state, std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl", "target: <= 10 ms");
}
BENCHMARK(BM_TarnelBatchSpan15)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The models generated apart from this repository: on one core, then with the default --jobs.
void runShared(benchmark::State& state, const char* name) {
    const std::string path = sharedModelPath(name);
    if (!std::filesystem::exists(path))
        state.SkipWithError(missingSharedModel(name).c_str());
    else
        runModel(state, path,
                 state.range(0) == 1
                     ? "target: <= 70 ms"
                     : "target: <= 40 ms, 1.8 times faster than on one core, never slower");
}

void BM_TarnelBatchSteady(benchmark::State& state) {
    runShared(state, steadySharedModel);
}
BENCHMARK(BM_TarnelBatchSteady)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TarnelBatchCascade(benchmark::State& state) {
    runShared(state, cascadeSharedModel);
}
BENCHMARK(BM_TarnelBatchCascade)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tarnel::bench
