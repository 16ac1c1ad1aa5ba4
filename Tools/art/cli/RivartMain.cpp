// rivart: draws every picture and makes every sound of the module whose recipes are linked in,
// checks them, and writes them with a contact sheet and a list of the sounds.
//
//   rivart_<module> --out <folder> [--stamp <file>]    write (fails on any broken rule)
//   rivart_<module> --check                            check only
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "art/ArtCheck.h"
#include "art/ArtRegistry.h"
#include "art/ContactSheet.h"
#include "art/GifWriter.h"
#include "art/PngWriter.h"
#include "art/Quantiser.h"
#include "art/Sound.h"
#include "core/resources/CursorResource.h"

namespace {

bool WriteIfChanged(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (in) {
        const std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (old == bytes) return true;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::vector<std::string> CheckSound(const std::string& name, const art::Sound& sound) {
    std::vector<std::string> problems;
    if (!name.ends_with(".wav")) problems.push_back(name + ": a sound's name ends in .wav");
    if (sound.Frames() == 0) problems.push_back(name + ": empty");
    if (sound.channels != 1 && sound.channels != 2) problems.push_back(name + ": mono or stereo only");
    if (sound.Peak() > 1.0f) problems.push_back(name + ": clips");
    if (sound.Frames() > 0) {
        const float first = std::fabs(sound.samples.front()), last = std::fabs(sound.samples.back());
        if (first > 0.01f || last > 0.01f) problems.push_back(name + ": starts or ends with a click");
    }
    return problems;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, stamp;
    bool checkOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check") checkOnly = true;
        else if (arg == "--out" && i + 1 < argc) out = argv[++i];
        else if (arg == "--stamp" && i + 1 < argc) stamp = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s (--out <folder> [--stamp <file>] | --check)\n", argv[0]);
            return 2;
        }
    }
    if (!checkOnly && out.empty()) return std::fprintf(stderr, "%s: --out or --check is needed\n", argv[0]), 2;
    const std::filesystem::path folder(out);
    std::error_code ec;
    if (!checkOnly) std::filesystem::create_directories(folder, ec);

    std::vector<std::string> problems;
    bool written = true;
    const auto& registry = art::ArtRegistry::Instance();
    std::vector<art::Picture> pictures;
    pictures.reserve(registry.Images().size());
    std::vector<art::SheetItem> sheet;
    for (const art::ImageRecipe* recipe : registry.Images()) {
        pictures.push_back(recipe->draw());
        const art::Picture& picture = pictures.back();
        auto found = art::CheckPicture(*recipe, picture);
        if (picture.frames.empty() || !found.empty()) {
            problems.insert(problems.end(), found.begin(), found.end());
            continue;
        }
        const art::Quantised quantised = art::Quantise(picture.frames);
        for (const auto& p : art::CheckQuantised(picture.frames, quantised)) problems.push_back(recipe->name + ": " + p);
        std::string error;
        auto gif = art::EncodeGif(picture.frames, quantised, picture.delays, picture.loop, &error);
        if (!gif) {
            problems.push_back(recipe->name + ": " + error);
            continue;
        }
        sheet.push_back({recipe->name, &picture.frames});
        if (checkOnly) continue;
        if (recipe->IsCursor()) *gif = resources::MakeCursorResource(recipe->hotX, recipe->hotY, *gif);
        written = WriteIfChanged(folder / recipe->name, *gif) && written;
    }

    std::string soundList;
    for (const art::SoundRecipe* recipe : registry.Sounds()) {
        const art::Sound sound = recipe->make();
        auto found = CheckSound(recipe->name, sound);
        problems.insert(problems.end(), found.begin(), found.end());
        char line[256];
        std::snprintf(line, sizeof line, "%-28s %6.3f s  %s  peak %6.2f dBFS\n", recipe->name.c_str(), sound.Seconds(),
                      sound.channels == 2 ? "stereo" : "mono  ", sound.PeakDbfs());
        soundList += line;
        if (!checkOnly && found.empty()) written = WriteIfChanged(folder / recipe->name, art::EncodeWav(sound)) && written;
    }

    for (const auto& p : problems) std::fprintf(stderr, "rivart: %s\n", p.c_str());
    if (!problems.empty()) return 1;
    if (checkOnly) return 0;

    written = WriteIfChanged(folder / "contact-sheet.png", art::EncodePng(art::MakeContactSheet(sheet))) && written;
    written = WriteIfChanged(folder / "sounds.txt", std::vector<uint8_t>(soundList.begin(), soundList.end())) && written;
    if (!stamp.empty()) {
        std::ofstream(stamp, std::ios::trunc) << registry.Images().size() << " pictures, " << registry.Sounds().size()
                                              << " sounds\n";
    }
    if (!written) {
        std::fprintf(stderr, "rivart: cannot write into %s\n", out.c_str());
        return 1;
    }
    return 0;
}
