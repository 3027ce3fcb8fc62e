// Unit Main: the main window with its menus and status line, and the creation of all windows.
#pragma once

#include <QMainWindow>
#include <optional>
#include <tuple>

#include "Curves.h"
#include "Language.h"
#include "MotorFiles.h"
#include "OperatingPointSolver.h"

class CurvesView;
class DiagramView;
class OperatingPointBar;
class QAction;
class QComboBox;
class QMenu;
class QMenuBar;
class QSplitter;
class QStatusBar;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    QStatusBar* StavovaRadka;
    QMenuBar* HlavniMenu;
    QAction* Zadn1;
    QAction* Vsledky1;
    QAction* Npovda1;
    QAction* Vstupnhodnoty1;
    QAction* Souradnice;
    QAction* Momentovka;
    QAction* Copyright1;
    QAction* Konec1;
    QAction* N1;
    QMenu* PodMenu1;
    QAction* Licennujednn1;
    QAction* N3;
    QAction* Momentovcharakteristika1;
    QAction* Souadnicebodprokonstrukci1;
    QAction* Vstupnhodnoty3;
    QAction* N2;

    // The client area: the diagram and the curves beside it; and the diagram items of the "&XX" menu.
    QSplitter* ClientArea;
    DiagramView* Diagram;
    CurvesView* Curves;
    QAction* SaveDiagramItem;
    QAction* PrintDiagramItem;
    QAction* CopyDiagramItem;
    QAction* DiagramSeparator;
    // "&Naměřené hodnoty..." after "&Vstupní hodnoty..." in the "Diagram" menu and in the popup menu.
    QAction* MeasuredInput;
    QAction* MeasuredInputPopup;
    // Motor files at the head of the "&XX" menu, and "&Upravit zadání..." after the input items of the
    // "Diagram" menu and the popup menu.
    QAction* OpenMotor;
    QAction* SaveMotor;
    QMenu* RecentMotorsMenu;
    QAction* RecentMotors;
    QAction* MotorSeparator;
    QAction* EditInput;
    QAction* EditInputPopup;

    // The right pane: the "Pracovní bod" bar and the curves' axis above the curves.
    QWidget* CurvesPane;
    OperatingPointBar* PointBar;
    QComboBox* CurvesAxisBox; // "podle skluzu", "podle výkonu"
    // The torque line's check item at the end of the "Diagram" menu, after a separator; and Esc, which
    // takes the operating point away.
    QAction* TorqueLineSeparator;
    QAction* TorqueLineItem;
    QAction* ClearPoint;
    // The "Jazyk / Language" submenu of the "&Nápověda" menu.
    QMenu* LanguageMenu;

    void FormCreate(QObject* Sender);
    void ShowHint(QObject* Sender);
    void Konec1Click(QObject* Sender);
    void Copyright1Click(QObject* Sender);
    void Vstupnhodnoty1Click(QObject* Sender);
    void MomentovkaClick(QObject* Sender);
    void PriStartu(QObject* Sender);
    void Licennujednn1Click(QObject* Sender);
    void SouradniceClick(QObject* Sender);
    void SaveDiagramClick(QObject* Sender);
    void PrintDiagramClick(QObject* Sender);
    void CopyDiagramClick(QObject* Sender);
    void MeasuredInputClick(QObject* Sender);
    void OpenMotorClick(QObject* Sender);
    void SaveMotorClick(QObject* Sender);
    void EditInputClick(QObject* Sender);

    // Opens the motor of a file: computed and drawn, or the reason it is not, the motor shown before
    // staying as it was.
    void OpenMotorFile(const QString& path);
    // The motor shown, as a file would hold it; nothing before the first accepted calculation.
    const std::optional<CurrentMotor>& Current() const { return current_; }
    // Keeps the frame, the divider and the torque line for the next run.
    void SaveSettings();

    void TorqueLineClick(QObject* Sender);

    // An accepted calculation: the diagram of the record as it now stands.
    void ShowAcceptedCalculation();
    // The input dialog's or the measured values dialog's values accepted: the motor shown from now on.
    void InputAccepted();
    void ReadingsAccepted();

    // The operating point: asked by a quantity's value, solved on every motor shown until it is taken
    // away (Esc); off the arc it is kept but not drawn, and the bar says why.
    struct AskedValue {
        OperatingQuantity quantity;
        long double value;
    };
    void SetOperatingPoint(OperatingQuantity quantity, long double value);
    void ClearOperatingPoint();
    std::optional<AskedValue> CurrentOperatingPoint() const { return point_; }
    // Line current / phase current of the motor shown where its connection is known (given as measured).
    std::optional<long double> LineFactor() const;

    // The torque line of the record, and of every motor accepted after; the check item follows it and
    // the current motor is computed again with it.
    void SetTorqueLine(TorqueLine line);
    TorqueLine CurrentTorqueLine() const;

    // What the curves are drawn against; the axis box follows it.
    void SetCurvesAxis(diagram::CurvesAxis axis);

    // Before the first showing: the frame of the last run, or the outer design size centred on the screen.
    void PlaceForFirstShow();
    // The outer design size, or the screen's available area where that is smaller.
    QSize OuterSizeOnScreen() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A motor file with edits not in it asks "Uložit změny motoru?" first; Storno keeps the window.
    void closeEvent(QCloseEvent* event) override;

