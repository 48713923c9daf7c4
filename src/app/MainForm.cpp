#include "app/MainForm.h"

#include "app/ButtonPictures.h"
#include "app/CommandLine.h"
#include "app/Cursors.h"
#include "app/MainFormToolHost.h"
#include "app/QtPrinterTarget.h"
#include "app/Ruler.h"
#include "app/StatusPanels.h"
#include "document/FileErrors.h"
#include "document/Folders.h"
#include "document/RenderBuffer.h"
#include "document/TechDocument.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/NewSketchCommand.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

TMainForm* MainForm = nullptr;

namespace {

QString programTitle() {
    return QString::fromUtf8(ProgramTitle);
}

// Paths go to the document layer in UTF-8.
std::string toPath(const QString& path) {
    return path.toStdString();
}

QString fromPath(const std::string& path) {
    return QString::fromStdString(path);
}

// The button a tool bar made for an action, named so that it can be found.
QToolButton* buttonOf(QToolBar* bar, QAction* action, const char* name) {
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    if (button) {
        button->setObjectName(QLatin1String(name));
        button->setFocusPolicy(Qt::NoFocus);
    }
    return button;
}

} // namespace

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_renderBuffer(std::make_unique<TRenderBuffer>(*DocDC)),
      m_printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("MainForm"));
    resize(866, 505);
    setMinimumSize(600, 400);
    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateSurfPanel();

    InformationStatusBar =
        new TStatusPanels({430, 85, 85, 115},
                          {QString(), QStringLiteral("X = -0000.00 (mm)"),
                           QStringLiteral("Y = -0000.00 (mm)"), QStringLiteral("Radius = 0000.00 (mm)")},
                          this);
    InformationStatusBar->setObjectName(QStringLiteral("InformationStatusBar"));
    InformationStatusBar->SetPanelText(
        0, QStringLiteral("Выберите существующий эскиз или задайте формат нового эскиза"));
    InformationStatusBar->SetPanelText(1, QStringLiteral("X = 0.00 (mm)"));
    InformationStatusBar->SetPanelText(2, QStringLiteral("Y = 0.00 (mm)"));
    InformationStatusBar->SetPanelText(3, QStringLiteral("Radius = 0.00 (mm)"));
    InformationStatusBar->installEventFilter(this);
    setStatusBar(InformationStatusBar);

    if (Document) Document->SetHost(this);
    MainForm = this;
    FormCreate(arguments);
}

