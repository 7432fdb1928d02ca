#include "artgen.h"
namespace artgen {
void MakeBackgrounds(Library&) {}
void MakeIcons(Library&) {}
void MakeSplash(Library&) {}
void MakeCursors(Library&) {}
void MakeSounds(Library&) {}
}
