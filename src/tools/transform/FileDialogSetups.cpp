#include "tools/transform/FileDialogSetups.h"

#include "tools/transform/FileFilters.h"
#include "tools/transform/FilePreviews.h"

namespace {

const QString BitmapDescription = QStringLiteral("Точечный рисунок Windows");
const QString SketchDescription = QStringLiteral("Эскизы");

} // namespace

QString SketchOpenFilter() {
    return MakeFilterList({{QStringLiteral("Все форматы"), QStringLiteral("*.bmp;*.ilj")},
                           {BitmapDescription, QStringLiteral("*.bmp")},
                           {SketchDescription, QStringLiteral("*.ilj")}});
}

QString SketchSaveFilter() {
    return MakeFilterList(
        {{BitmapDescription, QStringLiteral("*.bmp")}, {SketchDescription, QStringLiteral("*.ilj")}});
}

QString BlockFilter(TBlockFileKind kind) {
    if (kind == TBlockFileKind::Instrument)
        return MakeFilterList({{QStringLiteral("Файлы инструмента (*.ins)"), QStringLiteral("*.ins")}});
    return MakeFilterList({{QStringLiteral("Файлы блоков (*.blk)"), QStringLiteral("*.blk")}});
}

QString BlockExtension(TBlockFileKind kind) {
    return kind == TBlockFileKind::Instrument ? QStringLiteral("ins") : QStringLiteral("blk");
}

void ConfigureSketchOpenDialog(TTechOpenDialog& dialog, const QString& sketchesDir) {
    dialog.Filter = SketchOpenFilter();
    dialog.FilterIndex = 2;
    dialog.InitialDir = sketchesDir;
    dialog.PreviewProc = SketchFilePreview;
}

void ConfigureSketchSaveDialog(TTechSaveDialog& dialog, const QString& sketchesDir,
                               gdi::DeviceContext* docDC) {
    dialog.Filter = SketchSaveFilter();
    dialog.FilterIndex = 1;
    dialog.DefaultExt = QStringLiteral("bmp");
    dialog.InitialDir = sketchesDir;
    dialog.SetPreviewDC(docDC);
}

void ConfigureFragmentLoadDialog(TTechOpenDialog& dialog, const QString& sketchesDir) {
    dialog.Filter = SketchOpenFilter();
    dialog.FilterIndex = 1;
    dialog.InitialDir = sketchesDir;
    dialog.PreviewProc = SketchFilePreview;
}

void ConfigureFragmentSaveDialog(TTechSaveDialog& dialog, const QString& sketchesDir) {
    dialog.Filter = SketchSaveFilter();
    dialog.FilterIndex = 1;
    dialog.DefaultExt = QStringLiteral("bmp");
    dialog.InitialDir = sketchesDir;
}

void ConfigureBlockLoadDialog(TTechOpenDialog& dialog, TBlockFileKind kind, const QString& folder) {
    dialog.Filter = BlockFilter(kind);
    dialog.FilterIndex = 1;
    dialog.InitialDir = folder;
    dialog.PreviewProc = BlockFilePreview;
}

void ConfigureBlockSaveDialog(TTechSaveDialog& dialog, TBlockFileKind kind, const QString& folder) {
    dialog.Filter = BlockFilter(kind);
    dialog.FilterIndex = 1;
    dialog.DefaultExt = BlockExtension(kind);
    dialog.InitialDir = folder;
}
