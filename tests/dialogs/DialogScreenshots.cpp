// Saves a picture of each dialog after the default calculation: dialog_screenshots OUTPUT_DIR.
#include "FreshHome.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "AutPrava.h"
#include "Info.h"
#include "Main.h"
#include "MeasuredDialog.h"
#include "Moment.h"
#include "NumText.h"
#include "OrbitekApplication.h"
#include "SourBod.h"
#include "Zadani.h"

namespace {

// Grabs the dialog once it is up, then presses `button` to close it.
void ShowAndGrab(ModalDialog* dialog, QPushButton* button, const QString& path)
{
    QTimer::singleShot(300, dialog, [dialog, button, path] {
        if (!dialog->grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        button->click();
    });
    dialog->ShowModal();
}

// Types `text` into `edit` of the input dialog, presses OK, grabs the message box that answers, then
// leaves the dialog with Storno.
void GrabRejection(QLineEdit* edit, const QString& text, const QString& path)
{
    QTimer::singleShot(300, ZadaniDlg, [edit, text, path] {
        edit->setText(text);
        QTimer::singleShot(300, [path] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || !box->grab().save(path))
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            if (box != nullptr)
                box->close();
            QTimer::singleShot(100, ZadaniDlg, [] { ZadaniDlg->CancelBtn->click(); });
        });
        ZadaniDlg->OKBtn->click();
    });
    ZadaniDlg->ShowModal();
}

// A textbook problem typed as printed (415 V, delta, no-load 415 V 21 A 1 250 W, locked rotor 100 V
// 45 A 2 730 W, equal copper losses at standstill), grabbed with what it gives, then accepted.
void GrabMeasured(const QString& path)
{
    MeasuredDialog* d = MeasuredDlg;
    QTimer::singleShot(300, d, [d, path] {
        d->RatedVoltage->setText(QStringLiteral("415"));
        d->Delta->setChecked(true);
        d->Poles->setCurrentIndex(d->Poles->findText(QStringLiteral("4")));
        d->NoLoadVoltage->setText(QStringLiteral("415"));
        d->NoLoadCurrent->setText(QStringLiteral("21"));
        d->NoLoadPower->setText(QStringLiteral("1250"));
        d->LockedVoltage->setText(QStringLiteral("100"));
        d->LockedCurrent->setText(QStringLiteral("45"));
        d->LockedPower->setText(QStringLiteral("2730"));
        d->Share->setChecked(true);
        d->Resistance->setText(QStringLiteral("0,5"));
        QTimer::singleShot(200, d, [d, path] {
            if (!d->grab().save(path))
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            d->OKBtn->click();
        });
    });
    d->ShowModal();
}

// Textbook problems typed as printed: the power factors, no pole count and the rotor : stator ratio of
// the first; the 6 kV motor with R1 and R2' of the second. Grabbed, then cancelled.
void GrabTextbookProblem(int problem, const QString& path)
{
    MeasuredDialog* d = MeasuredDlg;
    QTimer::singleShot(300, d, [d, path, problem] {
        const bool first = problem == 1;
        d->RatedVoltage->setText(first ? QStringLiteral("400") : QStringLiteral("6000"));
        d->Star->setChecked(true);
        d->Poles->setCurrentIndex(first ? d->Poles->count() - 1 : d->Poles->findText(QStringLiteral("6")));
        d->NoLoadVoltage->setText(first ? QStringLiteral("400") : QStringLiteral("6000"));
        d->NoLoadCurrent->setText(first ? QStringLiteral("8") : QStringLiteral("9"));
        d->NoLoadPowerKind->setCurrentIndex(first ? 1 : 0);
        d->NoLoadPower->setText(first ? QStringLiteral("0,2") : QStringLiteral("21000"));
        d->LockedVoltage->setText(first ? QStringLiteral("100") : QStringLiteral("1300"));
        d->LockedCurrent->setText(first ? QStringLiteral("30") : QStringLiteral("60"));
        d->LockedPowerKind->setCurrentIndex(first ? 1 : 0);
        d->LockedPower->setText(first ? QStringLiteral("0,4") : QStringLiteral("45000"));
        (first ? d->Ratio : d->Pair)->setChecked(true);
        d->Resistance->setText(first ? QStringLiteral("1") : QStringLiteral("2"));
        d->RotorResistance->setText(first ? QString() : QStringLiteral("2,1"));
        QTimer::singleShot(200, d, [d, path] {
            if (!d->grab().save(path))
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            d->CancelBtn->click();
        });
    });
    d->ShowModal();
}

} // namespace

int main(int argc, char** argv)
{
    const FreshHome home; // the pictures never show what this user's runs left
    OrbitekApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!StartUp(QString(), LanguageOfCode(qgetenv("SCREENSHOT_LANG").toStdString())))
        return 1;
    // Czech separators, as an engineer in Prague sees the tables.
    DecimalSeparator = U',';
    ThousandSeparator = U'\u00A0';

    ShowAndGrab(ZadaniDlg, ZadaniDlg->OKBtn, out.filePath(QStringLiteral("zadani.png")));
    ShowAndGrab(SouradniceDlg, SouradniceDlg->TlacitkoOK, out.filePath(QStringLiteral("souradnice.png")));
    ShowAndGrab(Tabulka1, Tabulka1->TlacitkoOK, out.filePath(QStringLiteral("moment.png")));
    ShowAndGrab(AboutBox, AboutBox->TlacitkoOK, out.filePath(QStringLiteral("copyright.png")));
    ShowAndGrab(LicPodm, LicPodm->TlacitkoOK, out.filePath(QStringLiteral("licence.png")));
    GrabRejection(ZadaniDlg->XPrNapr, QStringLiteral("0,5"), out.filePath(QStringLiteral("chyba-zadani.png")));
    GrabRejection(ZadaniDlg->XUcNapr, QStringLiteral("0.11"), out.filePath(QStringLiteral("chyba-prevodu.png")));
    GrabMeasured(out.filePath(QStringLiteral("namerene-hodnoty.png")));
    GrabTextbookProblem(1, out.filePath(QStringLiteral("ucebnicova-uloha-1.png")));
    GrabTextbookProblem(2, out.filePath(QStringLiteral("ucebnicova-uloha-2.png")));

    DestroyWindows();
    return 0;
}
