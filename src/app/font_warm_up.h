#pragma once
// The font configuration is read at the first text a window draws: about
// 10 ms of parsing that waits for nothing else. Started on a thread of its
// own before the window system is reached, it runs beside Qt's own start.
#include <thread>

namespace bw {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp() { Wait(); }
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is loaded; called before the first
    // window, so that Qt never loads it a second time beside this one.
    void Wait();

private:
    std::thread thread_;
};

}  // namespace bw
