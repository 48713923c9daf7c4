#include "app/MainForm.h"

#include "app/ButtonPictures.h"
#include "app/CommandLine.h"
#include "app/Cursors.h"
#include "app/MainFormToolHost.h"
#include "app/QtPrinterTarget.h"
#include "app/Ruler.h"
#include "app/StatusPanels.h"
#include "app/TechComboBox.h"
#include "document/FileErrors.h"
#include "document/Folders.h"
#include "document/RenderBuffer.h"
#include "document/TechDocument.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/NewSketchCommand.h"
#include "tools/transform/FileDialogSetups.h"

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

// The exchange text, in the order it is looked for in each folder.
const char* const ExchangeFileNames[] = {"obmen.fff", "obmen.txt"};

// Paths go to the document layer in UTF-8.
std::string toPath(const QString& path) {
    return path.toStdString();
}

QString fromPath(const std::string& path) {
    return QString::fromStdString(path);
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
    CreatePopupMenus();
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
    LinesStyleList->setCurrentIndex(0);
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

int TMainForm::AskToSaveChanges() {
    QMessageBox box(QMessageBox::Question, programTitle(), QStringLiteral("Сохранить изменения?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    return box.exec();
}

bool TMainForm::FormCloseQuery() {
    if (!Document || !Document->Modified) return true;
    const int answer = AskToSaveChanges();
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

bool TMainForm::MayReplaceSketch() {
    if (!Document || !Document->Modified) return true;
    const int answer = AskToSaveChanges();
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    // Unlike closing, a save given up or failed keeps the drawing: nothing was asked to
    // go yet.
    SaveCmdExecute();
    return !Document->Modified;
}

// ---- The document's requests -----------------------------------------------------------

void TMainForm::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
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
    if (!MayReplaceSketch()) return;
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
    if (!MayReplaceSketch()) return;
    TTechOpenDialog dialog;
    ConfigureSketchOpenDialog(dialog, fromPath(SketchesDir));
    if (!dialog.Execute(this)) return;
    OpenSketch(dialog.FileName);
}

void TMainForm::SaveCmdExecute() {
    if (!Document->FileName.empty())
        Document->SaveToFile(Document->FileName);
    else
        SaveAsCmdExecute();
}

void TMainForm::SaveAsCmdExecute() {
    TTechSaveDialog dialog;
    ConfigureSketchSaveDialog(dialog, fromPath(SketchesDir), DocDC);
    if (!dialog.Execute(this)) return;
    Document->SaveToFile(toPath(dialog.FileName));
}

void TMainForm::PrintCmdExecute() {
    if (!Document || !Document->FDocBitmap) {
        QMessageBox box(QMessageBox::Information, programTitle(),
                        QStringLiteral("Печатать нечего: создайте новый эскиз или откройте существующий."),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    PrintSketchWithDialog(m_printer, this);
}

void TMainForm::FillHeadClick() {
    // The text comes from another program, which leaves it in the program's folder or,
    // where that folder is not the user's, in the user's data folder.
    QStringList looked;
    QString textPath;
    for (const std::string& folder : {AppDir, DataDir}) {
        for (const char* name : ExchangeFileNames) {
            const QString path = fromPath(folder + "/" + name);
            if (looked.contains(path)) continue;
            looked.append(path);
            if (textPath.isEmpty() && QFileInfo::exists(path)) textPath = path;
        }
    }
    if (textPath.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, programTitle(), MissingExchangeFileText(looked),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
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
    Document->FillTitleBlock(toPath(mapPath), toPath(textPath));
}

QString TMainForm::MissingExchangeFileText(const QStringList& looked) {
    return QStringLiteral("Шапка не заполнена: нет файла обмена с текстом для неё.\nИскали:\n") +
           looked.join(QLatin1Char('\n'));
}

void TMainForm::ExitCmdExecute() {
    close();
}
