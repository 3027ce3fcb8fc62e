// The labels of the diagram and the curves over seeded random motors, tiny circles, maxima beyond slip
// 1 and operating points among them: none over another, over a point or a symbol, or outside its area;
// and the texts of the title block's scales, of the torque line and the operating point, and of the
// readout.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "CurvesPainter.h"
#include "DiagramPainter.h"
#include "DrawingConstants.h"
#include "RandomMotors.h"

using namespace diagram;

namespace {

constexpr int MotorCount = 1000;
constexpr std::uint64_t Seed = 20260520;

std::optional<TKonstrukce> Accepted(const TypedInput& z)
{
    const char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    DecimalSeparator = U',';
    ThousandSeparator = U' ';
    TKonstrukce k{};
    const bool accepted = !AcceptInput(z, k).has_value();
    DecimalSeparator = decimal;
    ThousandSeparator = thousand;
    return accepted ? std::optional(k) : std::nullopt;
}

// A motor whose locked-rotor test lies just beyond its no-load test: a circle a few amperes or less
// across, far from O.
TypedInput TinyCircle(std::mt19937_64& random)
{
    auto uniform = [&random](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    TypedInput z = random_motors::RandomMotor(random);
    const long long i0 = uniform(1000, 200000), cos0 = uniform(1, 90);
    z.PrNapr = random_motors::Text(i0, 3);
    z.PrNakr = random_motors::Text(i0 + uniform(10, 500), 3);
    z.UcNapr = random_motors::Text(cos0, 2);
    z.UcNakr = random_motors::Text(cos0 + uniform(1, std::min(3LL, 99 - cos0)), 2);
    z.R1f = "0,05";
    return z;
}

// Every point the diagram marks, on the page, where the page shows it.
std::vector<QPointF> MarkedPoints(const Diagram& d)
{
    const Scene& s = d.scene;
    const PageLayout& l = d.page;
    std::vector<QPointF> amps;
    for (const LabelledPoint& p : s.points)
        amps.push_back(p.at);
    for (int i = 1; i <= SlipCount; ++i)
        amps.push_back(s.operatingPoints[i]);
    for (const CharacteristicMark& m : s.characteristic)
        amps.push_back(m.at);
    if (s.efficiencyPole)
        amps.push_back(*s.efficiencyPole);
    if (s.operatingPoint)
        for (QPointF p : {s.operatingPoint->x, s.operatingPoint->slipPoint})
            amps.push_back(p);
    std::vector<QPointF> page;
    for (QPointF a : amps)
        if (Visible(a, l.FrameInAmps(), l.TitleBlockInAmps()))
            page.push_back(l.ToPage(a));
    return page;
}

void ExpectApart(const std::vector<QRectF>& boxes, const std::string& what)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].intersects(boxes[j])) << what << " " << i << " and " << j;
}

