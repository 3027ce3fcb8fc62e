// The diagram view and the curves panel on their own: the keys, the zoom's limits, the x axis and its
// tick labels at high zoom, the paper's rows in whole device pixels (run again at a display scale of
// 1.5), and the text following the font.
#include "DiagramView.h"
#include "Acceptance.h"
#include "Characteristic.h"
#include "CurvesView.h"
#include "Settings.h"
#include "WindowTestMain.h"

#include <QHBoxLayout>
#include <QtTest>

#include <functional>
#include <map>

namespace {

const QRgb BoldGrid = qRgb(0x94, 0xB3, 0xC6); // the paper's 10 mm lines

TKonstrukce DefaultMotor()
{
    TKonstrukce k{};
    if (AcceptInput(DefaultInput(), k))
        qFatal("the defaults were rejected");
    return k;
}

QImage Grab(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Dark(QRgb c)
{
    return qGray(c) < 150;
}

// The heights, in device pixels, of the runs of rows in which at least a quarter of the pixels are
// `ink`: the paper's or the plots' lines.
std::map<int, int> RunHeights(const QImage& image, const std::function<bool(QRgb)>& ink)
{
    std::map<int, int> heights; // height: how many runs
    int run = 0;
    for (int y = 0; y <= image.height(); ++y) {
        int count = 0;
        for (int x = 0; y < image.height() && x < image.width(); ++x)
            count += ink(image.pixel(x, y)) ? 1 : 0;
        if (y < image.height() && count * 4 >= image.width()) {
            ++run;
        } else if (run > 0) {
            ++heights[run];
            run = 0;
        }
    }
    return heights;
}

} // namespace

class DiagramViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        window_.resize(900, 640);
        auto* layout = new QHBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        view_ = new DiagramView;
        curves_ = new CurvesView;
        layout->addWidget(view_, 2);
        layout->addWidget(curves_, 1);
        const TKonstrukce k = DefaultMotor();
        const CharacteristicPoints c = ReadCharacteristicPoints(k);
        const diagram::Diagram d = *diagram::MakeDiagram(k, c);
        view_->SetDiagram(d);
        curves_->SetCalculation(d);
        window_.show();
        window_.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window_));
        view_->setFocus();
    }

    // Each key through its action, the modifiers a keyboard may add included: zoom about the middle,
    // pan by an eighth of the view, Home fits again.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("zoom"); // times the zoom before
        QTest::addColumn<QPointF>("pan"); // the top-left's move, in eighths of the view
        const double in = 1.5, out = 1 / 1.5;
        QTest::newRow("+") << int(Qt::Key_Plus) << 0 << in << QPointF();
        QTest::newRow("+ with Shift") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << in << QPointF();
        QTest::newRow("+ on the keypad") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << in << QPointF();
        QTest::newRow("=") << int(Qt::Key_Equal) << 0 << in << QPointF();
        QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << int(Qt::ControlModifier) << in << QPointF();
        QTest::newRow("−") << int(Qt::Key_Minus) << 0 << out << QPointF();
        QTest::newRow("− on the keypad") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << out << QPointF();
        QTest::newRow("Ctrl+−") << int(Qt::Key_Minus) << int(Qt::ControlModifier) << out << QPointF();
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << 1.0 << QPointF(-1, 0);
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << 1.0 << QPointF(1, 0);
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << 1.0 << QPointF(0, -1);
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << 1.0 << QPointF(0, 1);
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 0.0 << QPointF();
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(double, zoom);
        QFETCH(QPointF, pan);
        view_->FitToView();
        view_->ZoomAbout(QPointF(view_->width() / 3.0, view_->height() / 3.0), 4);
        const double before = view_->PixelsPerMm();
        const QPointF topLeft = view_->TopLeftMm();
        const QPointF middle = topLeft + QPointF(view_->width(), view_->height()) / 2 / before;
        QTest::keyClick(view_, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (zoom == 0) {
            QCOMPARE(view_->ZoomOfFit(), 1.0);
            return;
        }
        QVERIFY2(qFuzzyCompare(view_->PixelsPerMm(), before * zoom), qPrintable(QString::number(view_->PixelsPerMm())));
        const QPointF eighth = QPointF(view_->width(), view_->height()) / 8 / before;
        const QPointF expected = zoom == 1
            ? topLeft + QPointF(pan.x() * eighth.x(), pan.y() * eighth.y())
            : middle - QPointF(view_->width(), view_->height()) / 2 / view_->PixelsPerMm();
        QVERIFY(std::abs(view_->TopLeftMm().x() - expected.x()) < 1e-9);
        QVERIFY(std::abs(view_->TopLeftMm().y() - expected.y()) < 1e-9);
    }

    // However far the wheel turns, from a quarter of the fitted size to a hundred times it.
    void zoomLimits_data()
    {
        QTest::addColumn<int>("notches");
        QTest::addColumn<double>("zoom");
        QTest::newRow("far in") << 100000 << 100.0;
        QTest::newRow("far out") << -100000 << 0.25;
        QTest::newRow("one notch in") << 1 << 1.2;
    }

    void zoomLimits()
    {
        QFETCH(int, notches);
        QFETCH(double, zoom);
        view_->FitToView();
        const QPointF at(view_->width() / 2.0, view_->height() / 2.0);
        QWheelEvent wheel(at, view_->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view_, &wheel);
        QVERIFY2(qFuzzyCompare(view_->ZoomOfFit(), zoom), qPrintable(QString::number(view_->ZoomOfFit())));
    }

    // Zoomed in about a point of the x axis, which is then dragged to the upper part of the view: the
    // axis' row is ink from edge to edge (no label's white cuts it) and its tick labels stand under it.
    void axisAndTickLabelsAtHighZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("10 times") << 10.0;
        QTest::newRow("100 times") << 100.0;
    }

    void axisAndTickLabelsAtHighZoom()
    {
        QFETCH(double, zoom);
        view_->FitToView();
        const QPointF onAxis(40, 0); // A: between Ao and Ak, under the power line
        view_->ZoomAbout(view_->PixelOf(onAxis), zoom);
        const QPoint from = view_->PixelOf(onAxis).toPoint();
        const QPoint to(view_->width() / 2, view_->height() / 4);
        QTest::mousePress(view_, Qt::LeftButton, {}, from);
        QMouseEvent drag(QEvent::MouseMove, to, view_->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view_, &drag);
        QTest::mouseRelease(view_, Qt::LeftButton, {}, to);
        QCOMPARE(view_->PixelOf(onAxis).toPoint(), to);

        const QImage image = Grab(view_);
        const qreal ratio = view_->devicePixelRatioF();
        const int row = qRound(to.y() * ratio);
        int gaps = 0;
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = row - 2; y <= row + 2; ++y)
                ink = ink || Dark(image.pixel(x, y));
            gaps += ink ? 0 : 1;
        }
        QCOMPARE(gaps, 0);
        // The labels: runs of inked columns in the band under the ticks, apart from each other.
        int labels = 0;
        bool inLabel = false;
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = row + qRound(5 * ratio); y <= row + qRound(25 * ratio); ++y)
                ink = ink || Dark(image.pixel(x, y));
            labels += ink && !inLabel ? 1 : 0;
            inLabel = ink;
        }
        QVERIFY2(labels >= 3, qPrintable(QString::number(labels)));
    }

    // The paper's bold lines and the plots' grid lines are each one device pixel high at any display
    // scale: at 150 % a row of one logical pixel would cover one or two, or one and half of the next.
    void gridRowsAreEven_data()
    {
        QTest::addColumn<bool>("curves");
        QTest::newRow("diagram") << false;
        QTest::newRow("curves") << true;
    }

    void gridRowsAreEven()
    {
        QFETCH(bool, curves);
        view_->FitToView();
        // The plots' grid lines are smoothed: a line half on a row leaves it paler but not white.
        auto grid = [](QRgb c) {
            return c != qRgb(255, 255, 255) && qGray(c) >= 0xD0 && std::abs(qRed(c) - qGreen(c)) <= 12 &&
                std::abs(qGreen(c) - qBlue(c)) <= 12;
        };
        const std::map<int, int> heights = curves ? RunHeights(Grab(curves_), grid)
                                                  : RunHeights(Grab(view_), [](QRgb c) { return c == BoldGrid; });
        QVERIFY(!heights.empty());
        QString found;
        for (const auto& [height, count] : heights)
            found += QStringLiteral("%1 px: %2; ").arg(height).arg(count);
        QVERIFY2(heights.size() == 1 && heights.begin()->first == 1, qPrintable(found));
    }

    // A larger font gives larger text in both panels; the curves' kept picture is made anew for it.
    void textFollowsTheFont_data()
    {
        QTest::addColumn<bool>("curves");
        QTest::newRow("diagram") << false;
        QTest::newRow("curves") << true;
    }

    void textFollowsTheFont()
    {
        QFETCH(bool, curves);
        QWidget* w = curves ? static_cast<QWidget*>(curves_) : static_cast<QWidget*>(view_);
        view_->FitToView();
        const QFont font = w->font();
        auto ink = [w] {
            const QImage image = Grab(w);
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += Dark(image.pixel(x, y)) ? 1 : 0;
            return n;
        };
        const int before = ink();
        QFont larger = font;
        larger.setPixelSize(2 * QFontInfo(font).pixelSize());
        w->setFont(larger);
        const int after = ink();
        w->setFont(font);
        QVERIFY2(after > before * 5 / 4, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        QCOMPARE(ink(), before);
    }

    // At the size the view has in the window as it opens, with the defaults alone and with a point
    // asked by torque or by output: no box over any part of the construction; a click on a box's title
    // and its key collapse and expand it, and the settings keep the choice.
    void boxesLeaveTheConstructionFree_data()
    {
        QTest::addColumn<int>("quantity"); // -1: no point
        QTest::addColumn<double>("value");
        QTest::newRow("defaults") << -1 << 0.0;
        QTest::newRow("M = 200 Nm") << int(OperatingQuantity::Torque) << 200.0;
        QTest::newRow("P2 = 15 000 W") << int(OperatingQuantity::Output) << 15000.0;
    }

    void boxesLeaveTheConstructionFree()
    {
        QFETCH(int, quantity);
        QFETCH(double, value);
        const TKonstrukce k = DefaultMotor();
        std::optional<AskedPoint> asked;
        if (quantity >= 0) {
            const auto q = OperatingQuantity(quantity);
            asked = AskedPoint{q, value, SolveOperatingPoint(k, q, value), false, std::nullopt};
        }
        DiagramView view;
        view.resize(430, 395);
        view.SetDiagram(*diagram::MakeDiagram(k, ReadCharacteristicPoints(k), {}, asked));
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        auto hidden = [&view] {
            QStringList under;
            const diagram::ViewArrangement a = view.Arrangement();
            for (const std::vector<QPointF>& line : diagram::ConstructionInk(view.CurrentDiagram()->scene))
                for (std::size_t i = 1; i < line.size(); ++i)
                    for (const QRectF& box : a.boxes)
                        if (diagram::SegmentCrossesBox(view.PixelOf(line[i - 1]), view.PixelOf(line[i]), box))
                            under << QStringLiteral("%1,%2").arg(line[i].x()).arg(line[i].y());
            return under;
        };
        QCOMPARE(hidden(), QStringList{});
        QCOMPARE(view.Arrangement().boxes.size(), asked ? 2u : 1u);
        QVERIFY(view.ZoomOfFit() == 1);

        const bool before = view.Arrangement().expanded[0];
        const QRectF box = view.Arrangement().boxes[0];
        QTest::mouseClick(&view, Qt::LeftButton, {}, (box.topLeft() + QPointF(8, 8)).toPoint());
        QCOMPARE(view.Arrangement().expanded[0], !before);
        QCOMPARE(settings::DiagramBoxExpanded(settings::DiagramBox::Values), !before);
        QCOMPARE(hidden(), QStringList{});
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_C);
        QCOMPARE(view.Arrangement().expanded[0], before);
        QCOMPARE(settings::DiagramBoxExpanded(settings::DiagramBox::Values), before);
        QCOMPARE(hidden(), QStringList{});
        if (asked) {
            const bool point = view.Arrangement().expanded[1];
            QTest::keyClick(&view, Qt::Key_P);
            QCOMPARE(view.Arrangement().expanded[1], !point);
            QCOMPARE(settings::DiagramBoxExpanded(settings::DiagramBox::Point), !point);
            QCOMPARE(hidden(), QStringList{});
            QTest::keyClick(&view, Qt::Key_P);
        }
        settings::SetDiagramBoxExpanded(settings::DiagramBox::Values, true);
        settings::SetDiagramBoxExpanded(settings::DiagramBox::Point, true);
    }

private:
    QWidget window_;
    DiagramView* view_ = nullptr;
    CurvesView* curves_ = nullptr;
};

ORBITEK_WINDOW_TEST_MAIN(DiagramViewTest)

#include "DiagramViewTest.moc"
