#pragma once
// Subcommands of brindlewick-tool register themselves at start-up.
#include <string>
#include <vector>

namespace bw {
struct Game;
}

namespace bw::tool {

using Args = std::vector<std::string>;

struct Command {
    std::string name;
    std::string usage;  // without the program name; more lines are indented
    // Exit status; 2 for bad usage. `game` is the command's own, fresh.
    int (*run)(Game& game, const Args& args);
};

std::vector<Command>& Commands();

struct Register {
    explicit Register(Command c) { Commands().push_back(std::move(c)); }
};

// Prints "brindlewick-tool: " + message to standard error; returns 2.
int UsageError(const std::string& message);

// The program folder the tool works in: the folder of the tool itself,
// where the build puts GAMES.DAT and QLR.RGF.
void UseProgramDir();

}  // namespace bw::tool
