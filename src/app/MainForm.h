#pragma once
// The program's main window: the main menu, the control bar of small tool bars with the
// colour panels and the line-style list, the drawing area with its rulers and scroll
// bars, the status bar with the prompt and the read-outs, and every command of the
// program as an action the menus and buttons share.

#include "app/TechDrawSurf.h"
#include "document/DocumentHost.h"
#include "gdi/Types.h"

#include <QMainWindow>
#include <QPrinter>

#include <memory>

#include "app/GdiImage.h"

class QActionGroup;
class QLabel;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class TMainFormToolHost;
class TRenderBuffer;
class TRuler;
class TStatusPanels;
class TColorPanel;
class TTechComboBox;
class THelpWindow;

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
    // What "Заполнить шапку" says when there is no exchange text: the files looked for.
    static QString MissingExchangeFileText(const QStringList& looked);

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

    // The rest of the commands (the file and view commands are above). The three lists
    // keep the actions of each family in order; MainActions.cpp defines them all.
    QAction* UndoCmd = nullptr;
    QAction* RedoCmd = nullptr;
    QAction* CutCmd = nullptr;
    QAction* CopyCmd = nullptr;
    QAction* PasteCmd = nullptr;
    QAction* DeleteCmd = nullptr;
    QAction* MarqueeCmd = nullptr;
    QAction* SetTransparentCmd = nullptr;
    QAction* AboutCmd = nullptr;
    QAction* HelpCmd = nullptr;
    QAction* CompleteCmd = nullptr;
    QAction* CancelCmd = nullptr;
    QAction* LoadFragmentCmd = nullptr;
    QAction* SaveFragmentCmd = nullptr;
    QAction* RotateImageCmd = nullptr;
    QAction* RotByAngleCmd = nullptr;
    QAction* RotToHorizCmd = nullptr;
    QAction* RotToVertCmd = nullptr;
    QAction* NormalOrientSixVertex = nullptr;
    QAction* RotatedOrientSixVertex = nullptr;
    QAction* CreateSegmentLineCmd = nullptr;
    QAction* CreateSolidLineCmd = nullptr;
    QAction* TextCmd = nullptr;
    QAction* SimpleRubber = nullptr;
    QAction* SmartRubber = nullptr;
    QAction* CircleCmd = nullptr;
    QAction* ArcCmd = nullptr;
    QAction* CircleToPartCmd = nullptr;
    QAction* CircleToCirclesCmd = nullptr;
    QAction* PointCaptureCmd = nullptr;
    QAction* OrthogonallyCmd = nullptr;
    QAction* ShowFillingWindowCmd = nullptr;
    QAction* MirrorUpDownCmd = nullptr;
    QAction* MirrorLeftRightCmd = nullptr;
    QAction* MirrorDiagonalCmd = nullptr;
    QAction* MirrorSimetricAxisCmd = nullptr;
    QAction* BlockCmd = nullptr;
    QAction* InstrumentCmd = nullptr;
    QAction* EyeDropperCmd = nullptr;
    QAction* SizeLineCmd = nullptr;
    QAction* DiametralSizeCmd = nullptr;
    QAction* RadiusSizeCmd = nullptr;
    QAction* RadialSizeCmd = nullptr;
    QAction* FreeLineCmd = nullptr;
    QAction* FreePoint1 = nullptr;
    QAction* FreePoint2 = nullptr;
    QAction* CancelFreeLineCmd = nullptr;
    QAction* MarkCmd = nullptr;
    QAction* CreateDopuskTableCmd = nullptr;
    QAction* FourVertexCmd = nullptr;
    QAction* UndoLastAction = nullptr;
    QAction* DrawAxisLine = nullptr;
    QAction* CompleteRightCmd = nullptr;
    QAction* CompleteDownCmd = nullptr;
    QList<QAction*> StandartActions;
    QList<QAction*> ToolsActions;
    QList<QAction*> FourVertexActions;

    // The pop-up menus the tools open, and the items of the tolerance frame's menu.
    QMenu* CopyPopup = nullptr;
    QMenu* FourVertexPopup = nullptr;
    QMenu* RotatePopup = nullptr;
    QMenu* DopuskPopup = nullptr;
    QMenu* FreeLinePopup = nullptr;
    QAction* withArrow = nullptr;
    QAction* withTriangle = nullptr;
    QAction* withoutAny = nullptr;

    // The control bar: sixteen tool bars in two rows.
    QToolBar* LinesToolBar = nullptr;
    QToolBar* SixVertexToolBar = nullptr;
    QToolBar* RubberToolBar = nullptr;
    QToolBar* CirclesToolBar = nullptr;
    QToolBar* LinePropToolBar = nullptr;
    QToolBar* FillingToolBar = nullptr;
    QToolBar* MirrorToolBar = nullptr;
    QToolBar* BlockToolBar = nullptr;
    QToolBar* InstrumentToolBar = nullptr;
    QToolBar* TextToolBar = nullptr;
    QToolBar* MarkToolBar = nullptr;
    QToolBar* DopuskToolBar = nullptr;
    QToolBar* FourVertexToolBar = nullptr;
    QToolBar* SizeToolBar = nullptr;
    QList<QToolBar*> ToolBars() const;

    // The colour panels and the line-style list.
    TColorPanel* LinesColor = nullptr;
    TColorPanel* RubbColorNew = nullptr;
    TColorPanel* RubbColorOld = nullptr;
    TColorPanel* FillColor = nullptr;
    TTechComboBox* LinesStyleList = nullptr;

    // Edit, tool and help commands.
    void UndoCmdExecute();
    void RedoCmdExecute();
    // Tag 1 cut, 2 copy, 3 paste, 4 delete.
    void EditExecute(int tag);
    void MarqueeCmdExecute();
    void AboutCmdExecute();
    void HelpCmdExecute();
    void CompleteCmdExecute();
    void CancelCmdExecute();
    void LoadFragmentCmdExecute();
    void SaveFragmentCmdExecute();
    void RotFragmentCmdExecute(int tag);
    void RotateImageCmdExecute();
    // An option button was toggled: the current tool takes it, or it goes back up.
    void OptionCmdExecute(QAction* sender);
    // The commands only the current tool carries out (the rectangle's), by their tags.
    void ToolCmdExecute(QAction* sender);
    void DopuskPopupClick(QAction* sender);
    // The commands that only choose a tool: the tool, button and dialog of the action.
    void SelectToolOfAction(QAction* sender);

    // A panel's new colour, with the caption colour that goes with it.
    static void SetPanelColor(TColorPanel* panel, gdi::COLORREF colour);
    // Cut, copy and delete follow the marquee; paste follows the clipboard.
    void RefreshEditActions();
    // Makes LinePen of LineLogPen with the given colour.
    void SetLinePenColour(gdi::COLORREF colour);
    // Item index of the line-style list: LineLogPen's style and width, then LinePen.
    void LinesStyleListChange(int index);
    // The line and the colour panels as the user sets them.
    void SelLineColor(TColorPanel* sender, Qt::MouseButton button, bool isDouble);
    void SelRubbColor(TColorPanel* sender, Qt::MouseButton button, bool isDouble);
    void SelFillColor(TColorPanel* sender, Qt::MouseButton button, bool isDouble);
    bool PanelDragOver(TColorPanel* target, TColorPanel* source);
    void PanelDragDrop(TColorPanel* target, TColorPanel* source);
    void PanelEndDrag(TColorPanel* source, TColorPanel* target);

    // The help window, once F1 has opened it.
    THelpWindow* HelpWindow() const { return m_helpWindow; }

    // The printer keeps the choices of the last print dialog.
    QPrinter& Printer() { return m_printer; }
    TRenderBuffer& RenderBuffer() { return *m_renderBuffer; }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreatePopupMenus();
    void CreateColorPanels();
    void CreateLinesStyleList();
    // The steps common to every press on a colour panel: the colour choice on a right
    // or double click, a drag on a single left press; true when the colour was asked.
    bool PanelPress(TColorPanel* sender, Qt::MouseButton button, bool isDouble);
    // What the colour of the panel with the given tag sets in the program.
    void ApplyPanelColor(TColorPanel* panel);
    void CreateSurfPanel();
    void FormCreate(const QStringList& arguments);
    // Asks whether to save a modified sketch; false keeps the window open.
    bool FormCloseQuery();
    // The close query's question; the button pressed.
    int AskToSaveChanges();
    // Before a new or opened sketch takes the place of a modified one: the close query's
    // question; false when the user cancelled or the sketch could not be saved.
    bool MayReplaceSketch();

    std::unique_ptr<TRenderBuffer> m_renderBuffer;
    TGdiImage m_surfaceImage;
    QPrinter m_printer;
    bool m_shown = false;
    THelpWindow* m_helpWindow = nullptr;
    // The tools' way to the window; goes first, taking the current tool with it.
    std::unique_ptr<TMainFormToolHost> m_toolHost;
};

// The main window of the run.
extern TMainForm* MainForm;
