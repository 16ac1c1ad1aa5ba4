// The real program, headless, started on a user store as a disk, a kill or a power cut leaves it:
// a Core damaged anywhere, and a kill right after the damaged file was kept aside. Whatever was
// read, the user's store is never lost: either every user and value is in the new Core, or the
// file as it was lies beside it byte for byte; and the installed portal stays installed.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/tests/HeadlessPortal.h"

namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

constexpr const char* kStarted = "main window 800x572 shown";

// A store as the portal writes it, of about 2 MB: 133 users with two games' records each, a
// game's shared values, the installation's identifier.
std::string ValidCore() {
    std::string core = "<RDT ver=\"00.01.00.00\" shellver=\"01.00.00.0001\">\r\n   <Users>\r\n";
    for (int user = 0; user < 133; ++user) {
        const std::string id = std::to_string(user);
        core += "      <User localid=\"" + id + "\">\r\n         <Email>" +
                (user == 0 ? std::string("guest") : "player" + id + "@example.com") + "</Email>\r\n";
        core += "         <RegDate>" + std::to_string(800000000 + user) + "</RegDate>\r\n";
        for (int game = 1; game <= 2; ++game) {
            core += "         <RLS ownerid=\"{GAME-" + std::to_string(game) + "}\">\r\n";
            for (int key = 0; key < 120; ++key) {
                core += "            <RLSProp name=\"Score" + std::to_string(key) + "Name\" value=\"Player " + id +
                        " &amp; " + std::to_string(key * game) + "\"/>\r\n";
            }
            core += "         </RLS>\r\n";
        }
        core += "      </User>\r\n";
    }
    core += "   </Users>\r\n   <Rivlets>\r\n      <{GAME-1}>\r\n"
            "         <RLSProp name=\"Jackpot\" value=\"12345\"/>\r\n      </{GAME-1}>\r\n   </Rivlets>\r\n"
            "   <Shell>\r\n      <DefaultUser localid=\"0\"/>\r\n"
            "      <ShellGUID>{6B29FC40-CA47-1067-B31D-00DD010662DA}</ShellGUID>\r\n   </Shell>\r\n</RDT>\r\n";
    return core;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// Every line of `original` is in `now`, in the same order: no user, record or setting was lost.
bool KeepsEveryLine(const std::string& original, const std::string& now) {
    const std::vector<std::string> kept = Lines(now);
    auto at = kept.begin();
    for (const std::string& line : Lines(original)) {
        at = std::find(at, kept.end(), line);
        if (at == kept.end()) return false;
        ++at;
    }
    return true;
}

enum class Harm { None, Bytes, Cut, StrayEndTag, StraySlash };

struct Damaged {
    Harm kind;
    size_t offset;
    std::string text;
};

Damaged Damage(const std::string& valid, Harm kind, std::mt19937& random) {
    Damaged made{kind, std::uniform_int_distribution<size_t>(0, valid.size() - 1)(random), valid};
    switch (kind) {
    case Harm::None: break;
    case Harm::Bytes: {
        // As a disk damages a block: any byte values.
        const size_t count = std::uniform_int_distribution<size_t>(64, 512)(random);
        for (size_t i = made.offset; i < std::min(made.offset + count, valid.size()); ++i)
            made.text[i] = static_cast<char>(random() & 0xFF);
        break;
    }
    case Harm::Cut: made.text.resize(made.offset + 1); break;
    case Harm::StrayEndTag: {
        static const char* const kNames[] = {"User", "RLS", "Users", "RDT", "x"};
        made.text.insert(made.offset, std::string("</") + kNames[random() % 5] + ">");
        break;
    }
    case Harm::StraySlash: made.text.insert(made.offset, "/>"); break;
    }
    return made;
}

// The files kept aside as damaged, by name.
std::vector<fs::path> KeptAside(const fs::path& system) {
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(system)) {
        if (entry.path().filename().string().starts_with("Core.rdt.damaged")) kept.push_back(entry.path());
    }
    return kept;
}

