// The main window's client area: the circle diagram of the last accepted calculation, zoomed and panned
// with the mouse and keys, with the operating point under the pointer read off the circle.
#include "DiagramView.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "DrawingConstants.h"
#include "Fonts.h"
#include "Settings.h"

namespace {

constexpr const char* EmptyText = QT_TRANSLATE_NOOP("DiagramView", "F2 – zadání vstupních hodnot");
const QColor QuietText(0x80, 0x80, 0x80);

constexpr double ViewMargin = 10;        // px round the fitted drawing
constexpr double ReadoutDistance = 8;    // px from the arc within which the operating point is read
constexpr double WheelStep = 1.2;        // zoom per wheel notch
constexpr double KeyZoomStep = 1.5;      // zoom per + or − key
constexpr double KeyPanShare = 0.125;    // of the view per arrow key
constexpr double MinZoomOfFit = 1.0 / 4; // how far out and in the view zooms, relative to the fit: from
constexpr double MaxZoomOfFit = 100;     // the whole drawing small to a few amperes across the view
constexpr int BoxMargin = 8;             // px between a box and the view's edge
constexpr int BoxPadding = 5;
constexpr int MaxHeadingCharacters = 200; // of the motor or its note above the values, before eliding
constexpr int ColumnGap = 10;
constexpr int SymbolColumn = 14;
constexpr double SymbolPixels = 9;
constexpr int MarkerRadius = 5;
const QString ExpandedMark = QStringLiteral("▾ ");
const QString CollapsedMark = QStringLiteral("▸ ");

QRectF Shifted(const QRectF& r, const QSizeF& within)
{
    QRectF moved = r;
    if (moved.right() > within.width() - BoxMargin)
        moved.moveRight(within.width() - BoxMargin);
    if (moved.bottom() > within.height() - BoxMargin)
        moved.moveBottom(within.height() - BoxMargin);
    if (moved.left() < BoxMargin)
        moved.moveLeft(BoxMargin);
    if (moved.top() < BoxMargin)
        moved.moveTop(BoxMargin);
    return moved;
}

// Widths of a box's text columns.
struct Columns {
    int caption = 0, value = 0, slip = 0;
};

Columns ColumnsOf(const std::vector<diagram::TextRow>& rows, const QFontMetrics& m)
{
    Columns c;
    for (const diagram::TextRow& row : rows) {
        c.caption = std::max(c.caption, m.horizontalAdvance(row.caption));
        c.value = std::max(c.value, m.horizontalAdvance(row.value));
        c.slip = std::max(c.slip, m.horizontalAdvance(row.slip));
    }
    return c;
}

// The pinned box's columns: its first row, the title, in bold.
Columns PinnedColumns(const std::vector<diagram::TextRow>& rows, const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    Columns c = ColumnsOf({rows.begin() + 1, rows.end()}, QFontMetrics(font));
    const Columns title = ColumnsOf({rows.front()}, QFontMetrics(bold));
    c.caption = std::max(c.caption, title.caption);
    c.value = std::max(c.value, title.value);
    return c;
}

void PaintBoxFrame(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setBrush(Qt::NoBrush);
}

} // namespace

DiagramView::DiagramView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DiagramView"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ScreenTextFont());
    valuesExpanded_ = settings::DiagramBoxExpanded(settings::DiagramBox::Values);
    pointExpanded_ = settings::DiagramBoxExpanded(settings::DiagramBox::Point);
    AddKeys();
}

