// Unit Main: the main window with its menus and status line, and the creation of all windows.
#pragma once

#include <QMainWindow>
#include <tuple>

class CurvesView;
class DiagramView;
class QAction;
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

    // An accepted calculation: the diagram of the record as it now stands.
    void ShowAcceptedCalculation();

    // Resizes the window to its outer design size and centres it on the screen; before first showing.
    void PlaceForFirstShow();
    // The outer design size, or the screen's available area where that is smaller.
    QSize OuterSizeOnScreen() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QAction* AddItem(QMenu* menu, const QString& caption, const QString& hint, void (TMainForm::*handler)(QObject*));
    // The input, coordinates and torque commands with the separator after the first, as both the
    // "Diagram" menu and the popup menu carry them.
    std::tuple<QAction*, QAction*, QAction*, QAction*> AddDiagramItems(QMenu* menu);
    QAction* AddMeasuredItem(QMenu* menu, QAction* before);
    void OpenPopup(const QPoint& globalPos);
};

extern TMainForm* MainForm;

// Start-up up to the loop, in its fixed order: the application title, the fonts, the locale's
// separators, the six windows, the main window shown centred. False when there is no main window.
bool StartUp();

// The six windows, once each, in their fixed order, then the measured values dialog; sets the window
// globals. An error raised while one is created is shown and creation goes on with the next.
void CreateWindows();
// Destroys the windows (after the loop) and clears the globals.
void DestroyWindows();
