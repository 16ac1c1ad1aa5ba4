// Games' stored values through the store as the settings interface uses it: arbitrary keys and
// values (C strings, as games pass them) set and read for two games, game-wide and per user. A
// value reads back as set at once, and an installed store's files, read by the next start, give
// every key the same answer and the same Core file.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/RdtWriter.h"
#include "core/store/UserStore.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// The data folder the runs share, one per process, removed at its end; in memory where the
// machine has a folder for it, as every run writes and syncs the store's files.
class Folder {
public:
    Folder() : path_(Base() / ("rivakel-game-values-fuzz-" + std::to_string(getpid()))) {}
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Empty() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directories(path_);
        return path_;
    }

private:
    static std::filesystem::path Base() {
        std::error_code ignored;
        return std::filesystem::is_directory("/dev/shm", ignored) ? std::filesystem::path("/dev/shm")
                                                                  : std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

Folder g_folder;
constexpr std::string_view kGames[] = {"{AF8BC481-D674-4C37-A185-4605F14F5421}", "Dunmoro"};
constexpr size_t kMaxSteps = 64;

// The next text up to a NUL or the end, as a game's C string ends.
std::string_view NextText(std::string_view& input) {
    const size_t end = input.find('\0');
    const std::string_view text = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return text;
}

struct Asked {
    bool perUser = false;
    size_t game = 0;
    std::string key;
};

int Get(CSubsystem_UserStore& store, const Asked& asked, std::string& value) {
    return asked.perUser ? store.GetUserProp(asked.key, value) : store.GetGameProp(asked.key, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t game = 0;
    UserStoreConfig config;
    config.installed = true;
    config.dataFolder = g_folder.Empty().string();
    config.runningGameId = [&game] { return std::string(kGames[game]); };
    config.currentUserEmail = [] { return std::string("guest"); };

    std::vector<Asked> asked;
    {
        CSubsystem_UserStore store(config);
        std::string_view input(reinterpret_cast<const char*>(data), size);
        for (size_t step = 0; step < kMaxSteps && !input.empty(); ++step) {
            const auto op = static_cast<uint8_t>(input.front());
            input.remove_prefix(1);
            game = (op >> 1) % std::size(kGames);
            Asked next{(op & 1) != 0, game, std::string(NextText(input))};
            std::string value;
            if ((op & 4) != 0) {
                const std::string_view set = NextText(input);
                const int result = next.perUser ? store.SetUserProp(next.key, set) : store.SetGameProp(next.key, set);
                Check(result == kStoreOk && Get(store, next, value) == kStoreOk && value == set);
            } else {
                (void)Get(store, next, value);
            }
            asked.push_back(std::move(next));
        }
        Check(store.SaveCore() == kStoreOk);
        // What the next start must find.
        CSubsystem_UserStore next(config);
        Check(WriteRdt(*next.CoreRoot()) == WriteRdt(*store.CoreRoot()));
        for (const Asked& a : asked) {
            game = a.game;
            std::string before, after;
            Check(Get(store, a, before) == Get(next, a, after) && before == after);
        }
    }
    return 0;
}