TEST(DamagedStore, EveryDamageKeepsEveryUserAndValueOrTheFileAsItWasBesideTheNewOne) {
    const std::string valid = ValidCore();
    ASSERT_GT(valid.size(), size_t{2} << 20);
    std::mt19937 random(20261210);
    const Harm kinds[] = {Harm::Bytes, Harm::Cut, Harm::StrayEndTag, Harm::StraySlash};
    std::vector<Damaged> runs{{Harm::None, 0, valid}};
    for (int run = 0; run < 50; ++run) runs.push_back(Damage(valid, kinds[run % 4], random));

    // A few portals at a time, each in its own folders.
    constexpr size_t kAtOnce = 5;
    int keptWhole = 0;
    int keptAside = 0;
    for (size_t first = 0; first < runs.size(); first += kAtOnce) {
        std::vector<std::unique_ptr<HeadlessPortal>> portals;
        for (size_t i = first; i < std::min(first + kAtOnce, runs.size()); ++i) {
            portals.push_back(std::make_unique<HeadlessPortal>(fs::temp_directory_path() /
                                                       ("rivakel-damaged-" + std::to_string(::getpid()) + "-" +
                                                        std::to_string(i))));
            WriteText(portals.back()->Core(), runs[i].text);
            ASSERT_TRUE(portals.back()->Start());
        }
        for (size_t i = first; i < first + portals.size(); ++i) {
            HeadlessPortal& portal = *portals[i - first];
            const Damaged& run = runs[i];
            SCOPED_TRACE("run " + std::to_string(i) + ", damage " + std::to_string(static_cast<int>(run.kind)) +
                         " at " + std::to_string(run.offset));
            ASSERT_TRUE(portal.Says(kStarted)) << portal.Log();
            const int status = portal.End(SIGTERM);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << portal.Log();
            ASSERT_TRUE(fs::is_regular_file(portal.Core()));
            const bool whole = KeepsEveryLine(valid, ReadText(portal.Core()));
            const std::vector<fs::path> kept = KeptAside(portal.System());
            const bool aside = kept.size() == 1 && ReadText(kept[0]) == run.text;
            EXPECT_TRUE(whole || aside) << portal.Log();
            if (aside) {
                EXPECT_NE(portal.Log().find("kept aside as Core.rdt.damaged"), std::string::npos);
            }
            if (run.kind == Harm::None) {
                EXPECT_TRUE(whole && kept.empty()) << "an undamaged store kept aside";
            }
            keptWhole += whole;
            keptAside += aside;
        }
    }
    std::cout << keptWhole << " runs kept every line, " << keptAside << " kept the file aside\n";
}

TEST(DamagedStore, AKillRightAfterTheCoreIsKeptAsideLeavesTheInstalledPortalInstalled) {
    const std::string cut = "<RDT ver=\"00.01.00.00\" shellver=\"01.00.00.0001\">\r\n   <Users>\r\n"
                            "      <User localid=\"0\">\r\n         <Email>guest</Email>\r\n"
                            "         <RegDate>800000000</RegDate>\r\n      </User>\r\n      <User localid=\"1\">\r\n"
                            "         <Email>ann@example.com</Email>\r\n         <RegDate>8000";
    HeadlessPortal portal(fs::temp_directory_path() / ("rivakel-kept-aside-" + std::to_string(::getpid())));
    WriteText(portal.Core(), cut);
    ASSERT_TRUE(portal.Start());
    ASSERT_TRUE(portal.Says("kept aside as Core.rdt.damaged")) << portal.Log();
    ASSERT_TRUE(WIFSIGNALED(portal.End(SIGKILL)));
    EXPECT_EQ(ReadText(portal.System() / "Core.rdt.damaged"), cut);
    ASSERT_TRUE(fs::is_regular_file(portal.Core()));

    // The next start is installed: it saves, with the user that was read.
    ASSERT_TRUE(portal.Start());
    ASSERT_TRUE(portal.Says(kStarted)) << portal.Log();
    const int status = portal.End(SIGTERM);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << portal.Log();
    EXPECT_NE(ReadText(portal.Core()).find("<Email>ann@example.com</Email>"), std::string::npos);
    EXPECT_NE(ReadText(portal.System() / "Outbox.rdt").find("SessionStopped"), std::string::npos);
}

}  // namespace
