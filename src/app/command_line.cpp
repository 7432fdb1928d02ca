#include "app/command_line.h"

#include <algorithm>

#include "app/placeholders.h"
#include "app/product_info.h"
#include "build_info.h"

namespace bw {

std::optional<int> AnswerCommandLine(const std::vector<std::string>& args,
                                     const std::string& programDir, const std::string& dataDir,
                                     std::ostream& out) {
    auto has = [&args](std::initializer_list<const char*> names) {
        return std::any_of(args.begin(), args.end(), [&](const std::string& a) {
            return std::find(names.begin(), names.end(), a) != names.end();
        });
    };
    if (has({"--help", "-h"})) {
        out << "Usage: brindlewick [--help | --version]\n\n"
            << kProductName << " " << BW_VERSION << ". " << kProductLine << "\n"
            << "The game is played with the mouse or the keyboard and takes no other arguments.\n\n"
            << "  -h, --help     show this help and exit\n"
            << "      --version  show the version and exit\n\n"
            << "Games, pictures and help: " << programDir << "\n"
            << "Settings and statistics:  " << dataDir << "\n";
        return 0;
    }
    if (has({"--version"})) {
        out << "brindlewick " << BW_VERSION << "\n" << kProductName << "\n" << BW_COPYRIGHT << "\n";
        return 0;
    }
    return std::nullopt;
}

}  // namespace bw
