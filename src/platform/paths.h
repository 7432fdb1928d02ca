#pragma once
// The program's files are named relative to its own folder with backslashes
// ("DATA\Cfg.dat"); on Linux every component is matched without regard to
// case against what exists, so "DATA" and "Data" name one folder.
#include <string>

namespace bw::platform {

// Folder of the running executable, ending with '/'.
std::string ExecutableDir();

// The folder of the program's read-only files ("GAMES.DAT", "QLR.RGF",
// "help"): `exeDir` itself when "GAMES.DAT" lies there (a build folder),
// otherwise the installed data folder `exeDir` + `installedRelative` (when
// that exists), so that a moved installation still finds its files. Ends
// with '/'. The overload without arguments asks for the running program.
std::string ReadOnlyDataDir(const std::string& exeDir, const std::string& installedRelative);
std::string ReadOnlyDataDir();

// The program's own loadable module `fileName` (the sound output): beside
// the executable in a build folder, otherwise in the installed module folder
// found relative to the executable the same way.
std::string ModulePath(const std::string& fileName);

// Resolves `relative` (components separated by '\' or '/') under `base`.
// Each existing component is matched case-insensitively (an exact match wins);
// components that do not exist keep the case given. `base` ends with '/'.
std::string ResolvePath(const std::string& base, const std::string& relative);

// Where the "DATA" folder lives when it is not under the program folder
// (a read-only installation); empty = under the program folder.
void SetDataDirOverride(const std::string& dir);
const std::string& DataDirOverride();

// Resolves a program-relative name against `programDir`, redirecting a first
// component "DATA" (any case) to the data override when one is set.
std::string ProgramPath(const std::string& programDir, const std::string& relative);

bool FileExists(const std::string& path);
bool DirExists(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);  // replaces `to` atomically
bool MakeDir(const std::string& path);
// The folder part of a path including its trailing '/', or "" without one.
std::string DirOf(const std::string& path);
std::string ToLower(std::string s);
bool IEquals(const std::string& a, const std::string& b);

}  // namespace bw::platform
