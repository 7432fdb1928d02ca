#include <cstdio>
#include <iostream>
#include <memory>

#include "build_info.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "platform/paths.h"
#include "storage/game_store.h"
#include "tool.h"

namespace bw::tool {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

int UsageError(const std::string& message) {
    std::cerr << "brindlewick-tool: " << message << "\n";
    return 2;
}

void UseProgramDir() {
    SetProgramDir(platform::ReadOnlyDataDir());
}

}  // namespace bw::tool

int main(int argc, char** argv) {
    using namespace bw::tool;
    bw::InstalledPorts().store = &bw::FileGameStore();
    Args args(argv + 1, argv + argc);
    auto usage = [] {
        std::cerr << "usage:\n";
        for (const auto& c : Commands()) std::cerr << "  brindlewick-tool " << c.usage << "\n";
    };
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        usage();
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "brindlewick-tool " << BW_VERSION << "\n";
        return 0;
    }
    const auto game = std::make_unique<bw::Game>();
    bw::ResetGameState(*game);
    for (const auto& c : Commands()) {
        if (c.name == args[0]) return c.run(*game, Args(args.begin() + 1, args.end()));
    }
    std::cerr << "brindlewick-tool: unknown command '" << args[0] << "'\n";
    usage();
    return 2;
}
