// The diagram's geometry against the record: points, circle, slip divisions, ticks, page and scale, for
// the default motor and the extremes, the page rule over seeded random motors, and the scale's values.
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "Characteristic.h"
#include "DiagramGeometry.h"
#include "DiagramTexts.h"
#include "NumText.h"
#include "OperatingPointSolver.h"
#include "RandomMotors.h"
#include "SkipOutsideCi.h"

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

// Everything the page must hold, straight from the record and the characteristic points: the whole
// construction with S, A∞ and the arc from Ao through Ak to A∞ (sampled), every characteristic point
// on it whatever its slip.
std::vector<QPointF> MustBeOnPage(const TKonstrukce& k, const CharacteristicPoints& c)
{
    const QPointF centre = At(k.StredKruznice.x, k.Ao.y), aInf = At(k.AInf.x, k.AInf.y);
    std::vector<QPointF> points{{0, 0},
                                At(k.Ao.x, k.Ao.y),
                                At(k.Ak.x, k.Ak.y),
                                At(k.BodPomeru.x, k.BodPomeru.y),
                                centre,
                                aInf,
                                At(k.PrimkaSkluzu.zacatek.x, k.PrimkaSkluzu.zacatek.y),
                                At(k.PrimkaSkluzu.konec.x, k.PrimkaSkluzu.konec.y)};
    for (int i = 1; i <= SlipCount; ++i) {
        points.push_back(At(k.SkluzX[i], k.SkluzY[i]));
        points.push_back(At(k.KruzniceX[i], k.KruzniceY[i]));
    }
    for (const auto* p : {&c.maxTorque, &c.maxOutput, &c.maxPowerFactor, &c.maxEfficiency, &c.maxInput})
        if (*p)
            points.push_back(At((*p)->point.x, (*p)->point.y));
    // The arc clockwise from Ao (angle π) to A∞.
    const double r = static_cast<double>(k.Polomer);
    const double end = std::atan2(aInf.y() - centre.y(), aInf.x() - centre.x());
    constexpr int ArcSamples = 720;
    for (int i = 0; i <= ArcSamples; ++i) {
        const double angle = M_PI + (end - M_PI) * i / ArcSamples;
        points.push_back(centre + r * QPointF(std::cos(angle), std::sin(angle)));
    }
    return points;
}

