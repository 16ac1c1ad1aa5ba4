// Reading and writing back a store of about 1 MB (goal: under 20 ms each way), property
// lookups in it, a game's 100,000 distinct keys set and read back (goal: under 1 s each in
// all) and that store saved and loaded, and base64 of 1 MB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/store/Base64.h"
#include "core/store/MarkupDoc.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"
#include "core/store/UserStore.h"

namespace {

// 50 users x 12 games x 28 properties: about 1 MB of text.
std::unique_ptr<RdtNode> MakeBigCore() {
    auto root = std::make_unique<RdtNode>("RDT");
    root->AddAttr("ver", "00.01.00.00");
    RdtNode* users = root->AddChild("Users");
    for (int u = 0; u < 50; ++u) {
        RdtNode* user = users->AddChild("User");
        user->AddAttr("localid", std::to_string(u));
        user->AddChild("Email")->SetText(u == 0 ? std::string("guest") : "player" + std::to_string(u) + "@example.com");
        for (int g = 0; g < 12; ++g) {
            RdtNode* rls = user->AddChild("RLS");
            rls->AddAttr("ownerid", "{GAME-" + std::to_string(g) + "}");
            for (int p = 0; p < 28; ++p) {
                RdtNode* prop = rls->AddChild("RLSProp");
                prop->AddAttr("name", "Score" + std::to_string(p) + "Name");
                prop->AddAttr("value", "Ann <" + std::to_string(u * p) + "> & \"Bob\"");
            }
        }
    }
    root->AddChild("Rivlets");
    root->AddChild("Shell")->AddChild("DefaultUser")->AddAttr("localid", "0");
    return root;
}

const std::string& BigCoreText() {
    static const std::string text = WriteRdt(*MakeBigCore());
    return text;
}

void BM_ReadStore1MB(benchmark::State& state) {
    const std::string& text = BigCoreText();
    for (auto _ : state) {
        std::string copy = text;
        BlankDamagedBytes(copy);
        RepairUserTags(copy);
        std::unique_ptr<RdtNode> root;
        ParseRdt(copy, root);
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadStore1MB)->Unit(benchmark::kMillisecond);

void BM_WriteStore1MB(benchmark::State& state) {
    const auto root = MakeBigCore();
    for (auto _ : state) {
        std::string text = WriteRdt(*root);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BigCoreText().size()));
}
BENCHMARK(BM_WriteStore1MB)->Unit(benchmark::kMillisecond);

void BM_MarkupReadAndSerialize1MB(benchmark::State& state) {
    const std::string& text = BigCoreText();
    for (auto _ : state) {
        auto* doc = new CMarkupDoc;
        doc->AddInternalRef();
        doc->Parse(text, true);
        std::string written = doc->Serialize();
        benchmark::DoNotOptimize(written);
        doc->ReleaseInternalRef();
    }
}
BENCHMARK(BM_MarkupReadAndSerialize1MB)->Unit(benchmark::kMillisecond);

// A whole save of the 1 MB store, flushed to the disk.
void BM_SaveCore1MB(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "rivakel-store-bench";
    std::filesystem::create_directories(folder / "Rivakel" / "System");
    std::ofstream(folder / "Rivakel" / "System" / "Core.rdt", std::ios::binary) << BigCoreText();
    UserStoreConfig config;
    config.installed = true;
    config.dataFolder = folder.string();
    config.runningGameId = [] { return std::string("{GAME-3}"); };
    config.currentUserEmail = [] { return std::string("player7@example.com"); };
    {
        CSubsystem_UserStore store(config);
        for (auto _ : state) {
            store.SetUserProp("Score1Name", "x");
            benchmark::DoNotOptimize(store.SaveCore());
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveCore1MB)->Unit(benchmark::kMillisecond);

void BM_UserPropGetSet(benchmark::State& state) {
    UserStoreConfig config;
    config.dataFolder = std::filesystem::temp_directory_path().string();
    config.shellFolder = "/nonexistent";
    config.runningGameId = [] { return std::string("{GAME-3}"); };
    config.currentUserEmail = [] { return std::string("guest"); };
    CSubsystem_UserStore store(config);
    for (int p = 0; p < 28; ++p) store.SetUserProp("Key" + std::to_string(p), "v");
    std::string value;
    int i = 0;
    for (auto _ : state) {
        const std::string key = "Key" + std::to_string(i++ % 28);
        store.SetUserProp(key, "value");
        benchmark::DoNotOptimize(store.GetUserProp(key, value));
    }
}
BENCHMARK(BM_UserPropGetSet);

// A game storing small values under as many keys as it likes.
constexpr int kManyKeys = 100000;

const std::vector<std::string>& ManyKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> made;
        for (int i = 0; i < kManyKeys; ++i) made.push_back("Level" + std::to_string(i) + "Best");
        return made;
    }();
    return keys;
}

std::filesystem::path ManyKeysFolder() { return std::filesystem::temp_directory_path() / "rivakel-many-keys-bench"; }

UserStoreConfig ManyKeysConfig(bool installed) {
    UserStoreConfig config;
    config.installed = installed;
    config.dataFolder = ManyKeysFolder().string();
    config.shellFolder = (ManyKeysFolder() / "Rivakel" / "System").string();
    config.runningGameId = [] { return std::string("{GAME-3}"); };
    config.currentUserEmail = [] { return std::string("guest"); };
    return config;
}

void SetManyKeys(CSubsystem_UserStore& store) {
    for (const std::string& key : ManyKeys()) store.SetUserProp(key, "12");
}

void BM_SetManyDistinctKeys(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<CSubsystem_UserStore>(ManyKeysConfig(false));
        state.ResumeTiming();
        SetManyKeys(*store);
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["keys"] = kManyKeys;
}
BENCHMARK(BM_SetManyDistinctKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GetManyDistinctKeys(benchmark::State& state) {
    CSubsystem_UserStore store(ManyKeysConfig(false));
    SetManyKeys(store);
    std::string value;
    for (auto _ : state) {
        for (const std::string& key : ManyKeys()) {
            if (store.GetUserProp(key, value) != kStoreOk || value != "12") state.SkipWithError("a key was lost");
        }
    }
}
BENCHMARK(BM_GetManyDistinctKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

// The store holding them as a file, made without the store's lookups.
std::filesystem::path WriteManyKeysCore() {
    const std::filesystem::path system = ManyKeysFolder() / "Rivakel" / "System";
    std::filesystem::create_directories(system);
    RdtNode root("RDT");
    root.AddAttr("ver", "00.01.00.00");
    RdtNode* guest = root.AddChild("Users")->AddChild("User");
    guest->AddAttr("localid", "0");
    guest->AddChild("Email")->SetText("guest");
    RdtNode* game = guest->AddChild("RLS");
    game->AddAttr("ownerid", "{GAME-3}");
    for (const std::string& key : ManyKeys()) {
        RdtNode* prop = game->AddChild("RLSProp");
        prop->AddAttr("name", key);
        prop->AddAttr("value", "12");
    }
    root.AddChild("Rivlets");
    root.AddChild("Shell")->AddChild("DefaultUser")->AddAttr("localid", "0");
    std::ofstream(system / "Core.rdt", std::ios::binary | std::ios::trunc) << WriteRdt(root);
    return system / "Core.rdt";
}

// The whole save, flushed to the disk, of the store holding them.
void BM_SaveManyKeys(benchmark::State& state) {
    const std::filesystem::path core = WriteManyKeysCore();
    {
        CSubsystem_UserStore store(ManyKeysConfig(true));
        for (auto _ : state) {
            if (store.SaveCore() != kStoreOk) state.SkipWithError("not saved");
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(core));
    std::filesystem::remove_all(ManyKeysFolder());
}
BENCHMARK(BM_SaveManyKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

// The start of a store holding them, and one key read (the first read indexes them all).
void BM_LoadManyKeys(benchmark::State& state) {
    WriteManyKeysCore();
    std::string value;
    for (auto _ : state) {
        CSubsystem_UserStore store(ManyKeysConfig(false));
        if (store.GetUserProp(ManyKeys().back(), value) != kStoreOk) state.SkipWithError("not read back");
    }
    std::filesystem::remove_all(ManyKeysFolder());
}
BENCHMARK(BM_LoadManyKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Base64Encode1MB(benchmark::State& state) {
    const std::string bytes(1 << 20, '\x5A');
    CBase64 coder;
    for (auto _ : state) coder.EncodeText(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Base64Encode1MB)->Unit(benchmark::kMillisecond);

void BM_Base64Decode1MB(benchmark::State& state) {
    CBase64 coder;
    coder.EncodeText(std::string(1 << 20, '\x5A'));
    const std::string text(coder.GetEncoded());
    for (auto _ : state) benchmark::DoNotOptimize(coder.DecodeText(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Base64Decode1MB)->Unit(benchmark::kMillisecond);

}  // namespace