TMainForm::~TMainForm() {
    if (Document) Document->SetHost(nullptr);
    if (::DrawSurf == DrawSurf) ::DrawSurf = nullptr;
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::CreateActions() {
    auto make = [this](QAction*& action, const QString& text, const char* name, QKeySequence shortcut = {}) {
        action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        addAction(action);
    };
    make(CreateNewCmd, QStringLiteral("Созд&ать эскиз"), "CreateNewCmd", QKeySequence(Qt::CTRL | Qt::Key_N));
    make(OpenCmd, QStringLiteral("&Открыть"), "OpenCmd", QKeySequence(Qt::CTRL | Qt::Key_O));
    make(SaveCmd, QStringLiteral("&Сохранить"), "SaveCmd", QKeySequence(Qt::CTRL | Qt::Key_S));
    make(SaveAsCmd, QStringLiteral("Сохранить &как..."), "SaveAsCmd");
    make(PrintCmd, QStringLiteral("&Печать..."), "PrintCmd", QKeySequence(Qt::CTRL | Qt::Key_P));
    make(FillHead, QStringLiteral("Заполнить шапку"), "FillHead");
    make(ExitCmd, QStringLiteral("В&ыход"), "ExitCmd");
    make(MagnifyInc, QStringLiteral("Увеличить"), "MagnifyInc", QKeySequence(Qt::CTRL | Qt::Key_I));
    make(MagnifyDec, QStringLiteral("Уменьшить"), "MagnifyDec", QKeySequence(Qt::CTRL | Qt::Key_U));
    make(ViewAll, QStringLiteral("Увидеть все"), "ViewAll");
    MagnifyInc->setData(1);
    MagnifyDec->setData(2);
    // Nothing to look at until a sketch is made or opened.
    ViewAll->setEnabled(false);

    CreateNewCmd->setIcon(ButtonPicture(TButtonPicture::NewSketch));
    OpenCmd->setIcon(ButtonPicture(TButtonPicture::Open));
    SaveCmd->setIcon(ButtonPicture(TButtonPicture::Save));
    PrintCmd->setIcon(ButtonPicture(TButtonPicture::Print));
    MagnifyInc->setIcon(ButtonPicture(TButtonPicture::ZoomIn));
    MagnifyDec->setIcon(ButtonPicture(TButtonPicture::ZoomOut));
    ViewAll->setIcon(ButtonPicture(TButtonPicture::ViewAll));

    connect(CreateNewCmd, &QAction::triggered, this, [this] { CreateNewCmdExecute(); });
    connect(OpenCmd, &QAction::triggered, this, [this] { OpenCmdExecute(); });
    connect(SaveCmd, &QAction::triggered, this, [this] { SaveCmdExecute(); });
    connect(SaveAsCmd, &QAction::triggered, this, [this] { SaveAsCmdExecute(); });
    connect(PrintCmd, &QAction::triggered, this, [this] { PrintCmdExecute(); });
    connect(FillHead, &QAction::triggered, this, [this] { FillHeadClick(); });
    connect(ExitCmd, &QAction::triggered, this, [this] { ExitCmdExecute(); });
    connect(MagnifyInc, &QAction::triggered, this, [this] { SelMagnify(MagnifyInc->data().toInt()); });
    connect(MagnifyDec, &QAction::triggered, this, [this] { SelMagnify(MagnifyDec->data().toInt()); });
    connect(ViewAll, &QAction::triggered, this, [this] { ViewAllExecute(); });
}

void TMainForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->addAction(CreateNewCmd);
    file->addAction(OpenCmd);
    file->addAction(SaveCmd);
    file->addAction(SaveAsCmd);
    file->addSeparator();
    file->addAction(FillHead);
    file->addSeparator();
    file->addAction(PrintCmd);
    file->addSeparator();
    file->addAction(ExitCmd);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Вид"));
    view->addAction(MagnifyInc);
    view->addAction(MagnifyDec);
    view->addAction(ViewAll);
}

void TMainForm::CreateToolBars() {
    StandartToolBar = addToolBar(QStringLiteral("Стандартная"));
    StandartToolBar->setObjectName(QStringLiteral("StandartToolBar"));
    StandartToolBar->setIconSize(QSize(16, 16));
    StandartToolBar->addAction(CreateNewCmd);
    StandartToolBar->addAction(OpenCmd);
    StandartToolBar->addAction(SaveCmd);
    StandartToolBar->addSeparator();
    StandartToolBar->addAction(PrintCmd);
    buttonOf(StandartToolBar, CreateNewCmd, "CreateButton");
    buttonOf(StandartToolBar, OpenCmd, "OpenButton");
    buttonOf(StandartToolBar, SaveCmd, "SaveButton");
    buttonOf(StandartToolBar, PrintCmd, "PrintButton");

    MagnifyToolBar = addToolBar(QStringLiteral("Масштаб"));
    MagnifyToolBar->setObjectName(QStringLiteral("MagnifyToolBar"));
    MagnifyToolBar->setIconSize(QSize(16, 16));
    MagnifyToolBar->addAction(MagnifyInc);
    MagnifyToolBar->addAction(MagnifyDec);
    MagnifyToolBar->addSeparator();
    MagnifyToolBar->addAction(ViewAll);
    ZoomIncButton = buttonOf(MagnifyToolBar, MagnifyInc, "ZoomIncButton");
    ZoomDecButton = buttonOf(MagnifyToolBar, MagnifyDec, "ZoomDecButton");
    ViewAllButton = buttonOf(MagnifyToolBar, ViewAll, "ViewAllButton");
    // The buttons follow the zoom; the actions stay on and refuse a step past the ends.
    ZoomDecButton->setEnabled(false);
}

