#pragma once
// What every drawing benchmark needs once per run: one application with
// widgets (offscreen unless a platform is named), the resource library and the
// program folder beside the benchmark.
#include <QApplication>
#include <string>

#include "core/params.h"
#include "platform/paths.h"
#include "render/library.h"
#include "storage/game_store.h"

namespace bw::bench {

// Returns the program folder (with its trailing separator).
inline const std::string& StartBenchApp() {
    static const std::string bin = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bw_bench";
        static char* argv[] = {name, nullptr};
        static QApplication app(argc, argv);
        const std::string dir = platform::ExecutableDir();
        LoadResourceLibraryFile(dir + "QLR.RGF");
        SetProgramDir(dir);
        InstalledPorts().store = &FileGameStore();
        return dir;
    }();
    return bin;
}

}  // namespace bw::bench
