// The diagram's geometry against the record: points, circle, slip divisions, ticks, page and scale, for
// the default motor and the extremes, and the page rule over seeded random motors.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "Characteristic.h"
#include "DiagramGeometry.h"
#include "RandomMotors.h"

using namespace diagram;

namespace {

TKonstrukce Accepted(const TypedInput& z)
{
    const char32_t saved = DecimalSeparator;
    DecimalSeparator = U',';
    TKonstrukce k{};
    EXPECT_FALSE(AcceptInput(z, k).has_value()) << z.PrNapr << " " << z.PrNakr;
    DecimalSeparator = saved;
    return k;
}

QPointF At(long double x, long double y)
{
    return {static_cast<double>(x), static_cast<double>(y)};
}

// Everything the page must hold, straight from the record and the characteristic points.
std::vector<QPointF> MustBeOnPage(const TKonstrukce& k, const CharacteristicPoints& c)
{
    std::vector<QPointF> points{{0, 0},
                                At(k.Ao.x, k.Ao.y),
                                At(k.Ak.x, k.Ak.y),
                                At(k.BodPomeru.x, k.BodPomeru.y),
                                At(k.PrimkaSkluzu.zacatek.x, k.PrimkaSkluzu.zacatek.y),
                                At(k.PrimkaSkluzu.konec.x, k.PrimkaSkluzu.konec.y)};
    for (int i = 1; i <= SlipCount; ++i) {
        points.push_back(At(k.SkluzX[i], k.SkluzY[i]));
        points.push_back(At(k.KruzniceX[i], k.KruzniceY[i]));
    }
    for (const auto* p : {&c.maxTorque, &c.maxOutput, &c.maxPowerFactor, &c.maxEfficiency, &c.maxInput})
        if (*p && (*p)->slip && *(*p)->slip >= 0 && *(*p)->slip <= 1)
            points.push_back(At((*p)->point.x, (*p)->point.y));
    return points;
}

// The working region and the drawing's box on the page, clear of the title block.
void ExpectWorkingRegionOnPage(const PageLayout& l, const std::vector<QPointF>& points)
{
    constexpr double Slack = 1e-9; // mm
    const QRectF frame = l.frame.adjusted(-Slack, -Slack, Slack, Slack);
    for (const QPointF& a : points) {
        const QPointF mm = l.ToPage(a);
        EXPECT_TRUE(frame.contains(mm)) << a.x() << ", " << a.y();
        EXPECT_FALSE(l.titleBlock.contains(mm)) << a.x() << ", " << a.y();
    }
    EXPECT_TRUE(frame.contains(l.drawing));
    EXPECT_FALSE(l.drawing.intersects(l.titleBlock));
    EXPECT_TRUE(l.frame.contains(l.titleBlock));
    EXPECT_EQ(l.frame,
              QRectF(PageMargin, PageMargin, l.page.width() - 2 * PageMargin, l.page.height() - 2 * PageMargin));
}

// No smaller ISO page, in either orientation, holds the diagram at the chosen scale.
void ExpectSmallestPage(const Scene& s, const PageLayout& l)
{
    ASSERT_TRUE(l.paper.has_value());
    EXPECT_EQ(l.page, l.landscape ? PortraitSizeMm(*l.paper).transposed() : PortraitSizeMm(*l.paper));
    for (Paper smaller : Papers) {
        if (smaller == *l.paper)
            break;
        EXPECT_FALSE(FitOnPage(s, l.scale, PortraitSizeMm(smaller)));
        EXPECT_FALSE(FitOnPage(s, l.scale, PortraitSizeMm(smaller).transposed()));
    }
}

double Across(const Scene& s)
{
    return std::max(s.workingRegion.Width(), s.workingRegion.Height());
}

struct Motor {
    const char* name;
    TypedInput input;
    Scale scale;
    Paper paper;
    Series tick; // at least 10 mm apart at that scale
};

const Motor Motors[] = {
    {"defaults", {"15", "0,11", "177", "0,41", "220", "0,25", 1, 3}, {1, 0}, Paper::A4, {1, 1}},
    // Radius 0,0053 A, T below Ao; the working region (from O) is about 1 A across.
    {"tiny circle", {"1", "0,02", "1,0105", "0,0202", "500", "5", 1, 3}, {1, -2}, Paper::A4, {1, -1}},
    // Radius 331 450 A; Ak 990 A up: A0 at 1 A = 1 mm, S and A∞ far off the page.
    {"huge circle", {"139,6", "0,01", "1000", "0,99", "1000", "0,5", 1, 3}, {1, 0}, Paper::A0, {1, 1}},
    // T below Ao: the torque line falls and A∞ lies below the x axis.
    {"T below Ao", {"50", "0,19", "165", "0,88", "259", "0,05", 1, 3}, {1, 0}, Paper::A4, {1, 1}},
    // Maximum torque at slip 1,77, beyond Ak; the working region is 57 A across, so 0,5 A per mm.
    {"maximum torque beyond Ak", {"38", "0,14", "74", "0,64", "199", "0,42", 1, 3}, {5, -1}, Paper::A4, {5, 0}},
};

class DiagramGeometry : public ::testing::TestWithParam<Motor> {};

TEST_P(DiagramGeometry, AgreesWithTheRecordAndThePageRule)
{
    const Motor& m = GetParam();
    const TKonstrukce k = Accepted(m.input);
    const CharacteristicPoints c = ReadCharacteristicPoints(k);
    const Scene s = BuildScene(k, c);

    // Every labelled point where the record puts it.
    const std::pair<Named, QPointF> named[] = {
        {Named::O, {0, 0}},
        {Named::Ao, At(k.Ao.x, k.Ao.y)},
        {Named::Ak, At(k.Ak.x, k.Ak.y)},
        {Named::T, At(k.BodPomeru.x, k.BodPomeru.y)},
        {Named::M, At(k.StredPrimky.x, k.StredPrimky.y)},
        {Named::S, At(k.StredKruznice.x, k.Ao.y)},
        {Named::AInf, At(k.AInf.x, k.AInf.y)},
    };
    for (const auto& [n, at] : named)
        EXPECT_EQ(s.Point(n).at, at) << s.Point(n).name.toStdString();

    // The circle: centre S on the horizontal through Ao, radius Polomer; it passes through Ao, Ak, A∞
    // and every operating point, and the drawn arc starts at Ao and ends at A∞.
    EXPECT_EQ(s.centre, At(k.StredKruznice.x, k.Ao.y));
    EXPECT_EQ(s.radius, static_cast<double>(k.Polomer));
    std::vector<QPointF> onCircle{At(k.Ao.x, k.Ao.y), At(k.Ak.x, k.Ak.y), At(k.AInf.x, k.AInf.y)};
    for (int i = 1; i <= SlipCount; ++i) {
        EXPECT_EQ(s.operatingPoints[i], At(k.KruzniceX[i], k.KruzniceY[i]));
        onCircle.push_back(s.operatingPoints[i]);
    }
    for (const QPointF& p : onCircle)
        EXPECT_NEAR(std::hypot(p.x() - s.centre.x(), p.y() - s.centre.y()), s.radius, 1e-9 * s.radius);
    const QPointF end = OnCircle(s, s.arcEnd);
    EXPECT_NEAR(end.x(), static_cast<double>(k.AInf.x), 1e-9 * s.radius);
    EXPECT_NEAR(end.y(), static_cast<double>(k.AInf.y), 1e-9 * s.radius);

    // The slip line's divisions: P, then the record's 20 points.
    EXPECT_EQ(s.divisions[0], At(k.PrimkaSkluzu.zacatek.x, k.PrimkaSkluzu.zacatek.y));
    for (int i = 1; i <= SlipCount; ++i)
        EXPECT_EQ(s.divisions[i], At(k.SkluzX[i], k.SkluzY[i])) << i;

    // The page and scale by the rule, the working region on it, the ticks at least 10 mm apart.
    const std::optional<PageLayout> l = ChoosePage(s);
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(l->scale, m.scale);
    EXPECT_EQ(l->paper, m.paper);
    ExpectWorkingRegionOnPage(*l, MustBeOnPage(k, c));
    ExpectSmallestPage(s, *l);
    EXPECT_EQ(TickStep(l->scale, 10), m.tick);
    EXPECT_GE(m.tick.Value() / l->scale.Value(), 10 - 1e-9);
    EXPECT_LT(m.tick.Previous().Value() / l->scale.Value(), 10);

    // A point off the page is named at the edge of what is visible, in its direction.
    const Extent frame = l->FrameInAmps();
    const Extent hole = l->TitleBlockInAmps();
    for (const LabelledPoint& p : s.points) {
        if (Visible(p.at, frame, hole))
            continue;
        const QPointF edge = l->ToPage(EdgePoint(s.workingRegion.Centre(), p.at, frame, hole));
        const auto onEdge = [&edge](const QRectF& r) {
            return std::min({std::abs(edge.x() - r.left()), std::abs(edge.x() - r.right()),
                             std::abs(edge.y() - r.top()), std::abs(edge.y() - r.bottom())}) < 1e-6;
        };
        EXPECT_TRUE(onEdge(l->frame) || onEdge(l->titleBlock)) << p.name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Motors, DiagramGeometry, ::testing::ValuesIn(Motors),
                         [](const ::testing::TestParamInfo<Motor>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

// Over seeded random motors: the working region always on the smallest page that holds it, at 1 A = 1 mm
// unless A0 is too small (then the finest scale that fits A0) or the region is under 100 mm across at it
// (then the first finer scale at which it is not).
TEST(DiagramPage, RuleHoldsForRandomMotors)
{
    std::mt19937_64 random(20241207);
    int motors = 0;
    for (int attempt = 0; attempt < 3000 && motors < 400; ++attempt) {
        const TypedInput z = random_motors::RandomMotor(random);
        const char32_t saved = DecimalSeparator;
        DecimalSeparator = U',';
        TKonstrukce k{};
        const bool accepted = !AcceptInput(z, k).has_value();
        DecimalSeparator = saved;
        if (!accepted)
            continue;
        ++motors;
        const CharacteristicPoints c = ReadCharacteristicPoints(k);
        const Scene s = BuildScene(k, c);
        const std::optional<PageLayout> l = ChoosePage(s);
        ASSERT_TRUE(l.has_value()) << z.PrNapr << " " << z.PrNakr;
        SCOPED_TRACE(z.PrNapr + " " + z.UcNapr + " " + z.PrNakr + " " + z.UcNakr + " " + z.R1f);
        ExpectWorkingRegionOnPage(*l, MustBeOnPage(k, c));
        ExpectSmallestPage(s, *l);
        const Scale unit{1, 0};
        if (l->scale == unit)
            continue;
        if (l->scale.Value() > 1) {
            EXPECT_EQ(l->paper, Paper::A0);
            EXPECT_FALSE(FitOnPage(s, l->scale.Previous(), PortraitSizeMm(Paper::A0)));
            EXPECT_FALSE(FitOnPage(s, l->scale.Previous(), PortraitSizeMm(Paper::A0).transposed()));
        } else {
            EXPECT_GE(Across(s) / l->scale.Value(), MinimumAcross);
            EXPECT_LT(Across(s) / l->scale.Next().Value(), MinimumAcross);
        }
    }
    EXPECT_GE(motors, 300);
}

} // namespace
