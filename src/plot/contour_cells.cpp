#include "plot/contour_cells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace kurvo {

namespace {

// 16-pixel cells: about 5,000 of them on a large window, so a curve is
// looked for everywhere at little cost; four splits reach one pixel.
constexpr int kCoarseCell = 16;
// A cell is split while its smallest |F| is below this many times the
// spread of F over its samples: a zero may lie within the cell's reach.
constexpr double kNearFactor = 0.5;
// A crossing is a root when F at the interpolated point falls below this
// share of the smaller end value (a pole or a jump never does).
constexpr double kRootShare = 0.5;
constexpr int kRootSteps = 12;
// A corner is a root when F there is this small against the other end.
constexpr double kCornerShare = 1e-9;
// A cell without a sign change is searched for a touching zero only when F
// bends towards zero inside it by this share of its spread (a straight
// piece of a surface does not).
constexpr double kBendShare = 0.05;
// F at the found minimum counts as zero below this share of the spread.
constexpr double kTouchShare = 1e-5;
constexpr int kTouchSteps = 4;

struct Sample {
    double f = 0;
    bool ok = false;
};

bool Negative(double f) { return f < 0; }

struct Spread {
    int defined = 0, negative = 0;
    double lo = INFINITY, hi = -INFINITY, minAbs = INFINITY;
};

Spread SpreadOf(const std::array<Sample, 4>& c, Sample centre) {
    Spread s;
    auto add = [&s](Sample x) {
        if (!x.ok) return;
        ++s.defined;
        s.negative += Negative(x.f);
        s.lo = std::min(s.lo, x.f);
        s.hi = std::max(s.hi, x.f);
        s.minAbs = std::min(s.minAbs, std::fabs(x.f));
    };
    for (const Sample& x : c) add(x);
    add(centre);
    return s;
}

class Tracer {
public:
    Tracer(ContourField& field, int width, int height)
        : field_(field), width_(width), height_(height), stride_(width + 2 * kCoarseCell + 4) {}

    bool Run(ContourLines& out);

private:
    struct Segment {
        long long keyA, keyB;
        ContourPoint a, b;
    };

    Sample Eval(double u, double v) {
        Sample s;
        s.ok = field_.At(u, v, s.f);
        return s;
    }
    void Cell(int u0, int v0, int size, const std::array<Sample, 4>& c, Sample centre);
    void Split(int u0, int v0, int size, const std::array<Sample, 4>& c, Sample centre);
    void PixelCell(int u0, int v0, const std::array<Sample, 4>& c, Sample centre);
    void Touch(int u0, int v0, const std::array<Sample, 4>& c, Sample centre);
    bool MinimiseAbs(ContourPoint& p, double& fp, double sign, ContourPoint& normal);
    long long Key(int i, int j, bool vertical) const {
        return ((long long)(j + 1) * stride_ + (i + 1)) * 2 + (vertical ? 1 : 0);
    }
    void Join(ContourLines& out);

    ContourField& field_;
    int width_, height_;
    long long stride_;
    std::vector<Segment> segments_;
    std::vector<ContourPoint> dots_;
    std::vector<std::vector<ContourPoint>> touches_;
};

bool Tracer::Run(ContourLines& out) {
    const int columns = (width_ + kCoarseCell - 1) / kCoarseCell;
    const int rows = (height_ + kCoarseCell - 1) / kCoarseCell;
    std::vector<Sample> grid(size_t(columns + 1) * size_t(rows + 1));
    auto at = [&](int i, int j) -> Sample& { return grid[size_t(j) * size_t(columns + 1) + size_t(i)]; };
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i) at(i, j) = Eval(i * kCoarseCell, j * kCoarseCell);
    bool finished = true;
    for (int j = 0; j < rows && finished; ++j) {
        for (int i = 0; i < columns; ++i) {
            if (field_.Stop()) {
                finished = false;
                break;
            }
            const int u0 = i * kCoarseCell, v0 = j * kCoarseCell;
            const Sample centre = Eval(u0 + kCoarseCell / 2, v0 + kCoarseCell / 2);
            Cell(u0, v0, kCoarseCell, {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)}, centre);
        }
    }
    Join(out);
    out.Dots.insert(out.Dots.end(), dots_.begin(), dots_.end());
    out.Lines.insert(out.Lines.end(), touches_.begin(), touches_.end());
    return finished;
}

