#pragma once
// The new-sketch command: which sheet, then the sketch made on it.

#include "tools/draw/PromptCallbacks.h"

#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

// Pixels of a length in millimetres on a sketch, to nearest with ties to even. Wider
// than the sketch's coordinates, so that a huge typed length cannot wrap round to a
// plausible size.
int64_t MmToPixels(int64_t mm);

struct TSheetPixels {
    int64_t Width = 0;
    int64_t Height = 0;
};

// Asks with TNewDraftDlg; the chosen sheet's code, or 0 when the dialog was cancelled.
int32_t AskSheetChoice(QWidget* parent, const QString& stdFormsDir, const TPromptCallbacks& prompts);

// Asks with TAnySizeDraftDlg; the size in pixels, or none when the dialog was cancelled
// or an edit does not hold a whole number.
std::optional<TSheetPixels> AskSheetSize(QWidget* parent);

// Asks for the sheet and makes the new sketch on it in Document, with its sheet kind
// and name. True when the view must be laid out again for the new sketch: for every
// sheet chosen, also when the size question was cancelled or refused; false when the
// first dialog was cancelled or the sheet form could not be read (the document's host
// has been told why), nothing having changed.
bool CreateNewSketch(QWidget* parent, const QString& stdFormsDir, const TPromptCallbacks& prompts);
