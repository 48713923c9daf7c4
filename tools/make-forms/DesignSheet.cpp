// The design-document sheet: the frame, the main title block across the bottom, and the
// columns of the binding margin for the archive's records.

#include "FormParts.h"
#include "SheetForms.h"

namespace forms {

SheetForm designSheet(const ValueInk& ink) {
    SheetFormBuilder b("konstra4", ".bmp", px(A4Short), px(A4Long), ink);
    const MmRect frame = frameOf(A4Short, A4Long);
    drawFrame(b, frame);

    // The title block: 185 x 55 mm, which on A4 is the frame's whole width.
    const double top = frame.bottom - 55, left = frame.left, right = frame.right;
    const double middle = left + 65, name = middle + 70; // the columns of the name and of "Лит."
    b.hline(top, left, right, Stroke::Thick);
    b.vline(middle, top, frame.bottom, Stroke::Thick);
    b.hline(top + 15, middle, right, Stroke::Thick);
    b.hline(top + 40, middle, right, Stroke::Thick);
    b.vline(name, top + 15, frame.bottom, Stroke::Thick);

    b.field("Обозначение документа", {middle, top, right, top + 15}, TitleTextHorizontal,
            {.leadMm = 10, .minChars = 30});
    // The name takes two lines in its 25 mm.
    b.field("Наименование изделия, строка 1", {middle, top + 15, name, top + 27.5}, TitleTextHorizontal,
            {.minChars = 25});
    b.field("Наименование изделия, строка 2", {middle, top + 27.5, name, top + 40}, TitleTextHorizontal,
            {.minChars = 25});
    b.field("Материал", {middle, top + 40, name, frame.bottom}, TitleTextHorizontal, {.minChars = 25});
    b.field("Организация", {name, top + 40, right, frame.bottom}, TitleTextHorizontal, {.minChars = 18});

    // "Лит." (three cells), "Масса", "Масштаб"; under them "Лист" and "Листов".
    const double mass = name + 15, scale = mass + 17, sheets = name + 20;
    b.hline(top + 20, name, right);
    b.vline(mass, top + 15, top + 35, Stroke::Thick);
    b.vline(scale, top + 15, top + 35, Stroke::Thick);
    b.vline(name + 5, top + 20, top + 35);
    b.vline(name + 10, top + 20, top + 35);
    b.hline(top + 35, name, right, Stroke::Thick);
    b.vline(sheets, top + 35, top + 40, Stroke::Thick);
    b.label("Лит.", {name, top + 15, mass, top + 20});
    b.label("Масса", {mass, top + 15, scale, top + 20});
    b.label("Масштаб", {scale, top + 15, right, top + 20});
    for (int i = 0; i < 3; ++i)
        b.field("Лит. " + std::to_string(i + 1), {name + 5.0 * i, top + 20, name + 5.0 * (i + 1), top + 35});
    b.field("Масса", {mass, top + 20, scale, top + 35}, TitleTextHorizontal, {.minChars = 6});
    b.field("Масштаб", {scale, top + 20, right, top + 35}, TitleTextHorizontal, {.minChars = 6});
    // "Лист" and "Листов" share their cells with the value written after them.
    b.label("Лист", {name, top + 35, name + 8.5, top + 40}, {.align = LabelStyle::Align::Left});
    b.field("Лист", {name + 8.5, top + 35, sheets, top + 40}, TitleTextHorizontal, {.minChars = 3});
    b.label("Листов", {sheets, top + 35, sheets + 12, top + 40}, {.align = LabelStyle::Align::Left});
    b.field("Листов", {sheets + 12, top + 35, right, top + 40}, TitleTextHorizontal, {.minChars = 3});

    // Changes above, the people who sign below; the row of column labels between heavy
    // rules, the columns heavy throughout.
    changeRows(b, top, 4, false, Stroke::Thick);
    b.hline(top + 20, left, middle, Stroke::Thick);
    b.hline(top + 25, left, middle, Stroke::Thick);
    roleRows(b, top + 25, {"Разраб.", "Пров.", "Т.контр.", "", "Н.контр.", "Утв."}, Stroke::Thick);

    // The binding margin: first use and reference number at the top, the archive's
    // records above the title block.
    marginColumn(b, frame.top, frame.top + 60, "Перв. примен.", "Перв. примен.");
    marginColumn(b, frame.top + 60, frame.top + 120, "Справ. №", "Справ. №");
    marginColumn(b, frame.bottom - 25, frame.bottom, "Инв. № подл.", "Инв. № подл.");
    marginColumn(b, frame.bottom - 60, frame.bottom - 25, "Подп. и дата", "Подп. и дата (подлинника)");
    marginColumn(b, frame.bottom - 85, frame.bottom - 60, "Взам. инв. №", "Взам. инв. №");
    marginColumn(b, frame.bottom - 110, frame.bottom - 85, "Инв. № дубл.", "Инв. № дубл.");
    marginColumn(b, frame.bottom - 145, frame.bottom - 110, "Подп. и дата", "Подп. и дата (дубликата)");

    b.label("Копировал", {middle, frame.bottom, name, A4Long});
    b.label("Формат А4", {name, frame.bottom, right, A4Long}, {.align = LabelStyle::Align::Right});
    return b.finish();
}

} // namespace forms
