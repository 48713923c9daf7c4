#pragma once
// The program's main window: the drawing area with its rulers and scroll bars, the
// status bar with the prompt and the read-outs, and the commands that make, open, save,
// print and look at the sketch.

#include "app/TechDrawSurf.h"
#include "document/DocumentHost.h"
#include "gdi/Types.h"

#include <QMainWindow>
#include <QPrinter>

#include <memory>

#include "app/GdiImage.h"

class QLabel;
class QScrollBar;
class QToolBar;
class QToolButton;
class TMainFormToolHost;
class TRenderBuffer;
class TRuler;
class TStatusPanels;

// Units of the read-outs.
enum TMeasureUnits : int { UnitsCm = 0, UnitsMm = 1, UnitsPix = 2 };

class TMainForm : public QMainWindow, public TDocumentHost {
    Q_OBJECT
  public:
    // arguments: the command line after the program; the sketches it names are opened.
    explicit TMainForm(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The document's requests.
    void SetCaption(const std::string& caption) override;
    void EnableUndoActions(bool canUndo, bool canRedo) override;
    void LayOutView() override;
    void InvalidateSurface() override;
    void ReportError(const std::string& message) override;

    // The status bar's first panel.
    void SetPromptText(const QString& text);
    QString PromptText() const;
    // The radius read-out, for a length in sketch pixels.
    void ShowRadius(float value);

    // View handlers.
    void SurfPanelResize();
    void DrawSurfResize();
    void HorizScrollBarChange();
    void VertScrollBarChange();
    // Tag 1 zooms in, tag 2 out, by two steps between 1 and 7.
    void SelMagnify(int tag);
    void ViewAllExecute();
    void DrawSurfDraw(TTechDrawSurf* sender);
    void DrawSurfPreMouseMove(TTechDrawSurf* sender, int cx, int cy);
    void InformationStatusBarResize();

    // Commands.
    void CreateNewCmdExecute();
    void OpenCmdExecute();
    void SaveCmdExecute();
    void SaveAsCmdExecute();
    void PrintCmdExecute();
    void FillHeadClick();
    void ExitCmdExecute();

    // After a new or opened sketch: the whole-sketch view and a fresh layout.
    void ShowNewSketch();
    // Opens a sketch file as the Open command does once its dialog is answered: also a
    // file that cannot be read gives a free-size sheet kind and lays the view out.
    void OpenSketch(const QString& path);

    // The read-out number in the user's notation: two decimals, the locale's separator.
    static QString FormatMeasure(double value);
    static float UnitFactor(int units);
    static QString UnitLabel(int units);

    gdi::Point MeasureOrigin;
    int ZoomFactor = 1;
    int Units = UnitsMm;

    // Components, by the names the rest of the program knows them by.
    QWidget* SurfPanel = nullptr;
    TRuler* HorizRuler = nullptr;
    TRuler* VertRuler = nullptr;
    TTechDrawSurf* DrawSurf = nullptr;
    QScrollBar* HorizScrollBar = nullptr;
    QScrollBar* VertScrollBar = nullptr;
    TStatusPanels* InformationStatusBar = nullptr;
    QToolBar* StandartToolBar = nullptr;
    QToolBar* MagnifyToolBar = nullptr;
    QToolButton* ZoomIncButton = nullptr;
    QToolButton* ZoomDecButton = nullptr;
    QToolButton* ViewAllButton = nullptr;

    QAction* CreateNewCmd = nullptr;
    QAction* OpenCmd = nullptr;
    QAction* SaveCmd = nullptr;
    QAction* SaveAsCmd = nullptr;
    QAction* PrintCmd = nullptr;
    QAction* FillHead = nullptr;
    QAction* ExitCmd = nullptr;
    QAction* MagnifyInc = nullptr;
    QAction* MagnifyDec = nullptr;
    QAction* ViewAll = nullptr;

    // The printer keeps the choices of the last print dialog.
    QPrinter& Printer() { return m_printer; }
    TRenderBuffer& RenderBuffer() { return *m_renderBuffer; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateSurfPanel();
    void FormCreate(const QStringList& arguments);
    // Asks whether to save a modified sketch; false keeps the window open.
    bool FormCloseQuery();

    std::unique_ptr<TRenderBuffer> m_renderBuffer;
    TGdiImage m_surfaceImage;
    QPrinter m_printer;
    bool m_shown = false;
    // The tools' way to the window; goes first, taking the current tool with it.
    std::unique_ptr<TMainFormToolHost> m_toolHost;
};

// The main window of the run.
extern TMainForm* MainForm;