void DiagramView::AddKeys()
{
    // Actions rather than raw key codes: "+" is matched whether the keyboard needs Shift for it or not,
    // and the platform's own zoom keys (Ctrl++, Ctrl+−) work too.
    auto add = [this](const char* name, QList<QKeySequence> keys, void (DiagramView::*run)()) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    };
    QList<QKeySequence> zoomIn{Qt::Key_Plus, Qt::SHIFT | Qt::Key_Plus, Qt::Key_Equal,
                               Qt::KeypadModifier | Qt::Key_Plus};
    zoomIn += QKeySequence::keyBindings(QKeySequence::ZoomIn);
    QList<QKeySequence> zoomOut{Qt::Key_Minus, Qt::KeypadModifier | Qt::Key_Minus};
    zoomOut += QKeySequence::keyBindings(QKeySequence::ZoomOut);
    add("ZoomIn", zoomIn, &DiagramView::ZoomInStep);
    add("ZoomOut", zoomOut, &DiagramView::ZoomOutStep);
    add("PanLeft", {Qt::Key_Left}, &DiagramView::PanLeftStep);
    add("PanRight", {Qt::Key_Right}, &DiagramView::PanRightStep);
    add("PanUp", {Qt::Key_Up}, &DiagramView::PanUpStep);
    add("PanDown", {Qt::Key_Down}, &DiagramView::PanDownStep);
    add("Fit", {Qt::Key_Home}, &DiagramView::FitToView);
    add("ToggleValuesBox", {Qt::Key_C}, &DiagramView::ToggleValuesBox);
    add("TogglePointBox", {Qt::Key_P}, &DiagramView::TogglePointBox);
}

void DiagramView::ToggleValuesBox()
{
    if (!diagram_)
        return;
    const diagram::ViewArrangement a = Arrangement();
    // Expanded where it is shown collapsed only for want of room: the drawing makes room for it.
    valuesExpanded_ = !a.expanded[0];
    valuesForced_ = valuesExpanded_;
    settings::SetDiagramBoxExpanded(settings::DiagramBox::Values, valuesExpanded_);
    if (fitted_)
        FitToView();
    update();
}

void DiagramView::TogglePointBox()
{
    if (!diagram_)
        return;
    const diagram::ViewArrangement a = Arrangement();
    if (a.expanded.size() < 2)
        return;
    pointExpanded_ = !a.expanded[1];
    pointForced_ = pointExpanded_;
    settings::SetDiagramBoxExpanded(settings::DiagramBox::Point, pointExpanded_);
    if (fitted_)
        FitToView();
    update();
}

bool DiagramView::ToggleBoxAt(QPointF pixel)
{
    if (!diagram_)
        return false;
    const diagram::ViewArrangement a = Arrangement();
    const double titleHeight = BoxPadding + QFontMetrics(font()).height();
    for (std::size_t i = 0; i < a.boxes.size(); ++i) {
        QRectF title = a.boxes[i];
        title.setHeight(std::min(title.height(), titleHeight));
        if (title.contains(pixel)) {
            i == 0 ? ToggleValuesBox() : TogglePointBox();
            return true;
        }
    }
    return false;
}

QString DiagramView::BoxTitle(const QString& title, bool expanded) const
{
    return (expanded ? ExpandedMark : CollapsedMark) + title;
}

QSizeF DiagramView::TitleLineSize(const QString& title, const QString& value) const
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics m(bold);
    const double width = m.horizontalAdvance(BoxTitle(title, true)) + (value.isEmpty() ? 0 : ColumnGap) +
        m.horizontalAdvance(value);
    return QSizeF(2 * BoxPadding + width, 2 * BoxPadding + QFontMetrics(font()).height());
}

diagram::ViewArrangement DiagramView::Arrangement() const
{
    if (!diagram_)
        return {};
    std::vector<diagram::CornerBox> boxes;
    boxes.push_back({diagram::ViewCorner::BottomRight, ValueBoxSize(), TitleLineSize(diagram::CharacteristicTitle, {}),
                     valuesExpanded_, valuesForced_});
    if (const std::vector<diagram::TextRow> rows = PinnedRows(); !rows.empty())
        boxes.push_back({diagram::ViewCorner::TopLeft, PinnedBoxSize(), TitleLineSize(rows[0].caption, rows[0].value),
                         pointExpanded_, pointForced_});
    return diagram::ArrangeView(size(), inkRect_, boxes, ViewMargin, BoxMargin);
}

void DiagramView::ZoomInStep()
{
    ZoomAbout(QPointF(width() / 2.0, height() / 2.0), KeyZoomStep);
}

void DiagramView::ZoomOutStep()
{
    ZoomAbout(QPointF(width() / 2.0, height() / 2.0), 1 / KeyZoomStep);
}

