#include "tools/draw/SheetChoices.h"

const TSheetChoice* FindSheetChoice(int32_t code) {
    for (const TSheetChoice& choice : SheetChoices)
        if (choice.Code == code) return &choice;
    return nullptr;
}
