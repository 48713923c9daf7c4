#include "FormParts.h"

namespace forms {

namespace {

constexpr double Row = 5;
constexpr double FrameLeft = 20;
// Column edges of the tables of changes and of signatures.
constexpr double ChangeNumberRight = 27;
constexpr double SheetRight = 37;
constexpr double DocumentRight = 60;
constexpr double SignatureRight = 72;
constexpr double DateRight = 85;

} // namespace

MmRect frameOf(double widthMm, double heightMm) {
    return {20, 5, widthMm - 5, heightMm - 5};
}

void drawFrame(SheetFormBuilder& b, const MmRect& frame) {
    b.box(frame, Stroke::Thick);
}

void formCaption(SheetFormBuilder& b, const MmRect& frame, const std::string& text) {
    b.label(text, {frame.right - 120, 0, frame.right, frame.top}, {.align = LabelStyle::Align::Right});
}

void copiesTable(SheetFormBuilder& b, double left, double top, double width) {
    const double labelRight = left + 15, right = left + width;
    int row = 0;
    for (const char* name : {"Дубл.", "Взам.", "Подл."}) {
        const double y = top + Row * row++;
        if (row > 1) b.hline(y, left, right);
        b.label(name, {left, y, labelRight, y + Row}, {.align = LabelStyle::Align::Left});
        b.field(name, {labelRight, y, right, y + Row}, TitleTextHorizontal, {.minChars = 12});
    }
    b.vline(labelRight, top, top + 3 * Row);
    b.vline(right, top, top + 3 * Row, Stroke::Thick);
    b.hline(top + 3 * Row, left, right, Stroke::Thick);
}

void changeRows(SheetFormBuilder& b, double top, int dataRows, bool fillFirst, Stroke columns) {
    const double labels = top + Row * dataRows, bottom = labels + Row;
    for (int row = 1; row <= dataRows; ++row)
        b.hline(top + Row * row, FrameLeft, DateRight);
    for (double x : {ChangeNumberRight, SheetRight, DocumentRight, SignatureRight})
        b.vline(x, top, bottom, columns);
    const double edges[] = {FrameLeft,     ChangeNumberRight, SheetRight,
                            DocumentRight, SignatureRight,    DateRight};
    const char* names[] = {"Изм.", "Лист", "№ докум.", "Подп.", "Дата"};
    for (int i = 0; i < 5; ++i)
        b.label(names[i], {edges[i], labels, edges[i + 1], bottom});
    if (!fillFirst) return;
    const char* fields[] = {"Изм.", "Изм.: лист", "Изм.: № докум.", nullptr, "Изм.: дата"};
    const int32_t least[] = {1, 2, 8, 0, 5};
    for (int i = 0; i < 5; ++i)
        if (fields[i])
            b.field(fields[i], {edges[i], top, edges[i + 1], top + Row}, TitleTextHorizontal,
                    {.minChars = least[i]});
}

void roleRows(SheetFormBuilder& b, double top, const std::vector<std::string>& roles, Stroke columns) {
    const double bottom = top + Row * double(roles.size());
    for (double x : {SheetRight, DocumentRight, SignatureRight})
        b.vline(x, top, bottom, columns);
    for (size_t i = 0; i < roles.size(); ++i) {
        const double y = top + Row * double(i);
        if (i > 0) b.hline(y, FrameLeft, DateRight);
        if (roles[i].empty()) continue;
        b.label(roles[i], {FrameLeft, y, SheetRight, y + Row}, {.align = LabelStyle::Align::Left});
        b.field(roles[i] + ": фамилия", {SheetRight, y, DocumentRight, y + Row}, TitleTextHorizontal,
                {.minChars = 9});
        b.field(roles[i] + ": дата", {SignatureRight, y, DateRight, y + Row}, TitleTextHorizontal,
                {.minChars = 5});
    }
}

void labelledField(SheetFormBuilder& b, const MmRect& area, const std::string& label,
                   const std::string& field, FieldStyle style) {
    b.hline(area.top + Row, area.left, area.right);
    b.label(label, {area.left, area.top, area.right, area.top + Row});
    b.field(field, {area.left, area.top + Row, area.right, area.bottom}, TitleTextHorizontal, style);
}

void marginColumn(SheetFormBuilder& b, double top, double bottom, const std::string& label,
                  const std::string& field) {
    constexpr double Outer = 8, Divider = 13;
    b.vline(Outer, top, bottom, Stroke::Thick);
    b.vline(Divider, top, bottom);
    b.hline(top, Outer, FrameLeft, Stroke::Thick);
    b.hline(bottom, Outer, FrameLeft, Stroke::Thick);
    b.label(label, {Outer, top, Divider, bottom}, {.upward = true});
    b.field(field, {Divider, top, FrameLeft, bottom}, TitleTextUpward, {.minChars = 8});
}

void documentCode(SheetFormBuilder& b, const MmRect& cell, const std::string& code) {
    b.label(code, cell, {.height = -24});
}

} // namespace forms