void DiagramView::PanLeftStep()
{
    PanBy(QPointF(width() * KeyPanShare, 0));
}

void DiagramView::PanRightStep()
{
    PanBy(QPointF(-width() * KeyPanShare, 0));
}

void DiagramView::PanUpStep()
{
    PanBy(QPointF(0, height() * KeyPanShare));
}

void DiagramView::PanDownStep()
{
    PanBy(QPointF(0, -height() * KeyPanShare));
}

void DiagramView::SetDiagram(diagram::Diagram d)
{
    diagram_ = std::move(d);
    ++diagramCount_;
    values_ = diagram::CharacteristicRows(diagram_->record, diagram_->points, true);
    ink_ = diagram::ConstructionInk(diagram_->scene);
    inkRect_ = diagram::InkRectMm(diagram_->scene, diagram_->page);
    pointForced_ = false;
    marked_.reset();
    SetPointerReadout(std::nullopt);
    FitToView();
}

void DiagramView::SetMotorTitle(const QString& motor, const QString& note)
{
    if (!diagram_)
        return;
    diagram_->texts.motor = motor;
    diagram_->texts.note = note;
    ++diagramCount_; // the kept drawing holds the box
    update();
}

void DiagramView::ReplaceDiagram(diagram::Diagram d)
{
    if (!diagram_ || fitted_) {
        SetDiagram(std::move(d));
        return;
    }
    // The amperes at the view's corner and per pixel stay as they are, whatever the new page's origin
    // and scale.
    const QPointF corner = diagram_->page.ToAmps(topLeft_);
    const double ampsPerPixel = diagram_->page.scale.Value() / zoom_;
    diagram_ = std::move(d);
    ++diagramCount_;
    values_ = diagram::CharacteristicRows(diagram_->record, diagram_->points, true);
    ink_ = diagram::ConstructionInk(diagram_->scene);
    inkRect_ = diagram::InkRectMm(diagram_->scene, diagram_->page);
    zoom_ = diagram_->page.scale.Value() / ampsPerPixel;
    topLeft_ = diagram_->page.ToPage(corner);
    marked_.reset();
    SetPointerReadout(std::nullopt);
    update();
}

void DiagramView::FitToView()
{
    fitted_ = true;
    if (diagram_) {
        const diagram::ViewFit fit = Fit();
        zoom_ = fit.pixelsPerMm;
        topLeft_ = fit.topLeftMm;
    }
    update();
}

diagram::ViewFit DiagramView::Fit() const
{
    return Arrangement().fit;
}

QPointF DiagramView::PixelOf(QPointF amps) const
{
    if (!diagram_)
        return {};
    return (diagram_->page.ToPage(amps) - topLeft_) * zoom_;
}

void DiagramView::MarkSlip(std::optional<double> slip)
{
    marked_.reset();
    if (slip && diagram_)
        if (const std::optional<OperatingPoint> p = OperatingPointAtSlip(diagram_->record, *slip))
            marked_ = Readout{*p, false};
    update();
}

void DiagramView::ZoomAbout(QPointF pixel, double factor)
{
    if (!diagram_)
        return;
    const double fit = Fit().pixelsPerMm;
    const double zoom = std::clamp(zoom_ * factor, fit * MinZoomOfFit, fit * MaxZoomOfFit);
    const QPointF fixed = MmAt(pixel); // stays under the pointer
    zoom_ = zoom;
    topLeft_ = fixed - pixel / zoom_;
    fitted_ = false;
    ReadAt(pixel);
    update();
}

double DiagramView::ZoomOfFit() const
{
    return diagram_ ? zoom_ / Fit().pixelsPerMm : 1;
}

void DiagramView::PanBy(QPointF pixels)
{
    if (!diagram_)
        return;
    topLeft_ -= pixels / zoom_;
    fitted_ = false;
    update();
}

