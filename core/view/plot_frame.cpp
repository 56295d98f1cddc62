// The part of the riddle's plane the picture shows, and the round numbers
// along its axes.
#include "view/plot_parts.h"

#include <algorithm>
#include <cmath>

namespace parabolix::plot::parts {

namespace {

// How far the picture may widen beyond A, B and C for the vertex, the zeros
// and the axes: beyond this A, B and C would be squeezed together.
constexpr double kWidening = 5;
// The room around what is in view, as a share of its half-span.
constexpr double kMargin = 0.16;

} // namespace

double Frame::left(double x) const
{
    return kLeft + (x / 2 - xMin / 2) / halfWidth() * (kRight - kLeft);
}

double Frame::top(double y) const
{
    return kTop + (yMax / 2 - y / 2) / halfHeight() * (kBottom - kTop);
}

Frame frameFor(const Riddle& riddle, const std::vector<Point>& wanted)
{
    Frame frame{1, 3, riddle.m, riddle.m};
    for (const Given& given : kGiven) {
        frame.yMin = std::min(frame.yMin, given.in(riddle).y);
        frame.yMax = std::max(frame.yMax, given.in(riddle).y);
    }
    const double halfWidth = frame.halfWidth();
    const double halfHeight = frame.halfHeight() > 0
        ? frame.halfHeight()
        : std::max(std::fabs(frame.yMax) / 2, 0.5); // A, B and C level: room above and below
    for (Point point : wanted) {
        Frame wider = frame;
        wider.xMin = std::min(frame.xMin, point.x);
        wider.xMax = std::max(frame.xMax, point.x);
        wider.yMin = std::min(frame.yMin, point.y);
        wider.yMax = std::max(frame.yMax, point.y);
        if (wider.halfWidth() <= kWidening * halfWidth
            && wider.halfHeight() <= kWidening * halfHeight)
            frame = wider;
    }
    const double xMargin = frame.halfWidth() * kMargin;
    const double yMargin = frame.halfHeight() > 0 ? frame.halfHeight() * kMargin : halfHeight;
    const Frame padded{
        frame.xMin - xMargin, frame.xMax + xMargin, frame.yMin - yMargin, frame.yMax + yMargin};
    return std::isfinite(padded.yMin) && std::isfinite(padded.yMax) ? padded : frame;
}

std::vector<double> roundNumbers(double low, double high)
{
    const double raw = (high / 2 - low / 2) / 3;
    std::vector<double> values;
    if (!std::isfinite(raw) || raw <= 0)
        return values;
    // Stepped, not taken from pow and log10, which the page would then carry.
    double power = 1;
    while (power * 10 <= raw)
        power *= 10;
    while (power > raw)
        power /= 10;
    constexpr std::array kFactors{1.0, 2.0, 5.0, 10.0};
    const double step = *std::find_if(kFactors.begin(), kFactors.end() - 1, [&](double factor) {
        return factor * power >= raw;
    }) * power;
    if (!std::isfinite(step) || step <= 0)
        return values;
    for (double k = std::ceil(low / step); k * step <= high && values.size() < 20; ++k)
        values.push_back(k * step);
    return values;
}

} // namespace parabolix::plot::parts
