// The string grid: cell geometry, look, moving the current cell, copying as tab-separated text.
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include "DialogTestSupport.h"
#include "StringGrid.h"
#include "WindowTestMain.h"

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// Like the coordinates table: columns 150, 56, 53, rows of 20, one fixed column and row.
StringGrid* MakeGrid(QWidget* parent)
{
    auto* grid = new StringGrid(parent, QRect(0, 0, 265, 171), {150, 56, 53}, 8, 20, 1, 1);
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            grid->SetCell(c, r, QStringLiteral("W%1%2").arg(c).arg(r));
    return grid;
}

QColor Active(const QWidget* w, QPalette::ColorRole role)
{
    return w->palette().color(QPalette::Active, role);
}

// The darkest pixel of a rectangle: where the text is.
QColor Darkest(const QImage& image, const QRect& r)
{
    QColor darkest = Qt::white;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() < darkest.lightness())
                darkest = c;
        }
    return darkest;
}

} // namespace

class StringGridTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        window_ = new QWidget;
        window_->resize(600, 400);
        grid_ = MakeGrid(window_);
        other_ = new QWidget(window_);
        other_->setFocusPolicy(Qt::StrongFocus);
        other_->setGeometry(400, 0, 20, 20);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanupTestCase() { delete window_; }

    void cellRects_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRect>("expected");
        // Inside a 2-pixel border; each cell is followed by its 1-pixel line.
        QTest::newRow("corner") << 0 << 0 << QRect(2, 2, 150, 20);
        QTest::newRow("first body cell") << 1 << 1 << QRect(153, 23, 56, 20);
        QTest::newRow("last column") << 2 << 1 << QRect(210, 23, 53, 20);
        QTest::newRow("last row") << 0 << 7 << QRect(2, 149, 150, 20);
    }
    void cellRects()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QRect, expected);
        QCOMPARE(grid_->CellRect(col, row), expected);
    }

    void look_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<int>("role"); // QPalette::ColorRole, or -1 for the silver line
        const int line = -1;
        // Band probes sit where the lines of the body would be: the band has none.
        QTest::newRow("band between fixed cells") << false << true << QPoint(152, 10) << int(QPalette::Button);
        QTest::newRow("band under the corner") << false << true << QPoint(40, 22) << int(QPalette::Button);
        QTest::newRow("band line to the body") << false << true << QPoint(152, 60) << int(QPalette::Button);
        QTest::newRow("vertical body line") << false << true << QPoint(209, 60) << line;
        QTest::newRow("horizontal body line") << false << true << QPoint(180, 43) << line;
        QTest::newRow("plain body cell") << false << true << QPoint(230, 60) << int(QPalette::Base);
        QTest::newRow("current cell without focus") << false << true << QPoint(205, 40) << int(QPalette::Highlight);
        QTest::newRow("current cell with focus") << true << true << QPoint(205, 40) << int(QPalette::Base);
        QTest::newRow("disabled: current cell") << false << false << QPoint(205, 40) << int(QPalette::Highlight);
        QTest::newRow("disabled: band") << false << false << QPoint(152, 10) << int(QPalette::Button);
    }
    void look()
    {
        QFETCH(bool, focused);
        QFETCH(bool, enabled);
        QFETCH(QPoint, probe);
        QFETCH(int, role);
        grid_->setEnabled(enabled);
        if (focused)
            grid_->setFocus();
        else
            other_->setFocus();
        QTRY_COMPARE(grid_->hasFocus(), focused);
        const QImage image = grid_->grab().toImage();
        grid_->setEnabled(true);
        const QColor expected = role < 0 ? QColor::fromRgba(StringGrid::LineColor)
                                         : Active(grid_, QPalette::ColorRole(role));
        QCOMPARE(image.pixelColor(probe), expected);
    }

    void focusRectangleIsDotted()
    {
        grid_->SetCurrentCell(1, 1);
        grid_->setFocus();
        QTRY_VERIFY(grid_->hasFocus());
        const QImage image = grid_->grab().toImage();
        const QRect cell = grid_->CellRect(1, 1);
        int dots = 0;
        for (int x = cell.left(); x <= cell.right(); ++x)
            dots += image.pixelColor(x, cell.top()) == Active(grid_, QPalette::Text);
        // Every other pixel of the top edge, give or take the ends.
        QVERIFY2(dots >= cell.width() / 2 - 1 && dots <= cell.width() / 2 + 1, qPrintable(QString::number(dots)));
    }

    void textIsNotGreyedWhenDisabled()
    {
        other_->setFocus();
        grid_->setEnabled(false);
        const QImage image = grid_->grab().toImage();
        grid_->setEnabled(true);
        // Text of a plain body cell and of the band, both as dark as enabled text.
        QVERIFY2(Darkest(image, grid_->CellRect(2, 3)).lightness() < 60, "body text is greyed");
        QVERIFY2(Darkest(image, grid_->CellRect(0, 3)).lightness() < 60, "band text is greyed");
    }

    void keysMoveWithinBody_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QPoint>("expected"); // (col, row)
        QTest::newRow("left stops at the band") << QList<int>{Qt::Key_Left} << QPoint(1, 1);
        QTest::newRow("up stops at the band") << QList<int>{Qt::Key_Up} << QPoint(1, 1);
        QTest::newRow("right") << QList<int>{Qt::Key_Right} << QPoint(2, 1);
        QTest::newRow("right stops at the edge")
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << QPoint(2, 1);
        QTest::newRow("down to the last row") << QList<int>(10, Qt::Key_Down) << QPoint(1, 7);
        QTest::newRow("down and back") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right}
                                       << QPoint(2, 2);
    }
    void keysMoveWithinBody()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QPoint, expected);
        grid_->SetCurrentCell(1, 1);
        grid_->setFocus();
        for (int key : keys)
            QTest::keyClick(grid_, Qt::Key(key));
        QCOMPARE(QPoint(grid_->CurrentCol(), grid_->CurrentRow()), expected);
    }

    void clicks_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("body cell") << 2 << 5 << QPoint(2, 5);
        QTest::newRow("band cell leaves it") << 0 << 4 << QPoint(1, 1);
        QTest::newRow("header cell leaves it") << 2 << 0 << QPoint(1, 1);
    }
    void clicks()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QPoint, expected);
        grid_->SetCurrentCell(1, 1);
        QTest::mouseClick(grid_, Qt::LeftButton, {}, grid_->CellRect(col, row).center());
        QCOMPARE(QPoint(grid_->CurrentCol(), grid_->CurrentRow()), expected);
    }

    void dialogKeysPassThrough_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void dialogKeysPassThrough()
    {
        QFETCH(int, key);
        StringGrid lone(nullptr, QRect(0, 0, 100, 50), {40, 40}, 2, 20, 1, 1);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&lone, &press);
        QVERIFY2(!press.isAccepted(), "the grid swallowed a key its dialog needs");
    }

    void copiesWholeGridAsTabSeparatedText()
    {
        StringGrid small(window_, QRect(0, 200, 100, 50), {40, 40, 40}, 2, 20, 1, 1);
        small.SetCell(1, 0, QStringLiteral("X"));
        small.SetCell(2, 0, QStringLiteral("Y"));
        small.SetCell(0, 1, QStringLiteral("Bod Ao"));
        small.SetCell(1, 1, QStringLiteral("14,9090"));
        small.SetCell(2, 1, QStringLiteral("1 650,0000"));
        small.show();
        small.setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(&small, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\tX\tY\nBod Ao\t14,9090\t1 650,0000\n"));
    }

private:
    QWidget* window_ = nullptr;
    StringGrid* grid_ = nullptr;
    QWidget* other_ = nullptr;
};

ORBITEK_WINDOW_TEST_MAIN(StringGridTest)
#include "StringGridTest.moc"