void DiagramView::ReadAt(QPointF pixel)
{
    if (!diagram_ || !rect().contains(pixel.toPoint())) {
        SetPointerReadout(std::nullopt);
        return;
    }
    const diagram::Scene& s = diagram_->scene;
    const TKonstrukce& k = diagram_->record;
    const QPointF a = diagram_->page.ToAmps(MmAt(pixel));
    const double tolerance = ReadoutDistance * diagram_->page.scale.Value() / zoom_;
    const QPointF v = a - s.centre;
    const double angle = std::atan2(v.y(), v.x());

    // The arc runs from Ao (angle π) clockwise to A∞; its ends are met exactly.
    std::optional<Point> x;
    if (std::abs(std::hypot(v.x(), v.y()) - s.radius) <= tolerance && angle >= s.arcEnd) {
        const long double r = k.Polomer;
        x = Point{k.StredKruznice.x + r * std::cos(static_cast<long double>(angle)),
                  k.Ao.y + r * std::sin(static_cast<long double>(angle))};
    }
    auto near = [&a, tolerance](QPointF p) { return std::hypot(a.x() - p.x(), a.y() - p.y()) <= tolerance; };
    if (near(s.Point(diagram::Named::Ao).at))
        x = k.Ao;
    else if (!x && near(s.Point(diagram::Named::AInf).at))
        x = k.AInf;
    SetPointerReadout(x ? std::optional(OperatingPointAt(k, *x)) : std::nullopt);
}

void DiagramView::SetPointerReadout(std::optional<OperatingPoint> point)
{
    auto slipOf = [](const std::optional<Readout>& r) {
        return r && r->point.slip ? std::optional(static_cast<double>(*r->point.slip)) : std::nullopt;
    };
    const std::optional<double> before = slipOf(pointer_);
    const bool had = pointer_.has_value();
    pointer_ = point ? std::optional(Readout{*point, true}) : std::nullopt;
    const std::optional<double> now = slipOf(pointer_);
    if (had || pointer_)
        update();
    if (before != now)
        emit SlipUnderPointer(now);
}

void DiagramView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!diagram_) {
        p.fillRect(rect(), Qt::white);
        p.setPen(QuietText);
        p.drawText(rect(), Qt::AlignCenter, tr(EmptyText));
        return;
    }
    p.drawPixmap(0, 0, Drawing());
    if (pointer_)
        PaintReadout(p, *pointer_);
    else if (marked_)
        PaintReadout(p, *marked_);
}

const QPixmap& DiagramView::Drawing() const
{
    const diagram::ViewArrangement arranged = Arrangement();
    const DrawingKey key{size(), devicePixelRatioF(), zoom_, topLeft_, font(), diagramCount_, arranged.expanded};
    if (!drawing_.isNull() && key == drawingKey_)
        return drawing_;
    const QSize pixels = size() * key.pixelRatio;
    if (drawing_.size() != pixels)
        drawing_ = QPixmap(pixels); // otherwise the memory is kept: zooming repaints at the same size
    drawing_.setDevicePixelRatio(key.pixelRatio);
    drawing_.fill(Qt::white);
    QPainter p(&drawing_);
    p.setFont(font()); // a pixmap's painter starts from the application font, not the view's
    diagram::PaintTarget target;
    target.visible = QRectF(topLeft_, QSizeF(size()) / zoom_);
    target.pixelsPerMm = zoom_ * key.pixelRatio; // device pixels: the paper's lines and hairlines
    target.device = diagram::DevicePolicy::Screen(diagram::ScreenPixelsPerMm(QFontInfo(font()).pixelSize()) / zoom_);
    // The corner boxes stand over the drawing: no name goes under them.
    target.rulers = true;
    for (const QRectF& box : arranged.boxes)
        target.keepClear.push_back(QRectF(topLeft_ + box.topLeft() / zoom_, box.size() / zoom_));
    p.save();
    p.scale(zoom_, zoom_);
    p.translate(-topLeft_);
    diagram::PaintPaper(p, target.visible, target);
    diagram::PaintDiagram(p, diagram_->scene, diagram_->page, target);
    p.restore();
    PaintValueBox(p, arranged.boxes[0], arranged.expanded[0]);
    if (arranged.boxes.size() > 1)
        PaintPinnedBox(p, arranged.boxes[1], arranged.expanded[1]);
    drawingKey_ = key;
    return drawing_;
}

