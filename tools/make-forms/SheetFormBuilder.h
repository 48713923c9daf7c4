#pragma once
// Draws a sheet form from a description in millimetres: rules, printed labels and the
// fields of the title block. Rules are drawn first, so that each field and label finds
// the cell it sits in from the rules around it; then the labels, centred by their ink;
// last the fields get their map records.
//
// Anything that does not fit (a label running into a rule, a field too small for the
// characters asked of it) stops the build with a message naming it.

#include "SheetForm.h"
#include "SheetGeometry.h"
#include "TextInk.h"

#include <string>
#include <vector>

namespace forms {

struct LabelStyle {
    enum class Align { Centre, Left, Right };
    int32_t height = -10; // character height in pixels, negated as fonts take it
    Align align = Align::Centre;
    bool upward = false; // turned a quarter, reading bottom to top
};

struct FieldStyle {
    double leadMm = 0;    // white before the first character, when more than a hair
    int32_t minChars = 1; // the build fails when fewer fit
};

class SheetFormBuilder {
  public:
    SheetFormBuilder(std::string name, std::string extension, int32_t width, int32_t height,
                     const ValueInk& ink);

    void hline(double y, double x1, double x2, Stroke stroke = Stroke::Thin);
    void vline(double x, double y1, double y2, Stroke stroke = Stroke::Thin);
    void box(const MmRect& r, Stroke stroke);
    // A label centred (or set to one side) in the part of `area` its cell covers.
    void label(std::string text, const MmRect& area, LabelStyle style = {});
    // A field: the part of `area` its cell covers. Fields are numbered in the order
    // they are added.
    void field(std::string name, const MmRect& area, TTitleBlockKind kind = TitleTextHorizontal,
               FieldStyle style = {});

    SheetForm finish();

  private:
    struct Rule {
        bool horizontal;
        double at, from, to; // millimetres
        Stroke stroke;
    };
    struct Label {
        std::string text;
        MmRect area;
        LabelStyle style;
    };
    struct Field {
        std::string name;
        MmRect area;
        TTitleBlockKind kind;
        FieldStyle style;
    };

    void drawRule(const Rule& rule);
    int32_t reachBeyond(const Rule& rule, double end) const;
    gdi::Rect cellOf(const MmRect& area, const std::string& what) const;
    void drawLabel(const Label& label);
    FormField placeField(const Field& field) const;
    [[noreturn]] void fail(const std::string& what, const std::string& why) const;

    std::string m_name;
    std::string m_extension;
    const ValueInk& m_ink;
    gdi::BitmapPtr m_picture;
    gdi::BitmapPtr m_rulesOnly;
    std::vector<Rule> m_rules;
    std::vector<Label> m_labels;
    std::vector<Field> m_fields;
};

} // namespace forms
