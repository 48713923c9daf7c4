#include "tools/draw/NewSketchCommand.h"

#include "document/Geometry.h"
#include "document/SketchBitmap.h"
#include "document/TechDocument.h"
#include "tools/draw/AnySizeDraftDlg.h"
#include "tools/draw/NewDraftDlg.h"
#include "tools/draw/SheetChoices.h"
#include "tools/draw/SheetSamples.h"

#include <QLineEdit>
#include <QMessageBox>

#include <cmath>

namespace {

constexpr long double PixelsPerMm = 3.7824L;

void refuse(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QString::fromUtf8(ProgramTitle), message);
}

// A blank sheet of the size asked for, unless the size cannot make a sketch.
void createAnySizeSheet(QWidget* parent, const TSheetPixels& size) {
    if (size.Width == 0 || size.Height == 0) {
        refuse(parent, QStringLiteral("Размер листа должен быть больше нуля."));
        return;
    }
    if (!IsSaneSketchSize(size.Width, size.Height)) {
        refuse(
            parent,
            QStringLiteral("Лист %1 × %2 точек слишком велик для эскиза.").arg(size.Width).arg(size.Height));
        return;
    }
    Document->CreateNewDocument(int32_t(size.Width), int32_t(size.Height));
    Document->SheetKind = 5;
    Document->SheetName.clear();
}

} // namespace

int64_t MmToPixels(int64_t mm) {
    return std::llrint(mm * PixelsPerMm);
}

int32_t AskSheetChoice(QWidget* parent, const QString& stdFormsDir, const TPromptCallbacks& prompts) {
    TNewDraftDlg dialog(stdFormsDir, prompts, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Choice() : NoSheetChoice;
}

std::optional<TSheetPixels> AskSheetSize(QWidget* parent) {
    TAnySizeDraftDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    bool widthOk = false;
    bool heightOk = false;
    const int32_t width = dialog.EditWidth->text().toInt(&widthOk);
    const int32_t height = dialog.EditHeight->text().toInt(&heightOk);
    if (!widthOk || !heightOk) return std::nullopt;
    return TSheetPixels{MmToPixels(width), MmToPixels(height)};
}

bool CreateNewSketch(QWidget* parent, const QString& stdFormsDir, const TPromptCallbacks& prompts) {
    if (!Document) return false;
    const TSheetChoice* choice = FindSheetChoice(AskSheetChoice(parent, stdFormsDir, prompts));
    if (!choice) return false;

    if (choice->Code == AnySizeSheetChoice) {
        if (const std::optional<TSheetPixels> size = AskSheetSize(parent)) createAnySizeSheet(parent, *size);
        return true;
    }
    if (choice->FormFile) {
        if (!Document->LoadSheetForm(SheetFormPath(stdFormsDir, choice->FormFile).toStdString()))
            return false;
    } else {
        Document->CreateNewDocument(choice->Width, choice->Height);
    }
    Document->SheetKind = choice->SheetKind;
    Document->SheetName = choice->SheetName;
    return true;
}