void Tracer::Cell(int u0, int v0, int size, const std::array<Sample, 4>& c, Sample centre) {
    if (size == 1) {
        PixelCell(u0, v0, c, centre);
        return;
    }
    const Spread s = SpreadOf(c, centre);
    if (s.defined == 0) return;
    const bool split = s.defined < 5 || (s.negative > 0 && s.negative < 5) ||
                       s.minAbs < kNearFactor * (s.hi - s.lo);
    if (split) Split(u0, v0, size, c, centre);
}

void Tracer::Split(int u0, int v0, int size, const std::array<Sample, 4>& c, Sample centre) {
    const int h = size / 2;
    const double q = h / 2.0;
    const Sample top = Eval(u0 + h, v0), right = Eval(u0 + size, v0 + h);
    const Sample bottom = Eval(u0 + h, v0 + size), left = Eval(u0, v0 + h);
    Cell(u0, v0, h, {c[0], top, centre, left}, Eval(u0 + q, v0 + q));
    Cell(u0 + h, v0, h, {top, c[1], right, centre}, Eval(u0 + h + q, v0 + q));
    Cell(u0 + h, v0 + h, h, {centre, right, c[2], bottom}, Eval(u0 + h + q, v0 + h + q));
    Cell(u0, v0 + h, h, {left, centre, bottom, c[3]}, Eval(u0 + q, v0 + h + q));
}

// Marching squares on one pixel cell. Corners 0..3 run clockwise from the
// top left; edge k joins corner k to corner k+1 (edges 2 and 3 are taken
// left to right and top to bottom, as the neighbouring cells take them, so
// both find the same crossing).
void Tracer::PixelCell(int u0, int v0, const std::array<Sample, 4>& c, Sample centre) {
    const ContourPoint p[4] = {{double(u0), double(v0)},
                               {double(u0 + 1), double(v0)},
                               {double(u0 + 1), double(v0 + 1)},
                               {double(u0), double(v0 + 1)}};
    static constexpr int kFrom[4] = {0, 1, 3, 0}, kTo[4] = {1, 2, 2, 3};
    const long long keys[4] = {Key(u0, v0, false), Key(u0 + 1, v0, true), Key(u0, v0 + 1, false),
                               Key(u0, v0, true)};
    bool changes = false;
    bool found[4] = {};
    ContourPoint root[4];
    for (int k = 0; k < 4; ++k) {
        const Sample a = c[size_t(kFrom[k])], b = c[size_t(kTo[k])];
        if (!a.ok || !b.ok || Negative(a.f) == Negative(b.f)) continue;
        changes = true;
        found[k] = EdgeRoot(field_, p[kFrom[k]], a.f, p[kTo[k]], b.f, root[k]);
    }
    if (!changes) {
        Touch(u0, v0, c, centre);
        return;
    }
    auto emit = [&](int k, int m) {
        if (found[k] && found[m]) segments_.push_back({keys[k], keys[m], root[k], root[m]});
    };
    const bool allDefined = c[0].ok && c[1].ok && c[2].ok && c[3].ok;
    const bool saddle = allDefined && Negative(c[0].f) == Negative(c[2].f) &&
                        Negative(c[1].f) == Negative(c[3].f) && Negative(c[0].f) != Negative(c[1].f);
    if (saddle) {
        // The centre says which pair of opposite corners is joined inside.
        if (centre.ok && Negative(centre.f) == Negative(c[0].f)) {
            emit(0, 1);
            emit(2, 3);
        } else {
            emit(3, 0);
            emit(1, 2);
        }
        return;
    }
    int first = -1;
    for (int k = 0; k < 4; ++k) {
        if (!found[k]) continue;
        if (first < 0) {
            first = k;
        } else {
            emit(first, k);
            return;
        }
    }
}

