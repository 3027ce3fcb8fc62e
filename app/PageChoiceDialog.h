// The small panel before the file and print dialogs: on which paper and at which scale the diagram page
// is drawn.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "DiagramGeometry.h"

class QComboBox;
class QLabel;

class PageChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // With `printing`, the first paper offered is the printer's own.
    PageChoiceDialog(QWidget* parent, const diagram::Scene& scene, bool printing);

    // The paper chosen (nothing: the printer's) and the scale (nothing: the automatic one).
    std::optional<diagram::Paper> Paper() const;
    std::optional<diagram::Scale> Scale() const;
    void SetChoice(std::optional<diagram::Paper> paper, std::optional<diagram::Scale> scale);

    // What the choice gives, or "Diagram se na zvolený papír nevejde."; empty for the printer's paper.
    QString ResultText() const;

    QComboBox* PaperBox;
    QComboBox* ScaleBox;
    QLabel* Result;

public slots:
    // Refuses a choice on which the diagram does not fit, with the message.
    void accept() override;

private:
    std::optional<diagram::PageLayout> Layout() const;
    void ShowResult();

    const diagram::Scene& scene_;
    bool printing_;
    std::vector<diagram::Scale> scales_; // offered after "Automaticky", finest first
};

// The message of a paper and scale that cannot hold the diagram.
extern const QString DoesNotFitText;
// The same in the interface's language.
QString DoesNotFit();