public:
    // Whether the motor shown came from a file (or was saved to one) and was edited since.
    bool HasUnsavedMotorEdits() const;
    // Closes the window without the question: for a termination signal, which never asks.
    void CloseWithoutAsking();

private:
    // The question on closing with unsaved edits: true where the window may close (Uložit and the save
    // succeeded, or Zahodit), false for Storno, the close box of the question, or a failed save.
    bool MayCloseMotor();
    // Writes the motor shown, its torque line and point, to `path`; false (and the error shown) where
    // it could not be written.
    bool SaveMotorTo(const QString& path);
    // The window's title: the caption, then " — " and the motor's file or name with the modified mark.
    void ShowDocumentTitle();
    bool closingWithoutAsking_ = false;
    // `caption` and `hint` are texts of this class's translation context.
    QAction* AddItem(QMenu* menu, const char* caption, const char* hint, void (TMainForm::*handler)(QObject*));
    // The input, coordinates and torque commands with the separator after the first, as both the
    // "Diagram" menu and the popup menu carry them.
    std::tuple<QAction*, QAction*, QAction*, QAction*> AddDiagramItems(QMenu* menu);
    // An item placed before `before`.
    QAction* InsertItem(QMenu* menu, QAction* before, const char* caption, const char* hint,
                        void (TMainForm::*handler)(QObject*));
    QAction* AddMeasuredItem(QMenu* menu, QAction* before);
    QAction* AddEditItem(QMenu* menu, QAction* before);
    void OpenPopup(const QPoint& globalPos);
    // "Jazyk / Language" at the end of the "&Nápověda" menu: "Čeština" and "English", one checked.
    void AddLanguageMenu(QMenu* help);
    void CheckLanguage();
    // Every text of the window in the language just chosen, the ones made from the motor too.
    void Retranslate();
    void FillRecentMotors();
    // A motor accepted from a dialog: edited (Shift+F2) it keeps its file, name and note; else it is new.
    void TakeAcceptedMotor(std::variant<InputForm, MeasuredForm> input);
    void ShowMotorTitle();

    std::optional<CurrentMotor> current_;
    bool editing_ = false; // "&Upravit zadání..." has the dialog open

    QWidget* MakeCurvesPane();
    // The diagram and the curves of the record with the operating point solved on it; `fit` for a new
    // motor, otherwise the view stays where it is.
    void ShowDiagram(bool fit);
    // Enter in the bar, or a click on the arc: a value off the arc (the braking arc too) is refused
    // with its reason and the point stays as it was.
    void AskPoint(OperatingQuantity quantity, long double value);

    std::optional<AskedValue> point_;
};

extern TMainForm* MainForm;

// Start-up up to the loop, in its fixed order: the application title, the language (`language`, else
// the one chosen in the menu), the fonts, the locale's separators, the remembered torque line, the six
// windows, the main window shown where it was last or
// centred; then, once the loop runs, the motor file named on the command line. False when there is no
// main window.
bool StartUp(const QString& motorFile = QString(), std::optional<Language> language = std::nullopt);

// The six windows, once each, in their fixed order, then the measured values dialog; sets the window
// globals. An error raised while one is created is shown and creation goes on with the next.
void CreateWindows();
// Destroys the windows (after the loop) and clears the globals.
void DestroyWindows();