// A cell whose corners agree in sign may still hold a zero: F touching 0
// (a double root) or a closed curve smaller than the cell. |F| is
// minimised from the cell's centre; a minimum within a pixel of the centre
// where F is zero gives a piece of curve one pixel long across the
// gradient, one where F has the other sign a dot.
void Tracer::Touch(int u0, int v0, const std::array<Sample, 4>& c, Sample centre) {
    if (!centre.ok) return;
    const Spread s = SpreadOf(c, centre);
    if (s.defined < 5 || !(s.minAbs < kNearFactor * (s.hi - s.lo))) return;
    const double sign = Negative(c[0].f) ? -1.0 : 1.0;
    const double mean = (c[0].f + c[1].f + c[2].f + c[3].f) / 4;
    if (!(sign * (mean - centre.f) > kBendShare * (s.hi - s.lo))) return;

    const ContourPoint middle{u0 + 0.5, v0 + 0.5};
    ContourPoint p = middle, normal{0, 0};
    double fp = centre.f;
    if (!MinimiseAbs(p, fp, sign, normal)) return;
    if (std::fabs(p.u - middle.u) > 1 || std::fabs(p.v - middle.v) > 1) return;
    if (sign * fp < 0) {
        dots_.push_back(p);
    } else if (sign * fp <= kTouchShare * (s.hi - s.lo)) {
        const double length = std::hypot(normal.u, normal.v);
        if (!(length > 0)) return;
        const double tu = -normal.v / length / 2, tv = normal.u / length / 2;
        touches_.push_back({{p.u - tu, p.v - tv}, {p.u + tu, p.v + tv}});
    }
}

// Newton steps on sign * F along its gradient (exact for a paraboloid and
// for a valley a * n^2), with differences a quarter pixel wide. `normal`
// is the first gradient, across the curve.
bool Tracer::MinimiseAbs(ContourPoint& p, double& fp, double sign, ContourPoint& normal) {
    constexpr double d = 0.25;
    for (int step = 0; step < kTouchSteps; ++step) {
        double xp, xm, yp, ym, xy;
        if (!field_.At(p.u + d, p.v, xp) || !field_.At(p.u - d, p.v, xm) ||
            !field_.At(p.u, p.v + d, yp) || !field_.At(p.u, p.v - d, ym) ||
            !field_.At(p.u + d, p.v + d, xy))
            return false;
        const double gx = sign * (xp - xm) / (2 * d), gy = sign * (yp - ym) / (2 * d);
        const double hxx = sign * (xp - 2 * fp + xm) / (d * d), hyy = sign * (yp - 2 * fp + ym) / (d * d);
        const double hxy = sign * (xy - xp - yp + fp) / (d * d);
        const double gg = gx * gx + gy * gy;
        const double curve = gx * gx * hxx + 2 * gx * gy * hxy + gy * gy * hyy;
        if (step == 0) normal = {gx, gy};
        if (gg == 0) return step > 0;
        if (!(curve > 0)) return false;
        const double t = gg / curve;
        const ContourPoint next{p.u - t * gx, p.v - t * gy};
        if (std::fabs(next.u - p.u) > 2 || std::fabs(next.v - p.v) > 2) return false;
        double fn = 0;
        if (!field_.At(next.u, next.v, fn)) return false;
        const bool settled = std::fabs(t * gx) + std::fabs(t * gy) < 1e-4;
        p = next;
        fp = fn;
        if (settled || sign * fn <= 0) return true;
    }
    return true;
}

