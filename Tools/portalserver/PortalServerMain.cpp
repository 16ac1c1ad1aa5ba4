// rivakel_portalserver [--port N] [--port-file PATH] [--record PATH] [--faults kind=rate,...]
//                      [--seed N] [--fault-hello] [--hello STATUS[:TEXT]] [--banner-file PATH]
//                      [--banner-redirect URL] [--trickle-ms N]
// Serves on 127.0.0.1 until SIGINT or SIGTERM. Fault kinds: drop, reset, stall, garbage, 500,
// trickle, endless. Each --hello answers one handshake in turn; the last answers every later one.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <pthread.h>

#include "Tools/portalserver/PortalServer.h"

namespace {

bool ParseFaults(const std::string& text, portal::ServerOptions& options) {
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        const size_t equals = item.find('=');
        const std::optional<portal::Fault> fault = portal::FaultFromName(item.substr(0, equals));
        if (!fault || equals == std::string::npos) return false;
        options.faultRates[*fault] = std::atof(item.substr(equals + 1).c_str());
    }
    return true;
}

int Usage() {
    std::cerr << "usage: rivakel_portalserver [--port N] [--port-file PATH] [--record PATH] [--faults kind=rate,...]\n"
                 "       [--seed N] [--fault-hello] [--hello STATUS[:TEXT]] [--banner-file PATH] [--banner-redirect URL]\n"
                 "       [--trickle-ms N]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    portal::ServerOptions options;
    std::string portFile;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--fault-hello") {
            options.faultHello = true;
            continue;
        }
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (flag == "--port") {
            options.port = static_cast<uint16_t>(std::atoi(value.c_str()));
        } else if (flag == "--port-file") {
            portFile = value;
        } else if (flag == "--record") {
            options.recordPath = value;
        } else if (flag == "--faults") {
            if (!ParseFaults(value, options)) return Usage();
        } else if (flag == "--seed") {
            options.seed = static_cast<uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (flag == "--hello") {
            options.helloAnswers.push_back({value.substr(0, 2), value.size() > 3 ? value.substr(3) : ""});
        } else if (flag == "--banner-file") {
            std::ifstream file(value, std::ios::binary);
            options.bannerDocument.assign(std::istreambuf_iterator<char>(file), {});
        } else if (flag == "--trickle-ms") {
            options.trickleDelayMs = static_cast<uint32_t>(std::atoi(value.c_str()));
        } else if (flag == "--banner-redirect") {
            options.bannerRedirect = value;
        } else {
            return Usage();
        }
    }
    // Blocked before any thread starts, so only the wait below takes them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    portal::PortalServer server(options);
    if (!server.Start()) {
        std::cerr << "rivakel_portalserver: cannot listen on 127.0.0.1:" << options.port << "\n";
        return 1;
    }
    if (!portFile.empty()) {
        const std::string temp = portFile + ".tmp";
        std::ofstream(temp) << server.Port() << "\n";
        std::rename(temp.c_str(), portFile.c_str());
    }
    std::cout << "rivakel_portalserver listening on 127.0.0.1:" << server.Port() << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.Stop();
    return 0;
}
