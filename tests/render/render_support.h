#pragma once
// Shared by the render tests: a GUI application for the whole run, the built
// resource library, and a fixture with a fresh game state and a screen of
// chosen width.
#include <QImage>
#include <string>

#include "core/ports.h"
#include "support/fake_screen.h"
#include "support/test_support.h"

namespace bw::test {

// The QLR.RGF the build made beside the programs.
std::string BuiltLibraryPath();
// Loads the built library unless one is loaded; fails the test otherwise.
void UseBuiltLibrary();

// Writes `image` as a Windows bitmap file; returns the path.
std::string WriteBmp(const std::string& path, const QImage& image);

// True when both images have the same size and the same colour at every
// pixel (alpha ignored).
bool SamePixels(const QImage& a, const QImage& b);

// A translucent pile mark as the table shows it: laid over the part `at`
// of `background`.
QImage MarkOver(const QImage& mark, const QImage& background, const QRect& at);

}  // namespace bw::test
