#include "core/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace sky {

Canvas::Canvas(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Colour Canvas::Pixel(int x, int y) const {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
        return NoPixel;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Canvas::SetPixel(int x, int y, Colour c) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
        return;
    Colour& p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    if (p != c) {
        p = c;
        ++version_;
    }
}

// The caller bumps the version once for the whole figure.
void Canvas::Plot(int x, int y, Colour c) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
        return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = c;
}

// A round pen of PenWidth w centred on the walk pixel: the cells of the w x w
// square whose centre lies within w/2 of the square's centre.
void Canvas::StampPen(int x, int y) {
    const int w = PenWidth;
    const double centre = (w - 1) / 2.0;
    const double limit = (w / 2.0) * (w / 2.0);
    const int ox = x - (w - 1) / 2;
    const int oy = y - (w - 1) / 2;
    for (int j = 0; j < w; ++j) {
        const double dy = j - centre;
        for (int i = 0; i < w; ++i) {
            const double dx = i - centre;
            if (dx * dx + dy * dy <= limit) Plot(ox + i, oy + j, PenColour);
        }
    }
}

void Canvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::LineTo(int x1, int y1) {
    int x = penX_, y = penY_;
    penX_ = x1;
    penY_ = y1;
    if (x == x1 && y == y1) return;

    const int dx = std::abs(x1 - x), sx = x < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y), sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    const bool thin = PenWidth <= 1;
    while (x != x1 || y != y1) {
        if (thin)
            Plot(x, y, PenColour);
        else
            StampPen(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    ++version_;
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
    const int l = std::max(left, 0), r = std::min(right, width_);
    const int t = std::max(top, 0), b = std::min(bottom, height_);
    if (l >= r || t >= b) return;
    for (int y = t; y < b; ++y) {
        Colour* row = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        std::fill(row + l, row + r, BrushColour);
    }
    ++version_;
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (left == right || top == bottom) return;

    if (Brush != BrushStyle::Clear) FillRect(left + 1, top + 1, right - 1, bottom - 1);

    // Wider pens thicken the ring inwards so the figure keeps its box.
    const int rings = std::max(PenWidth, 1);
    for (int k = 0; k < rings; ++k) {
        const int l = left + k, r = right - 1 - k, t = top + k, b = bottom - 1 - k;
        if (l > r || t > b) break;
        for (int x = l; x <= r; ++x) {
            Plot(x, t, PenColour);
            Plot(x, b, PenColour);
        }
        for (int y = t; y <= b; ++y) {
            Plot(l, y, PenColour);
            Plot(r, y, PenColour);
        }
    }
    ++version_;
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (left == right || top == bottom) return;

    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double ax = (right - left) / 2.0, by = (bottom - top) / 2.0;
    const auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / ax, v = (y + 0.5 - cy) / by;
        return u * u + v * v <= 1.0;
    };

    // Each row of an ellipse is one run of pixels. The runs are taken from
    // the whole box, not the clipped part, so a figure cut by the surface
    // edge keeps its outline where it really is. The square root only
    // guesses a run's ends; the pixel test itself decides them.
    const int w = std::max(PenWidth, 1);
    const int y0 = std::max(top, 0), y1 = std::min(bottom, height_);
    if (y0 >= y1 || std::max(left, 0) >= std::min(right, width_)) return;
    const int firstRow = std::max(top, y0 - w), lastRow = std::min(bottom - 1, y1 - 1 + w);
    struct Run {
        int lo, hi;  // inclusive; lo > hi when the row is empty
    };
    std::vector<Run> runs(static_cast<std::size_t>(lastRow - firstRow + 1));
    for (int y = firstRow; y <= lastRow; ++y) {
        const double v = (y + 0.5 - cy) / by;
        Run run{1, 0};
        if (v * v <= 1.0) {
            const double half = ax * std::sqrt(1.0 - v * v);
            int hi = std::clamp(static_cast<int>(std::floor(cx + half - 0.5)), left, right - 1);
            while (hi + 1 < right && inside(hi + 1, y)) ++hi;
            while (hi >= left && !inside(hi, y)) --hi;
            int lo = std::clamp(static_cast<int>(std::ceil(cx - half - 0.5)), left, right - 1);
            while (lo - 1 >= left && inside(lo - 1, y)) --lo;
            while (lo <= hi && !inside(lo, y)) ++lo;
            if (lo <= hi) run = {lo, hi};
        }
        runs[static_cast<std::size_t>(y - firstRow)] = run;
    }
    const auto covers = [&](int y, int from, int to) {
        if (y < firstRow || y > lastRow) return false;
        const Run& r = runs[static_cast<std::size_t>(y - firstRow)];
        return r.lo <= from && to <= r.hi;
    };
    // A pixel belongs to the outline when some pixel within pen-width
    // 4-neighbour steps lies outside: width 1 is the plain 4-neighbour rule,
    // wider pens grow the ring inwards.
    const auto onOutline = [&](int x, int y) {
        for (int dy = -w; dy <= w; ++dy) {
            const int reach = w - std::abs(dy);
            if (!covers(y + dy, x - reach, x + reach)) return true;
        }
        return false;
    };

    const bool fill = Brush != BrushStyle::Clear;
    for (int y = y0; y < y1; ++y) {
        const Run& r = runs[static_cast<std::size_t>(y - firstRow)];
        const int from = std::max(r.lo, 0), to = std::min(r.hi, width_ - 1);
        Colour* row = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (int x = from; x <= to; ++x) {
            if (onOutline(x, y))
                row[x] = PenColour;
            else if (fill)
                row[x] = BrushColour;
        }
    }
    ++version_;
}

}  // namespace sky