// The working region and the drawing's box on the page, clear of the title block.
void ExpectWorkingRegionOnPage(const PageLayout& l, const std::vector<QPointF>& points)
{
    constexpr double Slack = 1e-6; // mm: the arc's samples carry the rounding of sine and cosine
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

// The page rule on `paper`: 1 A = 1 mm where it fits, else the finest scale that fits (finer only
// while the region is under 100 mm across); landscape unless portrait gives a finer scale.
void ExpectPageRule(const Scene& s, const PageLayout& l, Paper paper)
{
    ASSERT_EQ(l.paper, paper);
    const QSizeF portrait = PortraitSizeMm(paper);
    EXPECT_EQ(l.page, l.landscape ? portrait.transposed() : portrait);
    const double across = std::max(s.workingRegion.Width(), s.workingRegion.Height());
    const bool finerFits = FitOnPage(s, l.scale.Previous(), portrait) ||
        FitOnPage(s, l.scale.Previous(), portrait.transposed());
    if (l.scale.Value() > 1) {
        EXPECT_FALSE(finerFits);
    }
    if (l.scale.Value() < 1) {
        EXPECT_LT(across / l.scale.Next().Value(), MinimumAcross);
        EXPECT_TRUE(across / l.scale.Value() >= MinimumAcross || !finerFits);
    }
    if (!l.landscape) {
        EXPECT_FALSE(FitOnPage(s, l.scale, portrait.transposed())) << "portrait although landscape holds it";
    }
}

struct Motor {
    const char* name;
    TypedInput input;
    Scale scale; // on A4
    bool landscape;
    Series tick; // at least 10 mm apart at that scale
    Scale onA0;  // the same rule on A0
};

const Motor Motors[] = {
    {"defaults", {"15", "0,11", "177", "0,41", "220", "0,25", 1, 3}, {1, 0}, true, {1, 1}, {1, 0}},
    // Radius 0,0053 A, T below Ao; the working region (from O) is about 1 A across.
    {"tiny circle", {"1", "0,02", "1,0105", "0,0202", "500", "5", 1, 3}, {1, -2}, true, {1, -1}, {1, -2}},
    // Radius 331 450 A; Ak 990 A up: S lies 331 590 A out, so 2 000 A per mm even on A0.
    {"huge circle", {"139,6", "0,01", "1000", "0,99", "1000", "0,5", 1, 3}, {2, 3}, true, {2, 4}, {5, 2}},
    // T below Ao: the torque line falls and A∞ lies below the x axis.
    {"T below Ao", {"50", "0,19", "165", "0,88", "259", "0,05", 1, 3}, {5, 0}, true, {5, 1}, {1, 0}},
    // Maximum torque at slip 1,77, beyond Ak.
    {"maximum torque beyond Ak", {"38", "0,14", "74", "0,64", "199", "0,42", 1, 3}, {1, 0}, true, {1, 1}, {1, 0}},
    // A large motor that A0 took at 1 A = 1 mm: A4 now, and the whole circle with S on it.
    {"large motor", {"300", "0,11", "1000", "0,41", "220", "0,05", 1, 3}, {5, 0}, true, {5, 1}, {1, 0}},
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

    // The page and scale by the rule, the working region on it, the ticks at least 10 mm apart; the
    // same on A0, and a forced scale there that A4 cannot hold.
    const std::optional<PageLayout> l = ChoosePage(s);
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(l->scale, m.scale);
    EXPECT_EQ(l->landscape, m.landscape);
    ExpectWorkingRegionOnPage(*l, MustBeOnPage(k, c));
    ExpectPageRule(s, *l, Paper::A4);
    const std::optional<PageLayout> a0 = ChoosePage(s, {Paper::A0, std::nullopt});
    ASSERT_TRUE(a0.has_value());
    EXPECT_EQ(a0->scale, m.onA0);
    ExpectWorkingRegionOnPage(*a0, MustBeOnPage(k, c));
    ExpectPageRule(s, *a0, Paper::A0);
    if (m.onA0.Value() < m.scale.Value()) {
        EXPECT_FALSE(ChoosePage(s, {Paper::A4, m.onA0}));
        const std::optional<PageLayout> forced = ChoosePage(s, {Paper::A0, m.onA0});
        ASSERT_TRUE(forced.has_value());
        EXPECT_EQ(forced->page, a0->page);
    }
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

// An operating point's construction: X on the circle, the slip scale's point on the line from Ao through
// X and on the scale at the slip's share of it, the vertical's cuts in order. Its block joins the title
// block clear of the drawing, and leaves the page as it was, or else takes a coarser scale.
void ExpectPointOnPage(const TKonstrukce& k, const CharacteristicPoints& c, const PageLayout& plain, long double share,
                       int& sameScale)
{
    const OperatingPointSolution solved = SolveOperatingPoint(k, OperatingQuantity::Output,
                                                              share * *c.maxOutput->output);
    ASSERT_TRUE(solved.point);
    const Scene s = BuildScene(k, c, solved.point);
    ASSERT_TRUE(s.operatingPoint);
    const PointConstruction& p = *s.operatingPoint;
    const double r = s.radius;
    EXPECT_NEAR(std::hypot(p.x.x() - s.centre.x(), p.x.y() - s.centre.y()), r, 1e-9 * r);
    const QPointF ray = p.x - p.ao, toScale = p.slipPoint - p.ao;
    EXPECT_NEAR(ray.x() * toScale.y() - ray.y() * toScale.x(), 0, 1e-9 * r * r);
    const QLineF scale = s.slipLine;
    EXPECT_NEAR(QLineF(scale.p1(), p.slipPoint).length(), static_cast<double>(p.slip) * scale.length(), 1e-9 * r);
    EXPECT_GE(p.x.y(), p.powerLine - 1e-9 * r);
    EXPECT_GE(p.powerLine, p.torqueLine - 1e-9 * r);

    const std::optional<PageLayout> l = ChoosePage(s);
    ASSERT_TRUE(l && l->pointBlock);
    EXPECT_GE(l->scale.Value(), plain.scale.Value());
    EXPECT_TRUE(l->titleBlock.contains(*l->pointBlock) &&
                l->titleBlock.contains(
                    plain.titleBlock.translated(l->titleBlock.bottomRight() - plain.titleBlock.bottomRight())));
    ExpectWorkingRegionOnPage(*l, MustBeOnPage(k, c));
    if (l->scale == plain.scale) {
        ++sameScale;
        EXPECT_EQ(l->origin, plain.origin);
        EXPECT_EQ(l->drawing, plain.drawing);
    }
}

// Over seeded random motors: the whole construction always on the default A4 page by the page rule,
// with an operating point too.
TEST(DiagramPage, RuleHoldsForRandomMotors)
{
    std::mt19937_64 random(20241207);
    std::uniform_real_distribution<double> share(0, 1);
    int motors = 0, sameScale = 0;
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
        ExpectPageRule(s, *l, Paper::A4);
        ExpectPointOnPage(k, c, *l, share(random), sameScale);
    }
    EXPECT_GE(motors, 300);
    EXPECT_GE(sameScale, motors * 9 / 10); // the point's block nearly always finds room
}

// Paper narrower than the title block gets the narrow one, shrunk where even that is too wide.
TEST(DiagramPage, TitleBlockFitsTheFrame)
{
    const struct {
        double frameWidth;
        QSizeF block;
    } cases[] = {
        {277, TitleBlockSize},       // A4 landscape
        {182, TitleBlockSize},       // just wide enough
        {128, NarrowTitleBlockSize}, // A5 portrait
        {56, NarrowTitleBlockSize / 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleBlockSizeFor(c.frameWidth), c.block) << c.frameWidth;
}

// The tick step of any scale, a view zoomed far out or in included, stays within the series' range;
// the scale texts themselves are the calculator's test.
TEST(DiagramPage, TickStepsStayInTheSeries)
{
    EXPECT_EQ(SeriesAtLeast(0), (Series{1, -15}));
    EXPECT_EQ(SeriesAtLeast(1e300), (Series{5, 15}));
    EXPECT_EQ(SeriesAtLeast(std::numeric_limits<double>::infinity()), (Series{5, 15}));
    EXPECT_EQ(SeriesAtLeast(3), (Series{5, 0}));
    EXPECT_EQ(SeriesValue(1e-400L), std::nullopt);
}

// Tick labels in the program's separators whatever the C library's locale, which Qt takes from the
// environment: a comma there once made "20,0" read "2 0,0".
TEST(DiagramPage, TickTextsKeepToTheProgramsSeparators)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "cs_CZ.utf8") == nullptr && std::setlocale(LC_NUMERIC, "de_DE.utf8") == nullptr)
        ORBITEK_SKIP_OUTSIDE_CI("no locale with a decimal comma (scripts/setup.sh makes cs_CZ.UTF-8)");
    const char32_t decimal = DecimalSeparator, thousands = ThousandSeparator;
    DecimalSeparator = U',';
    ThousandSeparator = U' ';
    const struct {
        double value;
        Series step;
        const char* text;
    } cases[] = {
        {20, {5, -1}, "20,0"},      {1234.5, {5, -1}, "1 234,5"}, {-0.04, {1, -1}, "0,0"},
        {1e6, {1, 3}, "1 000 000"}, {0.002, {2, -3}, "0,002"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TickText(c.value, c.step).toStdString(), c.text) << c.value;
    DecimalSeparator = decimal;
    ThousandSeparator = thousands;
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
