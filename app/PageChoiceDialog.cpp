// The small panel before the file and print dialogs: on which paper and at which scale the diagram page
// is drawn.
#include "PageChoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "DiagramTexts.h"
#include "ErrorDisplay.h"

#include <QCoreApplication>

namespace {
constexpr const char* DoesNotFitSource = QT_TRANSLATE_NOOP("PageChoiceDialog", "Diagram se na zvolený papír nevejde.");
}

const QString DoesNotFitText = QString::fromUtf8(DoesNotFitSource);

QString DoesNotFit()
{
    return QCoreApplication::translate("PageChoiceDialog", DoesNotFitSource);
}

namespace {

constexpr int FinerOffered = 9;   // scales finer than A4's automatic one, while A0 still holds them
constexpr int CoarserOffered = 2; // and coarser ones
constexpr const char* Automatic = QT_TRANSLATE_NOOP("PageChoiceDialog", "Automaticky");
constexpr const char* PrinterPaper = QT_TRANSLATE_NOOP("PageChoiceDialog", "Papír tiskárny");

// The scales worth offering: from the finest that A0 holds, through A4's automatic one, a little coarser.
std::vector<diagram::Scale> OfferedScales(const diagram::Scene& s)
{
    const std::optional<diagram::PageLayout> a4 = diagram::ChoosePage(s);
    const diagram::Scale middle = a4 ? a4->scale : diagram::Scale{};
    std::vector<diagram::Scale> scales{middle};
    for (diagram::Scale finer = middle.Previous(); static_cast<int>(scales.size()) <= FinerOffered;
         finer = finer.Previous()) {
        if (!diagram::ChoosePage(s, {diagram::Paper::A0, finer}))
            break;
        scales.insert(scales.begin(), finer);
    }
    diagram::Scale coarser = middle;
    for (int i = 0; i < CoarserOffered; ++i)
        scales.push_back(coarser = coarser.Next());
    return scales;
}

} // namespace

PageChoiceDialog::PageChoiceDialog(QWidget* parent, const diagram::Scene& scene, bool printing)
    : QDialog(parent), scene_(scene), printing_(printing), scales_(OfferedScales(scene))
{
    setObjectName(QStringLiteral("PageChoiceDialog"));
    setWindowTitle(tr("Papír a měřítko"));

    PaperBox = new QComboBox(this);
    PaperBox->setObjectName(QStringLiteral("PaperBox"));
    if (printing)
        PaperBox->addItem(tr(PrinterPaper));
    for (diagram::Paper paper : diagram::Papers)
        PaperBox->addItem(diagram::PaperName(paper));
    PaperBox->setStatusTip(printing ? tr("Papír, na který se diagram vytiskne: A4 až A0 nebo papír "
                                         "zvolený v tiskárně")
                                    : tr("Papír, na který se diagram vykreslí, A4 až A0"));

    ScaleBox = new QComboBox(this);
    ScaleBox->setObjectName(QStringLiteral("ScaleBox"));
    ScaleBox->addItem(tr(Automatic));
    for (const diagram::Scale& s : scales_)
        ScaleBox->addItem(diagram::ScaleText(s));
    ScaleBox->setStatusTip(tr("Měřítko diagramu: automatické (1 A = 1 mm, kde se diagram vejde) nebo "
                              "zvolené"));

    Result = new QLabel(this);
    Result->setObjectName(QStringLiteral("Result"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Papír:"), PaperBox);
    form->addRow(tr("&Měřítko:"), ScaleBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Storno"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Result);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PageChoiceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(PaperBox, &QComboBox::currentIndexChanged, this, &PageChoiceDialog::ShowResult);
    connect(ScaleBox, &QComboBox::currentIndexChanged, this, &PageChoiceDialog::ShowResult);
    ShowResult();
}

std::optional<diagram::Paper> PageChoiceDialog::Paper() const
{
    const int index = PaperBox->currentIndex() - (printing_ ? 1 : 0);
    if (index < 0 || index >= static_cast<int>(diagram::Papers.size()))
        return std::nullopt;
    return diagram::Papers[index];
}

std::optional<diagram::Scale> PageChoiceDialog::Scale() const
{
    const int index = ScaleBox->currentIndex() - 1;
    if (index < 0 || index >= static_cast<int>(scales_.size()))
        return std::nullopt;
    return scales_[index];
}

void PageChoiceDialog::SetChoice(std::optional<diagram::Paper> paper, std::optional<diagram::Scale> scale)
{
    // Without a paper: the printer's when printing, else A4; both stand first.
    int paperIndex = 0;
    if (paper)
        paperIndex = static_cast<int>(std::find(diagram::Papers.begin(), diagram::Papers.end(), *paper) -
                                      diagram::Papers.begin()) +
            (printing_ ? 1 : 0);
    PaperBox->setCurrentIndex(paperIndex);
    const auto at = scale ? std::find(scales_.begin(), scales_.end(), *scale) : scales_.end();
    ScaleBox->setCurrentIndex(at == scales_.end() ? 0 : static_cast<int>(at - scales_.begin()) + 1);
    ShowResult();
}

std::optional<diagram::PageLayout> PageChoiceDialog::Layout() const
{
    const std::optional<diagram::Paper> paper = Paper();
    if (!paper)
        return std::nullopt;
    return diagram::ChoosePage(scene_, {*paper, Scale()});
}

QString PageChoiceDialog::ResultText() const
{
    if (!Paper())
        return Scale() ? tr("Papír tiskárny, měřítko %1").arg(diagram::ScaleText(*Scale()))
                       : tr("Měřítko podle papíru zvoleného v tiskárně");
    const std::optional<diagram::PageLayout> l = Layout();
    if (!l)
        return DoesNotFit();
    return tr("%1 %2, měřítko %3")
        .arg(diagram::PaperName(*Paper()), l->landscape ? tr("na šířku") : tr("na výšku"),
             diagram::ScaleText(l->scale));
}

void PageChoiceDialog::ShowResult()
{
    const bool fits = !Paper() || Layout().has_value();
    Result->setText(ResultText());
    Result->setStyleSheet(fits ? QString() : QStringLiteral("color: #b00000"));
}

void PageChoiceDialog::accept()
{
    if (Paper() && !Layout()) {
        ShowOwnErrorMessage(DoesNotFit());
        return;
    }
    QDialog::accept();
}
