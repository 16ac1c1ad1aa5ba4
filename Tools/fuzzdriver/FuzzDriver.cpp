// Runs a fuzz target without libFuzzer: replays every file of the corpus folder, then a fixed
// number of inputs made by mutating those files. A missing or empty corpus is a fault of the
// target and fails the run. The seed is fixed so a failure repeats; RIVAKEL_FUZZ_RUNS sets the
// number of mutated inputs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// Every regular file of `folder`, in name order; nullopt (and why on standard error) when the
// folder is missing, holds no file, or a file cannot be read.
std::optional<std::vector<std::vector<uint8_t>>> LoadCorpus(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "fuzz driver: no corpus folder %s\n", folder.c_str());
        return std::nullopt;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    if (ec || files.empty()) {
        std::fprintf(stderr, "fuzz driver: the corpus folder %s holds no input\n", folder.c_str());
        return std::nullopt;
    }
    std::sort(files.begin(), files.end());
    std::vector<std::vector<uint8_t>> corpus;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad() || !in.is_open()) {
            std::fprintf(stderr, "fuzz driver: cannot read %s\n", file.c_str());
            return std::nullopt;
        }
    }
    return corpus;
}

std::vector<uint8_t> Mutate(std::vector<uint8_t> input, std::mt19937& rng) {
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < edits; ++i) {
        switch (rng() % 5) {
        case 0:  // flip a byte
            if (!input.empty()) input[rng() % input.size()] = static_cast<uint8_t>(rng());
            break;
        case 1:  // insert a byte
            input.insert(input.begin() + static_cast<long>(input.empty() ? 0 : rng() % (input.size() + 1)),
                         static_cast<uint8_t>(rng()));
            break;
        case 2:  // cut the tail
            if (!input.empty()) input.resize(rng() % input.size());
            break;
        case 3:  // erase a byte
            if (!input.empty()) input.erase(input.begin() + static_cast<long>(rng() % input.size()));
            break;
        default:  // duplicate a slice
            if (input.size() > 1) {
                const size_t from = rng() % input.size();
                const size_t len = 1 + rng() % std::min<size_t>(64, input.size() - from);
                std::vector<uint8_t> slice(input.begin() + static_cast<long>(from),
                                           input.begin() + static_cast<long>(from + len));
                input.insert(input.begin() + static_cast<long>(rng() % input.size()), slice.begin(), slice.end());
            }
            break;
        }
    }
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argc > 0 ? argv[0] : "fuzz target");
        return 2;
    }
    const auto corpus = LoadCorpus(argv[1]);
    if (!corpus) return 1;
    for (const auto& input : *corpus) LLVMFuzzerTestOneInput(input.data(), input.size());

    const char* runsText = std::getenv("RIVAKEL_FUZZ_RUNS");
    const long runs = runsText != nullptr ? std::strtol(runsText, nullptr, 10) : 2000;
    std::mt19937 rng(12345);
    for (long i = 0; i < runs; ++i) {
        const std::vector<uint8_t> input = Mutate((*corpus)[rng() % corpus->size()], rng);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu corpus inputs and %ld mutated inputs ran\n", corpus->size(), runs);
    return 0;
}
