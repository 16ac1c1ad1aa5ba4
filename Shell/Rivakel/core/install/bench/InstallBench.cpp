// The first installation of the shell with an e-mailed game, without the desktop's tools: the
// real program and a test game copied into a fresh home each time.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/install/Installer.h"
#include "core/store/UserStore.h"
#include "platform/Host.h"

namespace {

namespace fs = std::filesystem;

// The program and the test games are built beside this benchmark.
fs::path BuildFolder() { return fs::path(platform::ExecutablePath()).parent_path(); }

void BM_SelfInstallation(benchmark::State& state) {
    const fs::path program = BuildFolder() / "rivakel";
    const fs::path game = BuildFolder() / "testgames/TestGame.gam";
    if (!fs::exists(program) || !fs::exists(game)) {
        state.SkipWithError("build the rivakel program and the test games first");
        return;
    }
    std::string pattern = platform::JoinPath(platform::TempFolder(), "rivakel-bench-XXXXXX");
    const fs::path root = ::mkdtemp(pattern.data());
    const fs::path launch = root / "~rv1";
    fs::create_directories(launch);
    fs::copy_file(program, launch / "rivakel");
    fs::copy_file(game, launch / "TestGame.gam");
    fs::copy_file(game, launch / "_TestGame.run");
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path home = root / ("home" + std::to_string(round++));
        InstallContext context;
        context.folders = {(home / "data").string(), (home / "Documents").string(), (home / "Desktop").string(),
                           (home / "data/applications").string()};
        context.launchPath = launch.string();
        context.setupFilePath = (launch / "_TestGame.run").string();
        context.gameFile = "TestGame.gam";
        context.shellFolder = launch.string();
        context.desktopTools = false;
        UserStoreConfig storeConfig;
        storeConfig.dataFolder = context.folders.dataRoot;
        storeConfig.shellFolder = launch.string();
        CSubsystem_UserStore store(storeConfig);
        context.store = &store;
        state.ResumeTiming();

        if (CInstaller(std::move(context)).Install() != kInstallOk) state.SkipWithError("the installation failed");

        state.PauseTiming();
        fs::remove_all(home);
        state.ResumeTiming();
    }
    fs::remove_all(root);
}
BENCHMARK(BM_SelfInstallation)->Unit(benchmark::kMillisecond);

}  // namespace
