// The numerical core of the Eros generator on a pure two-body orbit, where Kepler's equation
// gives the exact answer: the integrator must follow it, come back to its start, and the
// interpolant between its steps must stay on it.

#include "tools/eros-table/Integrator.h"

#include <QTest>

using namespace kesto::orbit;

namespace {

constexpr double SunGm = 2.9591220828559115e-4; // AU^3/day^2
constexpr double AuKm = 149597870.7;

// Eros's own elements, about the Sun alone.
const Elements Eros = {1.4581505451557,   0.2227328427416296, 10.82795835269297,
                       304.2910556026917, 178.9325148860407,  358.8212586092838};

Vec3 kepler(double, const Vec3 &r, const Vec3 &)
{
    const double d = norm(r);
    return (-SunGm / (d * d * d)) * r;
}

using Integrator = Rkf78<Vec3 (*)(double, const Vec3 &, const Vec3 &)>;

} // namespace

class tst_OrbitIntegrator : public QObject
{
    Q_OBJECT

private slots:
    void followsKeplerForwardAndBack_data();
    void followsKeplerForwardAndBack();
    void interpolatesBetweenSteps();
    void elementsGiveTheOrbitTheyDescribe();
};

void tst_OrbitIntegrator::followsKeplerForwardAndBack_data()
{
    QTest::addColumn<double>("span");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("limitKm");
    // Two orbits and a half, either way; the looser tolerance must still be good to 100 km.
    QTest::newRow("forward, tight") << 1600.0 << 1e-13 << 0.05;
    QTest::newRow("backward, tight") << -1600.0 << 1e-13 << 0.05;
    QTest::newRow("forward, loose") << 1600.0 << 1e-10 << 100.0;
}

void tst_OrbitIntegrator::followsKeplerForwardAndBack()
{
    QFETCH(double, span);
    QFETCH(double, tolerance);
    QFETCH(double, limitKm);
    const State start = stateFromElements(Eros, SunGm);
    Integrator integrator(&kepler, tolerance);

    const State there = integrator.integrate(0, start, span);
    QVERIFY(integrator.steps() > 10);
    const double offKm = norm(there.r - stateFromElements(Eros, SunGm, span).r) * AuKm;
    QVERIFY2(offKm < limitKm, qPrintable(QString::number(offKm) + " km from Kepler"));
    const State back = integrator.integrate(span, there, 0);
    QVERIFY(norm(back.r - start.r) * AuKm < 2 * limitKm);
    QVERIFY(norm(back.v - start.v) * AuKm < 2 * limitKm);
}

void tst_OrbitIntegrator::interpolatesBetweenSteps()
{
    Integrator integrator(&kepler, 1e-13);
    std::vector<Node> nodes;
    integrator.integrate(0, stateFromElements(Eros, SunGm), -400, &nodes);
    QVERIFY(nodes.size() > 20);
    QCOMPARE(nodes.front().t, 0.0);
    QCOMPARE(nodes.back().t, -400.0);
    double worstKm = 0;
    for (double t = -0.37; t > -400; t -= 1.3)
        worstKm = std::max(
            worstKm, norm(interpolate(nodes, t) - stateFromElements(Eros, SunGm, t).r) * AuKm);
    // Steps reach 20 days here; 100 m is 0.001" even at the closest the Earth comes.
    QVERIFY2(worstKm < 0.1, qPrintable(QString::number(worstKm) + " km between steps"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, interpolate(nodes, 1.0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, interpolate(nodes, -400.5));
}

void tst_OrbitIntegrator::elementsGiveTheOrbitTheyDescribe()
{
    const State s = stateFromElements(Eros, SunGm);
    // Vis-viva gives back the semi-major axis; the angular momentum the inclination.
    const double r = norm(s.r);
    const double a = 1 / (2 / r - dot(s.v, s.v) / SunGm);
    QVERIFY(std::abs(a - Eros.a) < 1e-12);
    const Vec3 h = {s.r[1] * s.v[2] - s.r[2] * s.v[1], s.r[2] * s.v[0] - s.r[0] * s.v[2],
                    s.r[0] * s.v[1] - s.r[1] * s.v[0]};
    const double inclination = std::acos(h[2] / norm(h)) * 180 / 3.14159265358979323846;
    QVERIFY(std::abs(inclination - Eros.i) < 1e-10);
    // Near perihelion (M = 358.8 degrees): the distance is close to a (1 - e).
    QVERIFY(std::abs(r - Eros.a * (1 - Eros.e)) < 0.001);
}

QTEST_APPLESS_MAIN(tst_OrbitIntegrator)
#include "tst_orbitintegrator.moc"
