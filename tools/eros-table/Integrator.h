#pragma once

// The numerical core of the Eros generator, free of any ephemeris so that the tests can run it
// on a pure two-body orbit: a Runge-Kutta-Fehlberg 7(8) integrator with step-size control, a
// quintic Hermite interpolant over its accepted steps, and Kepler's problem for the elements.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kesto::orbit {

using Vec3 = std::array<double, 3>;

inline Vec3 operator+(const Vec3 &a, const Vec3 &b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Vec3 operator-(const Vec3 &a, const Vec3 &b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline Vec3 operator*(double s, const Vec3 &a)
{
    return {s * a[0], s * a[1], s * a[2]};
}
inline double dot(const Vec3 &a, const Vec3 &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline double norm(const Vec3 &a)
{
    return std::sqrt(dot(a, a));
}

struct State
{
    Vec3 r; // position, AU
    Vec3 v; // velocity, AU/day
};

// One accepted step's end: enough for a quintic Hermite interpolant between neighbours.
struct Node
{
    double t;
    Vec3 r;
    Vec3 v;
    Vec3 a;
};

// Osculating elements: a in AU, angles in degrees, M at the epoch.
struct Elements
{
    double a;
    double e;
    double i;
    double node;
    double perihelion;
    double meanAnomaly;
};

// State on an elliptic orbit about a centre of gravitational parameter mu (AU^3/day^2),
// elapsed days after the epoch of the elements, in the frame the angles refer to.
inline State stateFromElements(const Elements &el, double mu, double elapsed = 0.0)
{
    constexpr double Degree = 3.14159265358979323846 / 180.0;
    const double n = std::sqrt(mu / (el.a * el.a * el.a));
    const double m =
        std::remainder(el.meanAnomaly * Degree + n * elapsed, 2 * 3.14159265358979323846);
    double E = el.e < 0.8 ? m : 3.14159265358979323846;
    for (int k = 0; k < 50; ++k) {
        const double dE = (E - el.e * std::sin(E) - m) / (1 - el.e * std::cos(E));
        E -= dE;
        if (std::abs(dE) < 1e-15)
            break;
    }
    const double cosE = std::cos(E);
    const double sinE = std::sin(E);
    const double b = el.a * std::sqrt(1 - el.e * el.e);
    // In the orbital plane, x towards perihelion.
    const double x = el.a * (cosE - el.e);
    const double y = b * sinE;
    const double rate = n / (1 - el.e * cosE);
    const double vx = -el.a * sinE * rate;
    const double vy = b * cosE * rate;

    const double cO = std::cos(el.node * Degree), sO = std::sin(el.node * Degree);
    const double cw = std::cos(el.perihelion * Degree), sw = std::sin(el.perihelion * Degree);
    const double ci = std::cos(el.i * Degree), si = std::sin(el.i * Degree);
    const Vec3 p = {cO * cw - sO * sw * ci, sO * cw + cO * sw * ci, sw * si};
    const Vec3 q = {-cO * sw - sO * cw * ci, -sO * sw + cO * cw * ci, cw * si};
    return {x * p + y * q, vx * p + vy * q};
}

// Runge-Kutta-Fehlberg 7(8) (Fehlberg, NASA TR R-287, 1968) for r'' = f(t, r, r'). The eighth-
// order solution is propagated; the difference from the seventh-order one, 41/840 h
// (k1 + k11 - k12 - k13), estimates the local error, which each step keeps below the
// tolerance (AU in position, AU/day in velocity, largest component).
template<typename Force>
class Rkf78
{
public:
    Rkf78(Force force, double tolerance)
        : m_force(std::move(force))
        , m_tolerance(tolerance)
    { }

    // Integrates from (t0, s) to t1, either direction, recording every accepted step's end
    // (the start included) in nodes when given. Returns the state at t1.
    State integrate(double t0, State s, double t1, std::vector<Node> *nodes = nullptr,
                    double firstStep = 1.0)
    {
        const double direction = t1 >= t0 ? 1.0 : -1.0;
        double h = direction * std::abs(firstStep);
        double t = t0;
        if (nodes)
            nodes->push_back({t, s.r, s.v, m_force(t, s.r, s.v)});
        m_steps = 0;
        m_rejected = 0;
        while (direction * (t1 - t) > 0) {
            const bool last = direction * (t + h - t1) >= 0;
            if (last)
                h = t1 - t;
            double error = 0;
            const State next = step(t, s, h, error);
            if (error <= m_tolerance || std::abs(h) <= MinimumStep) {
                t = last ? t1 : t + h;
                s = next;
                ++m_steps;
                if (nodes)
                    nodes->push_back({t, s.r, s.v, m_force(t, s.r, s.v)});
            } else {
                ++m_rejected;
            }
            const double factor = error > 0 ? 0.9 * std::pow(m_tolerance / error, 1.0 / 8.0) : 4.0;
            h *= std::clamp(factor, 0.2, 4.0);
            h = direction * std::clamp(std::abs(h), MinimumStep, MaximumStep);
        }
        return s;
    }

    int steps() const { return m_steps; }
    int rejected() const { return m_rejected; }

private:
    static constexpr double MinimumStep = 1e-4;
    static constexpr double MaximumStep = 20.0;
    static constexpr int Stages = 13;

    State step(double t, const State &s, double h, double &error)
    {
        // clang-format off
        static constexpr std::array<double, Stages> C = {
            0, 2.0 / 27, 1.0 / 9, 1.0 / 6, 5.0 / 12, 1.0 / 2, 5.0 / 6, 1.0 / 6, 2.0 / 3, 1.0 / 3,
            1, 0, 1};
        static constexpr double A[Stages][Stages - 1] = {
            {},
            {2.0 / 27},
            {1.0 / 36, 1.0 / 12},
            {1.0 / 24, 0, 1.0 / 8},
            {5.0 / 12, 0, -25.0 / 16, 25.0 / 16},
            {1.0 / 20, 0, 0, 1.0 / 4, 1.0 / 5},
            {-25.0 / 108, 0, 0, 125.0 / 108, -65.0 / 27, 125.0 / 54},
            {31.0 / 300, 0, 0, 0, 61.0 / 225, -2.0 / 9, 13.0 / 900},
            {2, 0, 0, -53.0 / 6, 704.0 / 45, -107.0 / 9, 67.0 / 90, 3},
            {-91.0 / 108, 0, 0, 23.0 / 108, -976.0 / 135, 311.0 / 54, -19.0 / 60, 17.0 / 6,
             -1.0 / 12},
            {2383.0 / 4100, 0, 0, -341.0 / 164, 4496.0 / 1025, -301.0 / 82, 2133.0 / 4100,
             45.0 / 82, 45.0 / 164, 18.0 / 41},
            {3.0 / 205, 0, 0, 0, 0, -6.0 / 41, -3.0 / 205, -3.0 / 41, 3.0 / 41, 6.0 / 41, 0},
            {-1777.0 / 4100, 0, 0, -341.0 / 164, 4496.0 / 1025, -289.0 / 82, 2193.0 / 4100,
             51.0 / 82, 33.0 / 164, 12.0 / 41, 0, 1}};
        static constexpr std::array<double, Stages> B8 = {
            0, 0, 0, 0, 0, 34.0 / 105, 9.0 / 35, 9.0 / 35, 9.0 / 280, 9.0 / 280, 0, 41.0 / 840,
            41.0 / 840};
        // clang-format on

        std::array<State, Stages> k {}; // derivatives: k.r = velocity, k.v = acceleration
        for (int i = 0; i < Stages; ++i) {
            State y = s;
            for (int j = 0; j < i; ++j) {
                if (A[i][j] == 0)
                    continue;
                y.r = y.r + (h * A[i][j]) * k[j].r;
                y.v = y.v + (h * A[i][j]) * k[j].v;
            }
            k[i] = {y.v, m_force(t + C[i] * h, y.r, y.v)};
        }
        State next = s;
        for (int i = 0; i < Stages; ++i) {
            if (B8[i] == 0)
                continue;
            next.r = next.r + (h * B8[i]) * k[i].r;
            next.v = next.v + (h * B8[i]) * k[i].v;
        }
        const auto estimate = [&](const Vec3 &k1, const Vec3 &k11, const Vec3 &k12,
                                  const Vec3 &k13) {
            double largest = 0;
            for (int c = 0; c < 3; ++c)
                largest = std::max(largest,
                                   std::abs(41.0 / 840 * h * (k1[c] + k11[c] - k12[c] - k13[c])));
            return largest;
        };
        error = std::max(estimate(k[0].r, k[10].r, k[11].r, k[12].r),
                         estimate(k[0].v, k[10].v, k[11].v, k[12].v));
        return next;
    }

    Force m_force;
    double m_tolerance;
    int m_steps = 0;
    int m_rejected = 0;
};

// Position at t from the recorded steps (in time order, either direction of integration), by
// the quintic Hermite polynomial through position, velocity and acceleration at both ends of
// the step that holds t.
inline Vec3 interpolate(const std::vector<Node> &nodes, double t)
{
    if (nodes.size() < 2)
        throw std::invalid_argument("interpolation needs two nodes");
    const bool ascending = nodes.front().t < nodes.back().t;
    const auto later = [ascending](const Node &node, double time) {
        return ascending ? node.t < time : node.t > time;
    };
    auto it = std::lower_bound(nodes.begin(), nodes.end(), t, later);
    if (it == nodes.begin())
        ++it;
    if (it == nodes.end())
        throw std::out_of_range("interpolation outside the integrated span");
    const Node &p = *(it - 1);
    const Node &q = *it;
    const double h = q.t - p.t;
    if ((ascending && (t < p.t || t > q.t)) || (!ascending && (t > p.t || t < q.t)))
        throw std::out_of_range("interpolation outside the integrated span");
    const double s = (t - p.t) / h;
    const double s2 = s * s, s3 = s2 * s, s4 = s3 * s, s5 = s4 * s;
    // Quintic Hermite basis on [0, 1].
    const double h0 = 1 - 10 * s3 + 15 * s4 - 6 * s5;
    const double h1 = s - 6 * s3 + 8 * s4 - 3 * s5;
    const double h2 = 0.5 * (s2 - 3 * s3 + 3 * s4 - s5);
    const double h3 = 0.5 * (s3 - 2 * s4 + s5);
    const double h4 = -4 * s3 + 7 * s4 - 3 * s5;
    const double h5 = 10 * s3 - 15 * s4 + 6 * s5;
    Vec3 r {};
    for (std::size_t c = 0; c < 3; ++c)
        r[c] = h0 * p.r[c] + h1 * h * p.v[c] + h2 * h * h * p.a[c] + h5 * q.r[c] + h4 * h * q.v[c]
            + h3 * h * h * q.a[c];
    return r;
}

} // namespace kesto::orbit