QSizeF DiagramView::ValueBoxSize() const
{
    if (!diagram_)
        return {};
    const QFontMetrics m(font());
    const Columns c = ColumnsOf(values_, m);
    const int lines = static_cast<int>(1 + values_.size() + ValueBoxHeading().size());
    // Wide enough for the torque line's name, which is never cut (the motor's name and note may be),
    // and for the title line.
    const QFont bold = [this] {
        QFont f = font();
        f.setBold(true);
        return f;
    }();
    const int torqueLine = QFontMetrics(bold).horizontalAdvance(ValueBoxHeading().constLast());
    const double width = 2 * BoxPadding +
        std::max<double>(SymbolColumn + c.caption + ColumnGap + c.value + ColumnGap + c.slip, torqueLine);
    return QSizeF(std::max(width, TitleLineSize(diagram::CharacteristicTitle, {}).width()),
                  2 * BoxPadding + lines * m.height());
}

QStringList DiagramView::ValueBoxHeading() const
{
    QStringList lines;
    if (!diagram_)
        return lines;
    for (const QString& line : {diagram_->texts.motor, diagram_->texts.note.simplified()})
        if (!line.isEmpty())
            lines << line.left(MaxHeadingCharacters);
    lines << QString::fromStdString(TorqueLineName(diagram_->record.torqueLine));
    return lines;
}

