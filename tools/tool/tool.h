#pragma once
// Subcommands of brindlewick-tool register themselves at start-up.
#include <string>
#include <vector>

namespace bw::tool {

using Args = std::vector<std::string>;

struct Command {
    std::string name;
    std::string usage;             // without the program name; more lines are indented
    int (*run)(const Args& args);  // exit status; 2 for bad usage
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
