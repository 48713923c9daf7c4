#include "tools/draw/NewSketchCommand.h"

#include "document/Geometry.h"
#include "document/SketchBitmap.h"
#include "document/TechDocument.h"
#include "tools/draw/AnySizeDraftDlg.h"
#include "tools/draw/NewDraftDlg.h"
#include "tools/draw/SheetChoices.h"
#include "tools/draw/SheetSamples.h"

#include <QLineEdit>

#include <cmath>

namespace {

constexpr long double PixelsPerMm = 3.7824L;

// A blank sheet of the size asked for; the size dialog has refused what cannot make a
// sketch, with the reason.
void createAnySizeSheet(const TSheetPixels& size) {
    if (!IsSaneSketchSize(size.Width, size.Height)) return;
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
    const int64_t width = dialog.EditWidth->text().toLongLong(&widthOk);
    const int64_t height = dialog.EditHeight->text().toLongLong(&heightOk);
    if (!widthOk || !heightOk) return std::nullopt;
    return TSheetPixels{MmToPixels(width), MmToPixels(height)};
}

bool CreateNewSketch(QWidget* parent, const QString& stdFormsDir, const TPromptCallbacks& prompts) {
    if (!Document) return false;
    const TSheetChoice* choice = FindSheetChoice(AskSheetChoice(parent, stdFormsDir, prompts));
    if (!choice) return false;

    if (choice->Code == AnySizeSheetChoice) {
        if (const std::optional<TSheetPixels> size = AskSheetSize(parent)) createAnySizeSheet(*size);
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