// The whole default page of each motor, and its curves page.
TEST(DiagramLabels, NeverCoverEachOtherAPointOrTheEdge)
{
    std::mt19937_64 random(Seed);
    QImage probe(8, 8, QImage::Format_RGB32); // text is measured on a device; nothing is drawn
    QPainter painter(&probe);
    std::uniform_real_distribution<double> share(0, 1);
    int motors = 0, tiny = 0, beyond = 0, unnamed = 0, points = 0, slipRead = 0;
    while (motors < MotorCount) {
        const TypedInput z = motors % 4 == 3 ? TinyCircle(random) : random_motors::RandomMotor(random);
        const std::optional<TKonstrukce> k = Accepted(z);
        if (!k)
            continue;
        ++motors;
        const CharacteristicPoints c = ReadCharacteristicPoints(*k);
        // Every other motor with an operating point at some output.
        std::optional<AskedPoint> asked;
        if (motors % 2 == 0) {
            const long double p2 = share(random) * *c.maxOutput->output;
            asked = AskedPoint{OperatingQuantity::Output, p2, SolveOperatingPoint(*k, OperatingQuantity::Output, p2),
                               false, std::nullopt};
        }
        const std::optional<Diagram> d = MakeDiagram(*k, c, {}, asked);
        ASSERT_TRUE(d.has_value());
        points += d->scene.operatingPoint.has_value();
        SCOPED_TRACE(z.PrNapr + " " + z.UcNapr + " " + z.PrNakr + " " + z.UcNakr + " " + z.FazoveNapeti + " " + z.R1f);
        tiny += d->scene.radius < 2;
        beyond += c.maxTorque && c.maxTorque->slip && *c.maxTorque->slip > 1;

        PaintTarget target;
        target.visible = d->page.frame;
        target.hole = d->page.titleBlock;
        const DiagramLabels labels = PlaceDiagramLabels(painter, d->scene, d->page, target);
        ASSERT_GE(labels.labels.size(), 10u);
        std::vector<QRectF> boxes;
        for (const PlacedLabel& label : labels.labels) {
            EXPECT_TRUE(d->page.frame.contains(label.box)) << label.text.toStdString();
            EXPECT_FALSE(d->page.titleBlock.intersects(label.box)) << label.text.toStdString();
            for (const QRectF& mark : labels.marks)
                EXPECT_FALSE(mark.intersects(label.box)) << label.text.toStdString();
            boxes.push_back(label.box);
        }
        ExpectApart(boxes, "diagram labels");
        slipRead += std::any_of(labels.labels.begin(), labels.labels.end(),
                                [](const PlacedLabel& l) { return l.text.startsWith(QStringLiteral("s = ")); });
        // Every point the diagram marks is among the marks the labels keep clear of.
        for (QPointF p : MarkedPoints(*d))
            EXPECT_TRUE(
                std::any_of(labels.marks.begin(), labels.marks.end(), [p](const QRectF& m) { return m.contains(p); }))
                << p.x() << ", " << p.y();

        for (const CurveSet& curves : {MakeCurves(*k, c), MakeOutputCurves(*k, c)}) {
            const CurvesLayout layout = LayOutCurves(painter, curves, QRectF(14, 33, 170, 153), DevicePolicy::Paper());
            const std::array<LabelPlacer, PlotCount> placed = PlaceCurvesLabels(painter, curves, layout);
            for (int i = 0; i < PlotCount; ++i) {
                const std::vector<QRectF>& names = placed[i].Labels();
                for (const QRectF& name : names) {
                    EXPECT_TRUE(layout.plots[i].adjusted(-1, -1, 1, 1).contains(name)); // 1 mm for the white
                    for (const QRectF& blocked : placed[i].Blocked())
                        EXPECT_FALSE(blocked.intersects(name));
                }
                ExpectApart(names, "curve names");
            }
            unnamed += placed[TorquePlot].Labels().empty();
        }
    }
    EXPECT_LE(unnamed, MotorCount / 25); // Mmax, or the value beyond the axis' end, nearly always finds room
    EXPECT_GE(tiny, MotorCount / 10);
    EXPECT_GE(beyond, MotorCount / 10);
    EXPECT_EQ(points, MotorCount / 2);
    EXPECT_GE(slipRead, points * 9 / 10); // the slip read on the scale nearly always finds room
}

