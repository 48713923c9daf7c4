// Process sketch cards, A4 across. The first sheet of a card carries the whole title
// block (organisation, product, document, operation, the people who sign); following
// sheets only what finds the sheet again. Two arrangements: the title block across the
// bottom of the sheet, and a head across its top with the changes at the bottom.

#include "FormParts.h"
#include "SheetForms.h"

namespace forms {

namespace {

constexpr double Row = 5;
constexpr double TablesRight = 85; // right edge of the tables of changes and signatures
constexpr double DataRight = 235;  // right edge of the product and document fields
constexpr double CodeLeft = 275;   // the cell of the document kind's code
const char* const CardCode = "КЭ";

struct Card {
    SheetFormBuilder b;
    MmRect frame;
};

Card startCard(const char* name, const char* extension, const char* caption, const ValueInk& ink) {
    Card card{SheetFormBuilder(name, extension, px(A4Long), px(A4Short), ink), frameOf(A4Long, A4Short)};
    drawFrame(card.b, card.frame);
    formCaption(card.b, card.frame, caption);
    return card;
}

// Two labelled fields side by side over [left, right), split at `split`.
void labelledPair(SheetFormBuilder& b, double top, double bottom, double left, double split, double right,
                  const std::string& first, const std::string& second, int32_t firstChars = 10,
                  int32_t secondChars = 10) {
    b.vline(split, top, bottom);
    labelledField(b, {left, top, split, bottom}, first, first, {.minChars = firstChars});
    labelledField(b, {split, top, right, bottom}, second, second, {.minChars = secondChars});
}

// The changes at the bottom left: two rows of changes and their labels.
void changesAtBottom(Card& card) {
    const double top = card.frame.bottom - 3 * Row;
    card.b.hline(top, card.frame.left, TablesRight, Stroke::Thick);
    card.b.vline(TablesRight, top, card.frame.bottom, Stroke::Thick);
    changeRows(card.b, top, 2, true);
}

} // namespace

SheetForm sketchCardFirst(const ValueInk& ink) {
    Card card = startCard("3.1105-f7", ".bmp", "ГОСТ 3.1105-84   Форма 7", ink);
    SheetFormBuilder& b = card.b;
    const MmRect& f = card.frame;
    copiesTable(b, f.left, f.top, 55);

    // The title block: 35 mm across the whole bottom.
    const double top = f.bottom - 35;
    b.hline(top, f.left, f.right, Stroke::Thick);
    b.vline(TablesRight, top, f.bottom, Stroke::Thick);
    b.vline(DataRight, top, f.bottom, Stroke::Thick);
    b.vline(CodeLeft, top, f.bottom, Stroke::Thick);

    // The product and the document.
    const double split = 150;
    b.hline(top + 15, TablesRight, DataRight);
    labelledPair(b, top, top + 15, TablesRight, split, DataRight, "Организация", "Обозначение изделия", 14,
                 20);
    b.hline(top + 25, TablesRight, DataRight);
    labelledField(b, {TablesRight, top + 15, DataRight, top + 25}, "Наименование изделия",
                  "Наименование изделия", {.minChars = 50});
    labelledPair(b, top + 25, f.bottom, TablesRight, split, DataRight, "Обозначение документа", "Операция",
                 14, 20);

    // Sheets, then where the operation is done.
    const double mid = 255;
    b.hline(top + 15, DataRight, CodeLeft);
    b.hline(top + 25, DataRight, CodeLeft);
    labelledPair(b, top, top + 15, DataRight, mid, CodeLeft, "Лист", "Листов", 3, 3);
    labelledPair(b, top + 15, top + 25, DataRight, mid, CodeLeft, "Цех", "Участок", 4, 4);
    labelledPair(b, top + 25, f.bottom, DataRight, mid, CodeLeft, "РМ", "Опер.", 4, 4);
    documentCode(b, {CodeLeft, top, f.right, f.bottom}, CardCode);

    // One row of changes, then the people who sign.
    changeRows(b, top, 1, true);
    b.hline(top + 2 * Row, f.left, TablesRight, Stroke::Thick);
    roleRows(b, top + 2 * Row, {"Разраб.", "Пров.", "Нормир.", "Утв.", "Н.контр."});

    marginColumn(b, f.bottom - 25, f.bottom, "Инв. № подл.", "Инв. № подл.");
    marginColumn(b, f.bottom - 60, f.bottom - 25, "Подп. и дата", "Подп. и дата");
    marginColumn(b, f.bottom - 85, f.bottom - 60, "Взам. инв. №", "Взам. инв. №");
    return b.finish();
}

SheetForm sketchCardNext(const ValueInk& ink) {
    Card card = startCard("3.1105-f7a", ".bmp", "ГОСТ 3.1105-84   Форма 7а", ink);
    SheetFormBuilder& b = card.b;
    const MmRect& f = card.frame;
    copiesTable(b, f.left, f.top, 55);

    const double top = f.bottom - 3 * Row;
    b.hline(top, f.left, f.right, Stroke::Thick);
    b.vline(DataRight, top, f.bottom, Stroke::Thick);
    b.vline(CodeLeft, top, f.bottom, Stroke::Thick);
    labelledPair(b, top, f.bottom, TablesRight, 160, DataRight, "Обозначение изделия",
                 "Обозначение документа", 20, 20);
    labelledPair(b, top, f.bottom, DataRight, 255, CodeLeft, "Лист", "Опер.", 3, 4);
    documentCode(b, {CodeLeft, top, f.right, f.bottom}, CardCode);
    changesAtBottom(card);

    marginColumn(b, f.bottom - 25, f.bottom, "Инв. № подл.", "Инв. № подл.");
    return b.finish();
}

SheetForm headedCardFirst(const ValueInk& ink) {
    Card card = startCard("form8", ".ilj", "Форма 8", ink);
    SheetFormBuilder& b = card.b;
    const MmRect& f = card.frame;

    // The head: 35 mm across the top.
    const double bottom = f.top + 35;
    b.hline(bottom, f.left, f.right, Stroke::Thick);
    b.vline(TablesRight, f.top, bottom, Stroke::Thick);
    b.vline(DataRight, f.top, bottom, Stroke::Thick);
    b.hline(f.top + 15, TablesRight, f.right, Stroke::Thick);
    copiesTable(b, f.left, f.top, TablesRight - f.left);

    const double split = 150;
    labelledPair(b, f.top, f.top + 15, TablesRight, split, DataRight, "Организация", "Обозначение документа",
                 14, 20);
    b.vline(CodeLeft, f.top, f.top + 15, Stroke::Thick);
    labelledPair(b, f.top, f.top + 15, DataRight, 255, CodeLeft, "Лист", "Листов", 3, 3);
    documentCode(b, {CodeLeft, f.top, f.right, f.top + 15}, CardCode);

    b.hline(f.top + 25, TablesRight, f.right);
    labelledPair(b, f.top + 15, f.top + 25, TablesRight, split, DataRight, "Обозначение изделия",
                 "Наименование изделия", 14, 20);
    labelledField(b, {TablesRight, f.top + 25, DataRight, bottom}, "Наименование операции",
                  "Наименование операции", {.minChars = 50});
    // Where the operation is done, and the material.
    const double shop[] = {DataRight, 249, 263, 277, f.right};
    const char* place[] = {"Цех", "Уч.", "РМ", "Опер."};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) b.vline(shop[i], f.top + 15, f.top + 25);
        labelledField(b, {shop[i], f.top + 15, shop[i + 1], f.top + 25}, place[i], place[i], {.minChars = 4});
    }
    labelledField(b, {DataRight, f.top + 25, f.right, bottom}, "Материал", "Материал", {.minChars = 18});

    b.hline(f.top + 3 * Row, f.left, TablesRight, Stroke::Thick);
    roleRows(b, f.top + 3 * Row, {"Разраб.", "Пров.", "Утв.", "Н.контр."});
    changesAtBottom(card);

    marginColumn(b, f.bottom - 25, f.bottom, "Инв. № подл.", "Инв. № подл.");
    marginColumn(b, f.bottom - 60, f.bottom - 25, "Подп. и дата", "Подп. и дата");
    return b.finish();
}