void TMainForm::CreateSurfPanel() {
    SurfPanel = new QWidget(this);
    SurfPanel->setObjectName(QStringLiteral("SurfPanel"));
    SurfPanel->setAccessibleName(QStringLiteral("SurfPanel"));
    SurfPanel->installEventFilter(this);
    setCentralWidget(SurfPanel);

    // Fixed places; only the sizes follow the window and the sketch.
    HorizRuler = new TRuler(roHorizontal, SurfPanel);
    HorizRuler->setObjectName(QStringLiteral("HorizRuler"));
    HorizRuler->setAccessibleName(QStringLiteral("HorizRuler"));
    HorizRuler->setGeometry(18, 0, 3, 17);
    VertRuler = new TRuler(roVertical, SurfPanel);
    VertRuler->setObjectName(QStringLiteral("VertRuler"));
    VertRuler->setAccessibleName(QStringLiteral("VertRuler"));
    VertRuler->setGeometry(0, 18, 17, 3);

    DrawSurf = new TTechDrawSurf(SurfPanel);
    DrawSurf->setGeometry(18, 18, 0, 0);
    DrawSurf->OnDraw = [this](TTechDrawSurf* sender) { DrawSurfDraw(sender); };
    DrawSurf->OnPreMouseMove = [this](TTechDrawSurf* sender, int x, int y) {
        DrawSurfPreMouseMove(sender, x, y);
    };

    auto makeBar = [this](QScrollBar*& bar, Qt::Orientation orientation, const char* name) {
        bar = new QScrollBar(orientation, SurfPanel);
        bar->setObjectName(QLatin1String(name));
        bar->setAccessibleName(QLatin1String(name));
        bar->setSingleStep(2);
        bar->setPageStep(8);
        bar->setRange(0, 0);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    };
    makeBar(HorizScrollBar, Qt::Horizontal, "HorizScrollBar");
    HorizScrollBar->setGeometry(19, 0, 100, 13);
    makeBar(VertScrollBar, Qt::Vertical, "VertScrollBar");
    VertScrollBar->setGeometry(0, 19, 13, 100);
    connect(HorizScrollBar, &QScrollBar::valueChanged, this, [this] { HorizScrollBarChange(); });
    connect(VertScrollBar, &QScrollBar::valueChanged, this, [this] { VertScrollBarChange(); });
}

void TMainForm::FormCreate(const QStringList& arguments) {
    // The plain caption goes first, so that a sketch opened from the command line keeps
    // its name in it.
    setWindowTitle(programTitle());
    for (const QString& path : SketchesToOpen(arguments))
        OpenSketch(path);
    m_toolHost = std::make_unique<TMainFormToolHost>(*this);
    ::DrawSurf = DrawSurf;
    DrawSurf->setCursor(ProgramCursor(MainCursor));
    ShowRadius(0);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        SurfPanelResize();
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == SurfPanel) SurfPanelResize();
        if (watched == InformationStatusBar) InformationStatusBarResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    SelectTool(nullptr, nullptr, nullptr);
    event->accept();
}

