#pragma once
// The screen fake the tests share: size, colours and fonts as the test sets them.
#include <string>

#include "core/ports.h"

namespace bw::test {

class FakeScreen : public IScreen {
public:
    explicit FakeScreen(int w = 1920, int h = 1080) : width(w), height(h) {}
    int width;
    int height;
    int bits = 24;
    bool tahoma = true;  // whether the "Tahoma" font is installed
    int Width() override { return width; }
    int Height() override { return height; }
    int ColorBits() override { return bits; }
    bool HasFont(const std::string& family) override { return family != "Tahoma" || tahoma; }
};

}  // namespace bw::test
