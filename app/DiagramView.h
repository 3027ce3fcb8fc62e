// The main window's client area: the circle diagram of the last accepted calculation, zoomed and panned
// with the mouse and keys, with the operating point under the pointer read off the circle.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <optional>

#include "DiagramPainter.h"

class DiagramView : public QWidget {
    Q_OBJECT
public:
    explicit DiagramView(QWidget* parent = nullptr);

    // Shows the diagram of an accepted calculation, fitted to the view.
    void SetDiagram(diagram::Diagram d);
    // The same motor with another operating point or torque line: the view stays on the same amperes
    // (or fitted, where it was).
    void ReplaceDiagram(diagram::Diagram d);
    const std::optional<diagram::Diagram>& CurrentDiagram() const { return diagram_; }
    // The motor's name and file, and its note, in the corner box and the page's title block.
    void SetMotorTitle(const QString& motor, const QString& note);

    // Home and a double click: the drawing fitted to the view again.
    void FitToView();
    // View pixels per millimetre of the page, and the millimetre point at the view's top-left.
    double PixelsPerMm() const { return zoom_; }
    QPointF TopLeftMm() const { return topLeft_; }

    // Where the view shows a point of the diagram (A), in its own pixels.
    QPointF PixelOf(QPointF amps) const;

    // Zooms by `factor` about `pixel`, which keeps its place, within the view's zoom limits.
    void ZoomAbout(QPointF pixel, double factor);
    // The zoom against the fitted drawing: 1 when fitted.
    double ZoomOfFit() const;
    // The corner boxes and the drawing fitted into what they leave free: the values' box first, then
    // the operating point's where there is one.
    diagram::ViewArrangement Arrangement() const;

public slots:
    // Marks the operating point of slip `slip` on the circle with its readout (nothing: no mark).
    void MarkSlip(std::optional<double> slip);

signals:
    // The slip of the operating point under the pointer, or nothing when the pointer is not near the arc.
    void SlipUnderPointer(std::optional<double> slip);
    // A click (no drag) near the arc: the slip of the point there.
    void ArcClicked(double slip);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Readout {
        OperatingPoint point;
        bool fromPointer = false;
    };

    // +, −, the arrows and Home, as actions of the view.
    void AddKeys();
    void ZoomInStep();
    void ZoomOutStep();
    void PanLeftStep();
    void PanRightStep();
    void PanUpStep();
    void PanDownStep();
    diagram::ViewFit Fit() const;
    QPointF MmAt(QPointF pixel) const { return topLeft_ + pixel / zoom_; }
    void PanBy(QPointF pixels);
    void ReadAt(QPointF pixel);
    void SetPointerReadout(std::optional<OperatingPoint> point);
    QSizeF ValueBoxSize() const;
    QStringList ValueBoxHeading() const;
    void PaintValueBox(QPainter& p, const QRectF& box, bool expanded) const;
    void PaintReadout(QPainter& p, const Readout& r) const;
    // The operating point asked for: its values pinned in the view's top-left corner.
    std::vector<diagram::TextRow> PinnedRows() const;
    QSizeF PinnedBoxSize() const;
    void PaintPinnedBox(QPainter& p, const QRectF& box, bool expanded) const;
    // A box's title line alone, its marker of expanded or collapsed before it.
    QString BoxTitle(const QString& title, bool expanded) const;
    QSizeF TitleLineSize(const QString& title, const QString& value) const;
    // A click on a box's title, or its key: the box collapsed or expanded, remembered.
    void ToggleValuesBox();
    void TogglePointBox();
    bool ToggleBoxAt(QPointF pixel);
    // The drawing and its value box as they stand: repainted only when the view or the diagram
    // changes, so a pointer move repaints just the readout on top of it.
    const QPixmap& Drawing() const;

    std::optional<diagram::Diagram> diagram_;
    std::vector<diagram::TextRow> values_;  // the corner box's rows, made once per diagram
    std::vector<std::vector<QPointF>> ink_; // the construction in amperes: no readout box over it
    QRectF inkRect_;                        // the drawing and that construction, in page mm
    // Each box as the user wants it, and whether it was expanded at a size too small for it.
    bool valuesExpanded_ = true, pointExpanded_ = true;
    bool valuesForced_ = false, pointForced_ = false;
    double zoom_ = 1;    // pixels per mm
    QPointF topLeft_;    // mm
    bool fitted_ = true; // follows the view's size until the user zooms or pans
    std::optional<QPointF> dragFrom_;
    QPointF pressedAt_; // where the left button went down: a release near it is a click
    QPointF dragTopLeft_;
    std::optional<Readout> pointer_;
    std::optional<Readout> marked_;

    // What the kept drawing was painted for.
    struct DrawingKey {
        QSize size;
        qreal pixelRatio = 0;
        double zoom = 0;
        QPointF topLeft;
        QFont font;
        int diagram = 0;
        std::vector<bool> expanded;
        bool operator==(const DrawingKey&) const = default;
    };
    int diagramCount_ = 0; // diagrams shown so far: a new one invalidates the kept drawing
    mutable QPixmap drawing_;
    mutable DrawingKey drawingKey_;
};
