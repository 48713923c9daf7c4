#include "AppTestSupport.h"

#include "app/Cursors.h"
#include "document/Folders.h"
#include "document/Pens.h"
#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QPointer>
#include <QTimer>

#include <unistd.h>

namespace app_testing {

void AnswerModal(std::function<void(QWidget*)> answer, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer = std::move(answer), timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

std::function<void(QWidget*)> PressInBox(QMessageBox::StandardButton button, TSeenBox* seen,
                                         std::function<void()> then) {
    return [button, seen, then](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box) {
            // Not the box the test waits for: leave it be, the test fails on what it saw.
            widget->close();
            return;
        }
        if (seen) {
            seen->Seen = true;
            seen->Title = box->windowTitle();
            seen->Text = box->text();
            seen->Icon = box->icon();
            seen->Buttons = box->standardButtons();
        }
        if (then) then();
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->reject();
    };
}

TTempFolder::TTempFolder() {
    static int counter = 0;
    m_path = std::filesystem::temp_directory_path() /
             ("verigraf-app-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_path);
}

TTempFolder::~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

TInstallation::TInstallation(bool withFonts, bool withStdForms) {
    std::filesystem::create_directories(Folder.Path() / "Fonts");
    if (withFonts) {
        for (const char* font : {"ZYQVerigraf.ttf", "ZYQ(gdt).ttf"})
            std::filesystem::copy_file(std::filesystem::path(VERIGRAF_BIN_DIR) / "Fonts" / font,
                                       Folder.Path() / "Fonts" / font);
    }
    if (withStdForms) std::filesystem::create_directories(Folder.Path() / "StdForms");
}

TMainFormSetup::TMainFormSetup(const QStringList& arguments, QSize size) {
    SetInstallationFolders(m_folder.Path().string());
    Document = std::make_unique<TTechDocument>();
    CreateSharedPens();
    UndoHistory = std::make_unique<TUnDoObj>();
    RegisterCursors();
    m_form = std::make_unique<TMainForm>(arguments);
    m_form->resize(size);
    m_form->show();
    Resize(size);
}

TMainFormSetup::~TMainFormSetup() {
    m_form.reset();
    UnregisterCursors();
    UndoHistory.reset();
    DeleteSharedPens();
    Document.reset();
    ClearInstallationFolders();
}

void TMainFormSetup::NewSketch(int width, int height) {
    Document->CreateNewDocument(width, height);
    m_form->ShowNewSketch();
}

void TMainFormSetup::Resize(QSize size) {
    m_form->resize(size);
    // The main window lays its parts out on the next turn of the event loop.
    QApplication::processEvents();
    if (m_form->layout()) m_form->layout()->activate();
    QApplication::processEvents();
}

void WriteSampleSketch(const std::string& path, int width, int height) {
    gdi::BitmapPtr sketch = CreateSketchDib(width, height);
    gdi::DeviceContext dc;
    dc.selectBitmap(sketch);
    dc.fillRect({0, 0, width, height}, gdi::stockWhiteBrush());
    dc.selectPen(gdi::stockBlackPen());
    dc.selectBrush(gdi::stockNullBrush());
    dc.rectangle(0, 0, width, height);
    dc.setPixel(100, 50, 0x0000FF);
    SaveSketchImage(sketch, path);
}

} // namespace app_testing
