// The "Pracovní bod" bar above the curves.
#include "OperatingPointBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "DiagramTexts.h"
#include "Language.h"
#include "LineCurrent.h"
#include "NumText.h"
#include "QuantityValue.h"

namespace {

constexpr const char* BarHint = QT_TRANSLATE_NOOP("OperatingPointBar",
                                                  "Pracovní bod motoru zadaný hodnotou jedné veličiny; kliknutí na "
                                                  "kružnici jej zadá skluzem, Esc jej zruší");
constexpr const char* QuantityHint = QT_TRANSLATE_NOOP("OperatingPointBar",
                                                       "Veličina, jejíž hodnotou je pracovní bod zadán");
constexpr const char* ValueHint = QT_TRANSLATE_NOOP("OperatingPointBar",
                                                    "Hodnota veličiny v pracovním bodě; Enter bod vyhledá na kružnici");
constexpr const char* LineCurrentCaption = QT_TRANSLATE_NOOP("OperatingPointBar", "Proud síťový");
// The quantities' captions as the solver's table has them, for the window's language.
[[maybe_unused]] constexpr const char* QuantityCaptions[] = {
    QT_TRANSLATE_NOOP("OperatingPointBar", "P2 výkon"), QT_TRANSLATE_NOOP("OperatingPointBar", "M moment"),
    QT_TRANSLATE_NOOP("OperatingPointBar", "I proud"),  QT_TRANSLATE_NOOP("OperatingPointBar", "P1 příkon"),
    QT_TRANSLATE_NOOP("OperatingPointBar", "s skluz"),  QT_TRANSLATE_NOOP("OperatingPointBar", "n otáčky")};
const QColor MessageColour(0xA0, 0x20, 0x10);

constexpr int Spacing = 4;          // px between the bar's controls
constexpr int LeastFieldWidth = 80; // px the field keeps beside the choice

} // namespace

OperatingPointBar::OperatingPointBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PointBar"));
    language::Bind(this, this, "statusTip", BarHint);
    Caption = new QLabel(this);
    language::Bind(Caption, "text", "DiagramTexts", diagram::PointTitleSource);
    QFont bold = Caption->font();
    bold.setBold(true);
    Caption->setFont(bold);
    QuantityBox = new QComboBox(this);
    QuantityBox->setObjectName(QStringLiteral("QuantityBox"));
    for (const OperatingQuantityTexts& t : OperatingQuantities)
        QuantityBox->addItem(tr(t.caption));
    language::Bind(this, QuantityBox, "statusTip", QuantityHint);
    QuantityBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ValueEdit = new QLineEdit(this);
    ValueEdit->setObjectName(QStringLiteral("ValueEdit"));
    language::Bind(this, ValueEdit, "statusTip", ValueHint);
    UnitLabel = new QLabel(this);
    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("PointMessage"));
    Message->setWordWrap(true);
    QPalette palette = Message->palette();
    palette.setColor(QPalette::WindowText, MessageColour);
    Message->setPalette(palette);
    Message->hide();

    grid_ = new QGridLayout;
    grid_->setSpacing(Spacing);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Spacing, Spacing, Spacing, 0);
    column->setSpacing(Spacing / 2);
    column->addLayout(grid_);
    column->addWidget(Message);
    Arrange(true);

    ShowUnit();
    connect(QuantityBox, &QComboBox::currentIndexChanged, this, [this] { ShowUnit(); });
    connect(ValueEdit, &QLineEdit::returnPressed, this, [this] { Ask(); });
}

OperatingQuantity OperatingPointBar::Quantity() const
{
    if (LineCurrentChosen())
        return OperatingQuantity::Current;
    const int i = QuantityBox->currentIndex();
    return OperatingQuantities[i >= 0 && i < static_cast<int>(OperatingQuantities.size()) ? i : 0].quantity;
}

bool OperatingPointBar::LineCurrentChosen() const
{
    return lineFactor_ && QuantityBox->currentIndex() == static_cast<int>(OperatingQuantities.size());
}