SheetForm headedCardNext(const ValueInk& ink) {
    Card card = startCard("form8a", ".ilj", "Форма 8а", ink);
    SheetFormBuilder& b = card.b;
    const MmRect& f = card.frame;

    const double bottom = f.top + 15;
    b.hline(bottom, f.left, f.right, Stroke::Thick);
    b.vline(DataRight, f.top, bottom, Stroke::Thick);
    b.vline(CodeLeft, f.top, bottom, Stroke::Thick);
    copiesTable(b, f.left, f.top, TablesRight - f.left);
    labelledPair(b, f.top, bottom, TablesRight, 160, DataRight, "Обозначение документа",
                 "Обозначение изделия", 20, 20);
    labelledPair(b, f.top, bottom, DataRight, 255, CodeLeft, "Лист", "Опер.", 3, 4);
    documentCode(b, {CodeLeft, f.top, f.right, bottom}, CardCode);
    changesAtBottom(card);

    marginColumn(b, f.bottom - 25, f.bottom, "Инв. № подл.", "Инв. № подл.");
    return b.finish();
}

std::vector<SheetForm> allSheetForms(const ValueInk& ink) {
    std::vector<SheetForm> forms;
    forms.push_back(designSheet(ink));
    forms.push_back(sketchCardFirst(ink));
    forms.push_back(sketchCardNext(ink));
    forms.push_back(headedCardFirst(ink));
    forms.push_back(headedCardNext(ink));
    return forms;
}

} // namespace forms
