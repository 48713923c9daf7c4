#include "DialogTestSupport.h"

#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"
#include "tools/transform/PreviewPane.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>

void ClickInList(QFileDialog* dialog, const QString& path) {
    auto* list = child<QListView>(dialog, "listView");
    auto* model = qobject_cast<QFileSystemModel*>(list->model());
    if (!model) throw std::runtime_error("the list shows no file system");
    QRect place;
    const bool listed = QTest::qWaitFor(
        [&] {
            const QModelIndex index = model->index(path);
            place = index.isValid() ? list->visualRect(index) : QRect();
            return !place.isEmpty();
        },
        2000);
    if (!listed) throw std::runtime_error("not listed: " + path.toStdString());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
}

void TypeNameAndAccept(QFileDialog* dialog, const QString& name) {
    auto* edit = child<QLineEdit>(dialog, "fileNameEdit");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    auto* buttons = child<QDialogButtonBox>(dialog, "buttonBox");
    QPushButton* accept = buttons->button(
        dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save : QDialogButtonBox::Open);
    if (!accept) throw std::runtime_error("no accept button");
    QMetaObject::invokeMethod(accept, &QPushButton::click, Qt::QueuedConnection);
}

void PressCancel(QFileDialog* dialog) {
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
}

QImage PaneClientPixels() {
    if (!CurrentFilesDialog || !CurrentFilesDialog->PreviewControl()) throw std::runtime_error("no pane");
    TPreviewPane* pane = CurrentFilesDialog->PreviewControl();
    return pane->grab(pane->contentsRect()).toImage();
}

bool AllOf(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != color) return false;
    return !image.isNull();
}

QFileDialog* FileDialogOf(QWidget* dialog) {
    auto* window = qobject_cast<QFileDialog*>(dialog);
    if (!window) throw std::runtime_error("not a file dialog");
    return window;
}

bool ExecuteWith(TTechFilesDialog& dialog, std::vector<ModalScript::Step> steps) {
    ModalScript script(std::move(steps));
    const bool result = dialog.Execute(nullptr);
    EXPECT_EQ(script.StepsDone(), script.StepCount());
    EXPECT_FALSE(script.Stuck());
    return result;
}

TTestFolder::TTestFolder() {
    if (!m_dir.isValid()) throw std::runtime_error("no temporary folder");
}

void TTestFolder::WriteSketch(const QString& name, int32_t width, int32_t height) const {
    gdi::BitmapPtr sketch = CreateSketchDib(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            sketch->setPixel(x, y, x < width / 2 ? 2 : 12); // red, blue
    SaveSketchImage(sketch, QFile::encodeName(Path(name)).toStdString());
}

void TTestFolder::WriteBytes(const QString& name, const std::string& bytes) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + name.toStdString());
    file.write(bytes.data(), qint64(bytes.size()));
}