void OperatingPointBar::SetLineFactor(std::optional<long double> factor)
{
    lineFactor_ = factor;
    const int line = static_cast<int>(OperatingQuantities.size());
    if (factor && QuantityBox->count() == line)
        QuantityBox->addItem(tr(LineCurrentCaption));
    else if (!factor && QuantityBox->count() > line)
        QuantityBox->removeItem(line); // the current is then chosen by its phase value
}

void OperatingPointBar::ShowPoint(OperatingQuantity quantity, long double value)
{
    // The point a line current asked for is the phase current's: the field keeps what was typed.
    if (LineCurrentChosen() && quantity == OperatingQuantity::Current && lineAsked_ == value)
        return;
    for (std::size_t i = 0; i < OperatingQuantities.size(); ++i)
        if (OperatingQuantities[i].quantity == quantity)
            QuantityBox->setCurrentIndex(static_cast<int>(i));
    ValueEdit->setText(ValueText(value));
}

QString OperatingPointBar::ValueText(long double value)
{
    // As it would be typed: the field takes no grouping.
    QString text = diagram::InputText(value);
    text.remove(QString::fromStdString(SeparatorText(ThousandSeparator)));
    return text;
}

void OperatingPointBar::Clear()
{
    ValueEdit->clear();
    ShowMessage(QString());
}

void OperatingPointBar::ShowMessage(const QString& text)
{
    Message->setText(text);
    Message->setVisible(!text.isEmpty());
}

void OperatingPointBar::Ask()
{
    const QString text = ValueEdit->text().trimmed();
    const QuantityValue read = ReadQuantityValue(Quantity(), text.toStdString());
    if (!read.value) {
        ShowMessage(QString::fromStdString(RefusalText(Quantity(), text.toStdString(), read)));
        ValueEdit->selectAll();
        return;
    }
    if (!LineCurrentChosen()) {
        emit PointAsked(Quantity(), *read.value);
        return;
    }
    lineAsked_ = PhaseCurrentOfLine(*read.value, *lineFactor_);
    emit PointAsked(OperatingQuantity::Current, *lineAsked_);
}

void OperatingPointBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        for (int i = 0; i < QuantityBox->count(); ++i)
            QuantityBox->setItemText(i,
                                     tr(i < static_cast<int>(OperatingQuantities.size())
                                            ? OperatingQuantities[i].caption
                                            : LineCurrentCaption));
    QWidget::changeEvent(event);
}

void OperatingPointBar::resizeEvent(QResizeEvent* event)
{
    const int oneRow = Caption->sizeHint().width() + QuantityBox->sizeHint().width() + LeastFieldWidth +
        UnitLabel->sizeHint().width() + 5 * Spacing;
    Arrange(event->size().width() >= oneRow);
    QWidget::resizeEvent(event);
}

void OperatingPointBar::Arrange(bool oneRow)
{
    if (oneRow_ == oneRow)
        return;
    oneRow_ = oneRow;
    for (QWidget* w : {static_cast<QWidget*>(Caption), static_cast<QWidget*>(QuantityBox),
                       static_cast<QWidget*>(ValueEdit), static_cast<QWidget*>(UnitLabel)})
        grid_->removeWidget(w);
    grid_->addWidget(Caption, 0, 0);
    if (oneRow) {
        grid_->addWidget(QuantityBox, 0, 1);
        grid_->addWidget(ValueEdit, 0, 2);
        grid_->addWidget(UnitLabel, 0, 3);
    } else {
        grid_->addWidget(QuantityBox, 0, 1, 1, 3, Qt::AlignLeft);
        grid_->addWidget(ValueEdit, 1, 0, 1, 3);
        grid_->addWidget(UnitLabel, 1, 3);
    }
    for (int c = 0; c < 4; ++c)
        grid_->setColumnStretch(c, c == 2 ? 1 : 0);
}

void OperatingPointBar::ShowUnit()
{
    UnitLabel->setText(QString::fromUtf8(TextsOf(Quantity()).unit));
}