// Joins the segments that share a crossing into polylines.
void Tracer::Join(ContourLines& out) {
    std::unordered_map<long long, std::array<int, 2>> ends;
    ends.reserve(segments_.size() * 2);
    auto link = [&](long long key, int index) {
        auto [it, fresh] = ends.try_emplace(key, std::array<int, 2>{-1, -1});
        if (it->second[0] < 0)
            it->second[0] = index;
        else
            it->second[1] = index;
    };
    for (size_t i = 0; i < segments_.size(); ++i) {
        link(segments_[i].keyA, int(i));
        link(segments_[i].keyB, int(i));
    }
    std::vector<bool> used(segments_.size(), false);
    // From segment `from` through its end `key`: the next unused segment.
    auto next = [&](long long key, int from) {
        const auto& pair = ends[key];
        for (int index : pair)
            if (index >= 0 && index != from && !used[size_t(index)]) return index;
        return -1;
    };
    auto walk = [&](int start, long long key, std::vector<ContourPoint>& points) {
        for (int at = start;;) {
            const int n = next(key, at);
            if (n < 0) return;
            used[size_t(n)] = true;
            const Segment& s = segments_[size_t(n)];
            const bool forward = s.keyA == key;
            points.push_back(forward ? s.b : s.a);
            key = forward ? s.keyB : s.keyA;
            at = n;
        }
    };
    for (size_t i = 0; i < segments_.size(); ++i) {
        if (used[i]) continue;
        used[i] = true;
        const Segment& s = segments_[i];
        std::vector<ContourPoint> back{s.a}, ahead{s.b};
        walk(int(i), s.keyB, ahead);
        walk(int(i), s.keyA, back);
        std::reverse(back.begin(), back.end());
        back.insert(back.end(), ahead.begin(), ahead.end());
        out.Lines.push_back(std::move(back));
    }
}

}  // namespace

bool EdgeRoot(ContourField& field, ContourPoint a, double fa, ContourPoint b, double fb,
              ContourPoint& root) {
    const double limit = kRootShare * std::min(std::fabs(fa), std::fabs(fb));
    // Regula falsi on t in [0, 1] along the edge, with a halving step
    // whenever the bracket shrank by less than half (a steep end).
    double t0 = 0, t1 = 1, f0 = fa, f1 = fb;
    bool bisect = false;
    for (int step = 0; step < kRootSteps; ++step) {
        const double width = t1 - t0;
        const double t = bisect || f0 == f1 ? (t0 + t1) / 2 : t0 + (t1 - t0) * f0 / (f0 - f1);
        const ContourPoint p{a.u + t * (b.u - a.u), a.v + t * (b.v - a.v)};
        double f = 0;
        if (!field.At(p.u, p.v, f)) return false;
        // A root at a corner itself: the interpolated point is that corner,
        // and F there cannot shrink further.
        const bool atEnd = (p.u == a.u && p.v == a.v) || (p.u == b.u && p.v == b.v);
        if (std::fabs(f) <= limit || (atEnd && std::fabs(f) <= kCornerShare * std::max(std::fabs(fa), std::fabs(fb)))) {
            // One more interpolation inside the bracket the point leaves.
            double s = t;
            if (f != 0) {
                if (Negative(f) == Negative(f0))
                    s = t + (t1 - t) * f / (f - f1);
                else
                    s = t0 + (t - t0) * f0 / (f0 - f);
            }
            root = {a.u + s * (b.u - a.u), a.v + s * (b.v - a.v)};
            return true;
        }
        if (Negative(f) == Negative(f0)) {
            t0 = t;
            f0 = f;
        } else {
            t1 = t;
            f1 = f;
        }
        bisect = t1 - t0 > width / 2;
    }
    return false;
}

bool TraceContour(ContourField& field, int width, int height, ContourLines& out) {
    if (width <= 0 || height <= 0) return true;
    Tracer tracer(field, width, height);
    return tracer.Run(out);
}

}  // namespace kurvo