void DiagramView::PaintValueBox(QPainter& p, const QRectF& box, bool expanded) const
{
    PaintBoxFrame(p, box);
    const QFontMetrics m(font());
    const Columns c = ColumnsOf(values_, m);
    double y = box.top() + BoxPadding;
    const double left = box.left() + BoxPadding;
    QFont titleFont = font();
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(QRectF(left, y, box.width() - 2 * BoxPadding, m.height()), Qt::AlignLeft | Qt::AlignVCenter,
               BoxTitle(diagram::CharacteristicTitle, expanded));
    y += m.height();
    p.setFont(font());
    if (!expanded)
        return;
    // The motor above its values, as wide as they are: its name and file in bold, its note below.
    p.setPen(Qt::black);
    const int room = static_cast<int>(box.width() - 2 * BoxPadding);
    QFont bold = font();
    bold.setBold(!diagram_->texts.motor.isEmpty());
    for (const QString& line : ValueBoxHeading()) {
        p.setFont(bold);
        p.drawText(QRectF(left, y, room, m.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(bold).elidedText(line, Qt::ElideRight, room));
        bold.setBold(false);
        y += m.height();
    }
    p.setFont(font());
    for (const diagram::TextRow& row : values_) {
        if (row.symbol)
            diagram::PaintSymbol(p, *row.symbol, QPointF(left + SymbolColumn / 2.0 - 2, y + m.height() / 2.0),
                                 SymbolPixels);
        p.setPen(Qt::black);
        const double x = left + SymbolColumn;
        p.drawText(QRectF(x, y, c.caption, m.height()), Qt::AlignLeft | Qt::AlignVCenter, row.caption);
        p.drawText(QRectF(x + c.caption + ColumnGap, y, c.value, m.height()), Qt::AlignRight | Qt::AlignVCenter,
                   row.value);
        p.drawText(QRectF(x + c.caption + c.value + 2 * ColumnGap, y, c.slip, m.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, row.slip);
        y += m.height();
    }
}

void DiagramView::PaintReadout(QPainter& p, const Readout& r) const
{
    const QPointF at = PixelOf(QPointF(static_cast<double>(r.point.point.x), static_cast<double>(r.point.point.y)));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(at, MarkerRadius, MarkerRadius);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(at, MarkerRadius, MarkerRadius);

    const std::vector<diagram::TextRow> rows = diagram::ReadoutRows(r.point);
    const QFontMetrics m(font());
    const Columns c = ColumnsOf(rows, m);
    const QSizeF size(2 * BoxPadding + c.caption + ColumnGap + c.value,
                      2 * BoxPadding + m.height() * static_cast<double>(rows.size()));
    // Below and right of the point, or where it still fits; never over the point itself if avoidable.
    QRectF box(at + QPointF(2 * MarkerRadius, 2 * MarkerRadius), size);
    if (box.right() > width() - BoxMargin)
        box.moveRight(at.x() - 2 * MarkerRadius);
    if (box.bottom() > height() - BoxMargin)
        box.moveBottom(at.y() - 2 * MarkerRadius);
    box = Shifted(box, QSizeF(this->size()));
    // Better beside the point on another side, or in a corner of the view, where it hides none of the
    // construction and none of the corner boxes.
    const diagram::ViewArrangement arranged = Arrangement();
    auto clear = [&](const QRectF& r, bool overBoxes) {
        if (!QRectF(rect()).contains(r))
            return false;
        for (const QRectF& b : arranged.boxes)
            if (!overBoxes && b.intersects(r))
                return false;
        for (const std::vector<QPointF>& line : ink_)
            for (std::size_t i = 1; i < line.size(); ++i)
                if (diagram::SegmentCrossesBox(PixelOf(line[i - 1]), PixelOf(line[i]), r))
                    return false;
        return true;
    };
    if (!clear(box, false)) {
        const double off = 2 * MarkerRadius;
        const QSizeF view = QSizeF(this->size());
        const std::vector<QRectF> candidates{
            QRectF(at + QPointF(off, off), size),
            QRectF(at + QPointF(-off - size.width(), off), size),
            QRectF(at + QPointF(off, -off - size.height()), size),
            QRectF(at + QPointF(-off - size.width(), -off - size.height()), size),
            QRectF(QPointF(BoxMargin, BoxMargin), size),
            QRectF(QPointF(view.width() - BoxMargin - size.width(), BoxMargin), size),
            QRectF(QPointF(BoxMargin, view.height() - BoxMargin - size.height()), size),
            QRectF(QPointF(view.width() - BoxMargin - size.width(), view.height() - BoxMargin - size.height()), size),
        };
        // Where every place would hide some of it, over a corner box rather: that can wait.
        const auto free = std::find_if(candidates.begin(), candidates.end(),
                                       [&](const QRectF& c) { return clear(c, false); });
        const auto overBox = std::find_if(candidates.begin(), candidates.end(),
                                          [&](const QRectF& c) { return clear(c, true); });
        if (free != candidates.end())
            box = *free;
        else if (overBox != candidates.end())
            box = *overBox;
    }
    PaintBoxFrame(p, box);
    p.setFont(font());
    p.setPen(Qt::black);
    double y = box.top() + BoxPadding;
    for (const diagram::TextRow& row : rows) {
        p.drawText(QRectF(box.left() + BoxPadding, y, c.caption, m.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   row.caption);
        p.drawText(QRectF(box.left() + BoxPadding + c.caption + ColumnGap, y, c.value, m.height()),
                   Qt::AlignRight | Qt::AlignVCenter, row.value);
        y += m.height();
    }
}

std::vector<diagram::TextRow> DiagramView::PinnedRows() const
{
    if (!diagram_ || !diagram_->scene.operatingPoint || !diagram_->asked || !diagram_->asked->solution.point)
        return {};
    std::vector<diagram::TextRow> rows{
        {diagram::PointTitle, diagram::AskedText(diagram_->asked->quantity, diagram_->asked->value), {}, {}},
        {QString::fromStdString(TorqueLineName(diagram_->record.torqueLine)), {}, {}, {}}};
    for (diagram::TextRow& row : diagram::PointRows(*diagram_->asked->solution.point, false))
        rows.push_back(std::move(row));
    // After the phase current (the title, the torque line, slip and speed come first).
    if (std::optional<diagram::TextRow> line = diagram::LineCurrentRow(*diagram_->asked->solution.point,
                                                                       diagram_->asked->lineFactor))
        rows.insert(rows.begin() + 5, std::move(*line));
    if (const QString note = diagram::PointNote(*diagram_->asked->solution.point); !note.isEmpty())
        rows.push_back({note, {}, {}, {}});
    return rows;
}

QSizeF DiagramView::PinnedBoxSize() const
{
    const std::vector<diagram::TextRow> rows = PinnedRows();
    if (rows.empty())
        return {};
    const QFontMetrics m(font());
    std::vector<diagram::TextRow> marked = rows;
    marked[0].caption = BoxTitle(marked[0].caption, true);
    const Columns c = PinnedColumns(marked, font());
    return QSizeF(2 * BoxPadding + c.caption + ColumnGap + c.value,
                  2 * BoxPadding + m.height() * static_cast<double>(rows.size()));
}

void DiagramView::PaintPinnedBox(QPainter& p, const QRectF& box, bool expanded) const
{
    std::vector<diagram::TextRow> rows = PinnedRows();
    if (rows.empty())
        return;
    const QFontMetrics m(font());
    rows[0].caption = BoxTitle(rows[0].caption, expanded);
    Columns c = PinnedColumns(rows, font());
    QFont bold = font();
    bold.setBold(true);
    if (!expanded) {
        rows.resize(1);
        c.caption = QFontMetrics(bold).horizontalAdvance(rows[0].caption);
        c.value = QFontMetrics(bold).horizontalAdvance(rows[0].value);
    }
    PaintBoxFrame(p, box);
    p.setPen(Qt::black);
    double y = box.top() + BoxPadding;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        p.setFont(i == 0 ? bold : font()); // the title with what the point was asked by
        p.drawText(QRectF(box.left() + BoxPadding, y, c.caption, m.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   rows[i].caption);
        p.drawText(QRectF(box.left() + BoxPadding + c.caption + ColumnGap, y, c.value, m.height()),
                   Qt::AlignRight | Qt::AlignVCenter, rows[i].value);
        y += m.height();
    }
    p.setFont(font());
}

void DiagramView::resizeEvent(QResizeEvent* event)
{
    if (fitted_) {
        FitToView();
    } else {
        // The middle of what was shown stays in the middle.
        topLeft_ += QPointF(event->oldSize().width() - width(), event->oldSize().height() - height()) / 2 / zoom_;
    }
    QWidget::resizeEvent(event);
}

void DiagramView::wheelEvent(QWheelEvent* event)
{
    if (!diagram_ || event->angleDelta().y() == 0) {
        event->ignore();
        return;
    }
    ZoomAbout(event->position(), std::pow(WheelStep, event->angleDelta().y() / 120.0));
    event->accept();
}

void DiagramView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !diagram_) {
        event->ignore(); // the right button belongs to the main window's popup menu
        return;
    }
    if (ToggleBoxAt(event->position())) {
        event->accept();
        return;
    }
    dragFrom_ = event->position();
    pressedAt_ = event->position();
    dragTopLeft_ = topLeft_;
    setCursor(Qt::ClosedHandCursor);
}

void DiagramView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        topLeft_ = dragTopLeft_ - (event->position() - *dragFrom_) / zoom_;
        fitted_ = false;
        update();
    }
    ReadAt(event->position());
}

void DiagramView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragFrom_) {
        event->ignore();
        return;
    }
    dragFrom_.reset();
    unsetCursor();
    // A click rather than a drag: the point of the arc there, if the pointer is near it.
    if ((event->position() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        ReadAt(event->position());
        if (pointer_ && pointer_->point.slip)
            emit ArcClicked(static_cast<double>(*pointer_->point.slip));
    }
}

void DiagramView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    FitToView();
}

void DiagramView::changeEvent(QEvent* event)
{
    // The desktop's font changed: the drawing's text follows it.
    if (event->type() == QEvent::ThemeChange)
        setFont(ScreenTextFont());
    // The corner box grows or shrinks with the font: a fitted drawing makes room for it again.
    if (event->type() == QEvent::FontChange && fitted_)
        FitToView();
    QWidget::changeEvent(event);
}

void DiagramView::leaveEvent(QEvent* event)
{
    SetPointerReadout(std::nullopt);
    QWidget::leaveEvent(event);
}
