#include "render/win_animations.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/clock.h"
#include "render/drawing.h"
#include "render/surfaces.h"
#include "storage/preferences.h"

namespace bw {

const char* const kWinningShows[6] = {"Open order", "Left to right", "Up to down",
                                      "Festoons",   "Lines",         "Circles"};

namespace {

int Random(int n) {
    return static_cast<int>(platform::RandomBelow(n));
}

// One show's clock, pace and the card counter that sets the pauses.
class Show {
public:
    Show(Game& g, int durationMs, const WinArea& area)
        : g_(g),
          area_(area),
          duration_(durationMs),
          start_(platform::TickCount()),
          speed_(static_cast<int>(ParameterInt(field::kMoveSpeed, 10))) {}

    // True while the show may draw another card.
    bool Going() const {
        return Flag(g_, flag::kWinAnimation) &&
               static_cast<int64_t>(platform::TickCount() - start_) < duration_;
    }
    // A random card face up at a window position, on the window and the table picture.
    void Card(int left, int top) {
        DrawCard(g_, Random(51) + 1, left, top, false, Canvas::Table(g_));
        ShowTableChanges(g_);
        ++cards_;
    }
    bool Every(int n) const { return cards_ % n == 0; }
    void Pause(int ms) { Waits().Wait(ms); }
    void Responsive(int ms) { Waits().WaitResponsive(ms); }
    int half() const { return speed_ / 2; }
    int speed() const { return speed_; }
    const WinArea& area() const { return area_; }
    const Game& game() const { return g_; }

private:
    Game& g_;
    WinArea area_;
    int64_t duration_;
    uint32_t start_;
    int speed_;
    int cards_ = 0;
};

void OpenOrder(Show& s) {
    const WinArea& a = s.area();
    const Game& g = s.game();
    while (s.Going()) {
        const int left = Random(std::max(a.width + g.CardWidth / 2, 1)) - g.CardWidth / 2;
        const int top = Random(std::max(a.height + g.CardHeight / 2, 1)) - g.CardHeight / 2;
        s.Card(left, top);
        if (s.Every(5)) s.Responsive(s.half());
    }
}

void LeftToRight(Show& s) {
    const WinArea& a = s.area();
    const Game& g = s.game();
    const int step = static_cast<int>(g.CardWidth / 5.8);
    int passTop = a.top, x = -20, y = a.top, rows = 1;
    while (s.Going()) {
        s.Card(x, y);
        if (s.Every(5)) s.Responsive(s.half());
        x += step;
        if (x <= a.width) continue;
        ++rows;
        x = rows % 2 == 1 ? -(g.CardWidth / 3) : -(g.CardWidth / 4);
        y += 35;
        if (y + g.CardHeight > a.height) {
            // A new pass, a little lower than the last one.
            passTop += 35;
            if (passTop + g.CardHeight > a.height) passTop = a.top + 35;
            y = passTop;
        }
        s.Responsive(700);
    }
}

void UpToDown(Show& s) {
    const WinArea& a = s.area();
    const Game& g = s.game();
    const int step = static_cast<int>(g.CardHeight / 5.3);
    const int pitch = static_cast<int>(g.CardWidth / 1.5);
    int passLeft = -10, x = -10, y = a.top, columns = 1;
    while (s.Going()) {
        s.Card(x, y);
        if (s.Every(2)) s.Pause(s.half());
        if (s.Every(5)) s.Responsive(0);
        y += step;
        if (y <= a.height) continue;
        ++columns;
        y = columns % 2 == 1 ? -(g.CardHeight / 3) : -(g.CardHeight / 4);
        x += pitch;
        if (x > a.width) {
            passLeft += 35;
            if (passLeft > a.width) passLeft = 35;
            x = passLeft;
        }
        s.Responsive(700);
    }
}

void Festoons(Show& s) {
    const WinArea& a = s.area();
    const Game& g = s.game();
    // Vertical steps of one bounce: up, then down a little further.
    static const int kArc[] = {-9, -7, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 7, 9, 11};
    while (s.Going()) {
        int x = Random(std::max(a.width - g.CardWidth, 1));
        int y = a.top - 50 + Random(40);
        int vx = (2 + Random(5)) * (Random(2) == 0 ? -1 : 1);
        int trail = 0;
        bool inside = true;
        // A table too low for a bounce still lets time pass.
        if (y + kArc[0] + g.CardHeight > a.height) s.Responsive(std::max(s.half(), 1));
        while (inside && s.Going()) {
            for (int dy : kArc) {
                if (y + dy + g.CardHeight > a.height) {
                    inside = false;
                    break;
                }
                x += vx;
                y += dy;
                if (x < 0 || x > a.width - g.CardWidth) vx = -vx;
                s.Card(x, y);
                if (++trail % 4 == 0) s.Responsive(s.half());
                if (!s.Going()) return;
            }
        }
    }
}

void Lines(Show& s) {
    const WinArea& a = s.area();
    const Game& g = s.game();
    int x = g.CardWidth + Random(std::max(a.width - 3 * g.CardWidth, 1)), y = a.top;
    int signX = 1, signY = 1;
    while (s.Going()) {
        const int step = 4 + Random(8);
        if (x + signX * step < 0 || x + signX * step + g.CardWidth > a.width) signX = -signX;
        if (y + signY * step < a.top || y + signY * step + g.CardHeight > a.height) signY = -signY;
        const int dx = signX * step, dy = signY * step;
        int drawn = 0;
        while (s.Going()) {
            s.Card(x, y);
            ++drawn;
            s.Pause(5);
            if (drawn % 2 == 0) s.Pause(s.speed());
            if (drawn % 4 == 0) s.Responsive(0);
            x += dx;
            y += dy;
            const bool edge =
                x <= 0 || x + g.CardWidth >= a.width || y <= a.top || y + g.CardHeight >= a.height;
            if (edge) {
                x = std::clamp(x, 0, std::max(a.width - g.CardWidth, 0));
                y = std::clamp(y, a.top, std::max(a.height - g.CardHeight, a.top));
                break;
            }
        }
    }
}

void Circles(Show& s) {
    const WinArea& a = s.area();
    const Game& g = s.game();
    // Every fourth pixel of the outline of a 300 x 300 ellipse.
    std::vector<QPoint> outline;
    for (int i = 0; i < 300; ++i) {
        const double t = 2 * M_PI * i / 300;
        outline.emplace_back(150 + static_cast<int>(150 * std::cos(t)),
                             150 + static_cast<int>(150 * std::sin(t)));
    }
    while (s.Going()) {
        int cx = Random(std::max(a.width, 1)), cy = a.top + Random(std::max(a.height - a.top, 1));
        // Kept clear of the right and bottom edges by mirroring.
        if (cx > a.width - 150) cx = std::max(2 * (a.width - 150) - cx - 150, 0);
        if (cy > a.height - 150) cy = std::max(2 * (a.height - 150) - cy - 150, a.top);
        int drawn = 0;
        if (a.width < 300 + g.CardWidth || a.height - a.top < 300 + g.CardHeight)
            s.Responsive(std::max(s.half(), 1));  // too small for a whole circle: let time pass
        for (const QPoint& p : outline) {
            const int left = cx + p.x() - g.CardWidth / 2, top = cy + p.y() - g.CardHeight / 2;
            if (left < 0 || top < a.top || left + g.CardWidth > a.width ||
                top + g.CardHeight > a.height)
                continue;
            if (!s.Going()) return;
            s.Card(left, top);
            if (++drawn % 4 == 0) s.Responsive(s.half());
        }
    }
}

}  // namespace

std::string ChooseWinningShow(const std::string& name) {
    if (name == "(Random)") return kWinningShows[Random(3)];
    return name;
}

void StopWinningAnimation(Game& g) {
    SetFlag(g, flag::kWinAnimation, false);
}

void PlayWinningAnimation(Game& g, const std::string& name, int seconds, const WinArea& area) {
    SetFlag(g, flag::kWinAnimation, true);
    std::string show = name;
    int64_t ms = static_cast<int64_t>(std::max(seconds, 0)) * 1000;
    if (show.empty()) {
        const Preferences& choices = KeptChoices();
        show = choices.winningShow;
        ms = std::max<int64_t>(choices.winningShowSeconds, 0) * 1000;
    }
    show = ChooseWinningShow(show);
    Show s(g, static_cast<int>(std::min<int64_t>(ms, 86400000)), area);
    if (show == kWinningShows[0])
        OpenOrder(s);
    else if (show == kWinningShows[1])
        LeftToRight(s);
    else if (show == kWinningShows[2])
        UpToDown(s);
    else if (show == kWinningShows[3])
        Festoons(s);
    else if (show == kWinningShows[4])
        Lines(s);
    else if (show == kWinningShows[5])
        Circles(s);
    SetFlag(g, flag::kWinAnimation, false);
}

}  // namespace bw
