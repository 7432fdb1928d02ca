#pragma once
// A damaged file of the player's is never deleted: it is moved or copied
// aside under the first free name "<file>.bad", "<file>.bad2", ... so that
// what a repair drops can still be found.
#include <string>

namespace bw {

// The first name of that row under which nothing exists yet (not even a
// dangling link or a folder).
std::string FreeAsideName(const std::string& path);

// Copies the file's bytes, in one atomic replace, to a free aside name;
// that name, or the empty text when the copy could not be made.
std::string CopyAside(const std::string& path);

// The last part of a path, for messages.
std::string FileNameOf(const std::string& path);

}  // namespace bw