// The places offered round a point keep off it, the first on the wanted side; those beside a line keep
// the gap from it, as many on one side as on the other.
TEST(LabelPlaces, KeepOffTheirPointAndLine)
{
    std::mt19937_64 random(Seed);
    std::uniform_real_distribution<double> coordinate(-50, 50), length(0.5, 20);
    auto dot = [](QPointF u, QPointF v) { return u.x() * v.x() + u.y() * v.y(); };
    for (int i = 0; i < 500; ++i) {
        const QPointF a(coordinate(random), coordinate(random)), b(coordinate(random), coordinate(random));
        const QSizeF size(length(random), length(random) / 4);
        const double gap = length(random) / 10;
        const std::vector<QRectF> around = AroundPoint(a, size, b - a, gap);
        for (const QRectF& box : around)
            EXPECT_FALSE(box.contains(a));
        EXPECT_GT(dot(around.front().center() - a, b - a), 0);

        const QPointF n = QPointF(a.y() - b.y(), b.x() - a.x()) / std::hypot(b.x() - a.x(), b.y() - a.y());
        int left = 0;
        for (const QRectF& box : BesideLine(a, b, size, gap)) {
            const double side = dot(box.center() - a, n) > 0 ? 1 : -1;
            for (QPointF corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
                EXPECT_GE(side * dot(corner - a, n), gap * (1 - 1e-9));
            left += side > 0 ? 1 : -1;
        }
        EXPECT_EQ(left, 0);
    }
}

// The defaults and the motors whose names used to pile up: every point and symbol named.
TEST(DiagramLabels, EveryNameStandsOnTheUsualPages)
{
    const TypedInput defaults{"15", "0,11", "177", "0,41", "220", "0,25", 1, 3};
    TypedInput i150 = defaults, r1 = defaults;
    i150.PrNapr = "150";
    r1.R1f = "0,05";
    r1.UcNakr = "0,8";
    QImage probe(8, 8, QImage::Format_RGB32);
    QPainter painter(&probe);
    for (const TypedInput& z : {defaults, i150, r1}) {
        SCOPED_TRACE(z.PrNapr + " " + z.UcNakr + " " + z.R1f);
        const std::optional<TKonstrukce> k = Accepted(z);
        ASSERT_TRUE(k);
        const std::optional<Diagram> d = MakeDiagram(*k, ReadCharacteristicPoints(*k));
        ASSERT_TRUE(d);
        PaintTarget target;
        target.visible = d->page.frame;
        target.hole = d->page.titleBlock;
        QStringList texts;
        for (const PlacedLabel& label : PlaceDiagramLabels(painter, d->scene, d->page, target).labels)
            texts << label.text;
        for (const char* name : {"O", "Ao", "Ak", "T", "M", "S", "A∞", "Mmax", "P2max", "cos φmax", "ηmax", "P1max",
                                 "přímka výkonu", "přímka momentu", "stupnice skluzu", "0", "1", "Uf"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(name))) << name;
    }
}

// A view's window on the default page: `zoom` pixels per page millimetre, centred on `amps`, text and
// marks at the screen's least size.
PaintTarget ViewOn(const Diagram& d, QPointF amps, double zoom, QSizeF pixels = QSizeF(600, 400))
{
    PaintTarget t;
    const QSizeF mm = pixels / zoom;
    t.visible = QRectF(d.page.ToPage(amps) - QPointF(mm.width(), mm.height()) / 2, mm);
    t.pixelsPerMm = zoom;
    t.device = DevicePolicy::Paper(LeastScreenPixelsPerMm / zoom);
    return t;
}

bool IsEdgeMarker(const QString& text)
{
    return text.startsWith(QStringLiteral("‹ ")) || text.startsWith(QStringLiteral("↑ ")) ||
        text.startsWith(QStringLiteral("↓ ")) || text.endsWith(QStringLiteral(" ›"));
}

// Views zoomed in anywhere on random motors: every named point off the view is named once, in the one
// marker of the edge it lies beyond, and no marker stands twice on one edge.
TEST(DiagramLabels, PointsOffTheViewShareOneMarkerAnEdge)
{
    std::mt19937_64 random(Seed + 1);
    std::uniform_real_distribution<double> share(0, 1), zoomExponent(0, 2);
    QImage probe(8, 8, QImage::Format_RGB32);
    QPainter painter(&probe);
    int views = 0, markers = 0;
    while (views < 300) {
        const std::optional<TKonstrukce> k = Accepted(random_motors::RandomMotor(random));
        if (!k)
            continue;
        const std::optional<Diagram> d = MakeDiagram(*k, ReadCharacteristicPoints(*k));
        ASSERT_TRUE(d);
        ++views;
        const Extent& w = d->scene.workingRegion;
        const QPointF centre(w.left + share(random) * w.Width(), w.bottom + share(random) * w.Height());
        const PaintTarget t = ViewOn(*d, centre, 3 * std::pow(10, zoomExponent(random)));
        const Extent box = d->page.InAmps(t.visible);
        std::map<QString, int> named;
        QStringList sides;
        for (const PlacedLabel& label : PlaceDiagramLabels(painter, d->scene, d->page, t).labels) {
            if (!IsEdgeMarker(label.text))
                continue;
            ++markers;
            sides << label.text.left(1) + label.text.right(1);
            QString names = label.text;
            names.remove(QStringLiteral("‹ ")).remove(QStringLiteral("↑ ")).remove(QStringLiteral("↓ "));
            names.remove(QStringLiteral(" ›"));
            for (const QString& name : names.split(QStringLiteral(", ")))
                ++named[name];
        }
        const qsizetype count = sides.size();
        sides.removeDuplicates();
        EXPECT_EQ(sides.size(), count); // one an edge
        std::vector<std::pair<QString, QPointF>> points;
        for (const LabelledPoint& p : d->scene.points)
            points.emplace_back(p.name, p.at);
        for (const CharacteristicMark& m : d->scene.characteristic)
            points.emplace_back(SymbolName(m.symbol), m.at);
        for (const auto& [name, at] : points)
            EXPECT_EQ(named[name], box.Contains(at) ? 0 : 1)
                << name.toStdString() << " at " << at.x() << ", " << at.y();
    }
    EXPECT_GE(markers, 300);
}

// Far into the x axis (a view 2,5 A across at 1 A = 1 mm): its ticks are those of the visible part,
// labelled, however many the whole axis would have.
TEST(DiagramLabels, TicksOfTheVisiblePartAtAnyZoom)
{
    const std::optional<TKonstrukce> k = Accepted({"15", "0,11", "177", "0,41", "220", "0,25", 1, 3});
    ASSERT_TRUE(k);
    const std::optional<Diagram> d = MakeDiagram(*k, ReadCharacteristicPoints(*k));
    ASSERT_TRUE(d);
    QImage probe(8, 8, QImage::Format_RGB32);
    QPainter painter(&probe);
    for (double zoom : {10.0, 240.0, 2400.0}) {
        int ticks = 0;
        for (const PlacedLabel& label :
             PlaceDiagramLabels(painter, d->scene, d->page, ViewOn(*d, QPointF(20, 0), zoom)).labels)
            ticks += label.text.front().isDigit() && label.box.top() > d->page.origin.y() ? 1 : 0;
        EXPECT_GE(ticks, 4) << zoom;
    }
}

// One millimetre of ordinate in watts (m · Uf · A/mm) and in newton-metres (kM · A/mm).
TEST(DiagramTexts, ScalesOfPowerAndTorque)
{
    const std::optional<TKonstrukce> k = Accepted({"15", "0,11", "177", "0,41", "220", "0,25", 1, 3});
    ASSERT_TRUE(k);
    const char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    DecimalSeparator = U',';
    ThousandSeparator = U' ';
    const TitleBlockTexts t = MakeTitleBlockTexts(*k, ReadCharacteristicPoints(*k));
    const struct {
        Scale scale;
        const char* power;
        const char* torque;
    } cases[] = {
        {{1, 0}, "1 mm = 660 W", "1 mm = 8,404 Nm"},
        {{5, -1}, "1 mm = 330 W", "1 mm = 4,202 Nm"},
        {{2, 1}, "1 mm = 13 200 W", "1 mm = 168,08 Nm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PowerScaleText(t, c.scale).toStdString(), c.power);
        EXPECT_EQ(TorqueScaleText(t, c.scale).toStdString(), c.torque);
    }
    EXPECT_EQ(t.inputsLine.toStdString(),
              "I0 = 15 A, cos φ0 = 0,11, Ik = 177 A, cos φk = 0,41, Uf = 220 V, R1f = 0,25 Ω, m = 3, ns = 750 1/min");
    DecimalSeparator = decimal;
    ThousandSeparator = thousand;
}

// The title block's line on T names the line drawn; an operating point's block says what it was asked
// by, and has no efficiency at Ao.
TEST(DiagramTexts, TorqueLineAndOperatingPoint)
{
    const char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    const std::optional<TKonstrukce> k = Accepted({"15", "0,11", "177", "0,41", "220", "0,25", 1, 3});
    ASSERT_TRUE(k);
    DecimalSeparator = U',';
    ThousandSeparator = U' ';
    TKonstrukce textbook = *k;
    textbook.torqueLine = TorqueLine::NoLoadLine;
    const CharacteristicPoints c = ReadCharacteristicPoints(*k);
    const struct {
        const TKonstrukce* record;
        OperatingQuantity quantity;
        long double value;
        const char* torqueLine;
        const char* asked;
        const char* efficiency;
    } cases[] = {
        {&*k, OperatingQuantity::Output, 15000, "Bod T dělí pořadnici Ak (od osy x) v poměru R1f : R21f",
         "P2 = 15 000 W", "0,8744"},
        {&textbook, OperatingQuantity::Speed, 750, "Bod T dělí pořadnici Ak nad přímkou naprázdno v poměru R1f : R21f",
         "n = 750 1/min", "—"},
        {&*k, OperatingQuantity::Slip, 0.04L, "Bod T dělí pořadnici Ak (od osy x) v poměru R1f : R21f", "s = 0,04",
         "0,8727"},
    };
    for (const auto& t : cases) {
        const AskedPoint asked{t.quantity, t.value, SolveOperatingPoint(*t.record, t.quantity, t.value), false,
                               std::nullopt};
        const TitleBlockTexts texts = MakeTitleBlockTexts(*t.record, c, asked);
        EXPECT_EQ(texts.torqueLine.toStdString(), t.torqueLine);
        EXPECT_EQ(texts.pointAsked.toStdString(), t.asked);
        ASSERT_EQ(texts.point.size(), 12u);
        EXPECT_EQ(texts.point[6].caption.toStdString(), "η");
        EXPECT_EQ(texts.point[6].value.toStdString(), t.efficiency);
        EXPECT_TRUE(MakeTitleBlockTexts(*t.record, c).point.empty());
    }
    DecimalSeparator = decimal;
    ThousandSeparator = thousand;
}

// At Ao the motor gives nothing and beyond slip 1 it brakes: no efficiency there, and the region named.
TEST(DiagramTexts, ReadoutInTheBrakingRegion)
{
    // The maximum torque of this motor lies at slip 1,47.
    const std::optional<TKonstrukce> k = Accepted({"15", "0,11", "177", "0,8", "220", "0,05", 1, 3});
    ASSERT_TRUE(k);
    const CharacteristicPoints c = ReadCharacteristicPoints(*k);
    ASSERT_TRUE(c.maxTorque && c.maxTorque->slip && *c.maxTorque->slip > 1);
    const struct {
        Point at;
        bool efficiency, braking;
    } cases[] = {
        {k->Ao, false, false},
        {{k->KruzniceX[5], k->KruzniceY[5]}, true, false},
        {c.maxTorque->point, false, true},
    };
    for (const auto& c : cases) {
        const OperatingPoint p = OperatingPointAt(*k, c.at);
        const std::vector<TextRow> rows = ReadoutRows(p);
        ASSERT_GE(rows.size(), 6u);
        EXPECT_EQ(rows[4].value == NoEfficiency, !c.efficiency) << rows[4].value.toStdString();
        EXPECT_EQ(rows.back().value == BrakingRegion, c.braking);
        EXPECT_EQ(rows.size(), c.braking ? 7u : 6u);
    }
}

} // namespace
