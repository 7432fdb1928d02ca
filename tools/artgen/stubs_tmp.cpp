#include "artgen.h"
namespace artgen {
void MakeBacks(Library&) {}
void MakeTableArt(Library&) {}
void MakeBackgrounds(Library&) {}
void MakeIcons(Library&) {}
void MakeSplash(Library&) {}
void MakeCursors(Library&) {}
void MakeSounds(Library&) {}
}