bool TMainForm::FormCloseQuery() {
    if (!Document || !Document->Modified) return true;
    QMessageBox box(QMessageBox::Question, programTitle(), QStringLiteral("Сохранить изменения?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) {
        // The window closes even when the user gives up choosing a name.
        if (!Document->FileName.empty())
            Document->SaveToFile(Document->FileName);
        else
            SaveCmdExecute();
        return true;
    }
    return answer == QMessageBox::No;
}

// ---- The document's requests -----------------------------------------------------------

void TMainForm::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void TMainForm::EnableUndoActions(bool, bool) {
    // Undo and redo come with the edit commands.
}

void TMainForm::LayOutView() {
    SurfPanelResize();
    DrawSurfResize();
}

void TMainForm::InvalidateSurface() {
    DrawSurf->update();
}

void TMainForm::ReportError(const std::string& message) {
    QMessageBox::warning(this, programTitle(), QString::fromStdString(message));
}

void TMainForm::SetPromptText(const QString& text) {
    // An empty text asks for the prompt of the current tool; without one, and at the
    // end of a figure, the general prompt shows.
    InformationStatusBar->SetPanelText(0, StatusPromptText(text));
    InformationStatusBar->repaint();
}

QString TMainForm::PromptText() const {
    return InformationStatusBar->PanelText(0);
}

// ---- Commands ----------------------------------------------------------------------------

void TMainForm::ShowNewSketch() {
    ViewAll->setEnabled(true);
    DrawSurfResize();
    SurfPanelResize();
    DrawSurf->update();
}

void TMainForm::CreateNewCmdExecute() {
    TPromptCallbacks prompts;
    prompts.ShowPrompt = [this](const QString& prompt) { SetPromptText(prompt); };
    prompts.ShowToolPrompt = [this] { SetPromptText(QString()); };
    if (CreateNewSketch(this, fromPath(StdFormsDir), prompts)) ShowNewSketch();
}

void TMainForm::OpenSketch(const QString& path) {
    try {
        Document->LoadFromFile(toPath(path));
    } catch (const DecompressionError&) {
        // The sketch stays as it was; the user must not take it for the file's.
        ReportError("Не удалось открыть файл «" + toPath(path) + "»: сжатые данные эскиза повреждены.");
    }
    Document->SheetKind = 5;
    ShowNewSketch();
}

void TMainForm::OpenCmdExecute() {
    QFileDialog dialog(this, QString(), fromPath(SketchesDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters{QStringLiteral("Все форматы (*.bmp *.ilj)"),
                              QStringLiteral("Точечный рисунок Windows (*.bmp)"),
                              QStringLiteral("Эскизы (*.ilj)")};
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    OpenSketch(dialog.selectedFiles().constFirst());
}

void TMainForm::SaveCmdExecute() {
    if (!Document->FileName.empty())
        Document->SaveToFile(Document->FileName);
    else
        SaveAsCmdExecute();
}

void TMainForm::SaveAsCmdExecute() {
    QFileDialog dialog(this, QString(), fromPath(SketchesDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{QStringLiteral("Точечный рисунок Windows (*.bmp)"),
                              QStringLiteral("Эскизы (*.ilj)")};
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[0]);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    // A name typed without an extension takes that of the chosen kind.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        dialog.setDefaultSuffix(filter == filters[1] ? QStringLiteral("ilj") : QStringLiteral("bmp"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    Document->SaveToFile(toPath(dialog.selectedFiles().constFirst()));
}

void TMainForm::PrintCmdExecute() {
    PrintSketchWithDialog(m_printer, this);
}

void TMainForm::FillHeadClick() {
    QString mapPath = fromPath(StdFormsDir + Document->SheetName + ".map");
    if (!QFileInfo::exists(mapPath)) {
        QMessageBox ask(QMessageBox::Information, programTitle(),
                        QStringLiteral("Отсутствует карта размещения строк.\nХотите найти самостоятельно?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        if (ask.exec() == QMessageBox::Yes) {
            QFileDialog dialog(this, QString(), fromPath(StdFormsDir));
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setOption(QFileDialog::ReadOnly, false);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setNameFilter(QStringLiteral("Карты (*.map)"));
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                mapPath = dialog.selectedFiles().constFirst();
        }
    }
    const std::string exchange = AppDir + "/obmen.fff";
    const std::string textPath = QFileInfo::exists(fromPath(exchange)) ? exchange : AppDir + "/obmen.txt";
    Document->FillTitleBlock(toPath(mapPath), textPath);
}

void TMainForm::ExitCmdExecute() {
    close();
}
