// Every mark the window offers, stamped once on the harness and compared with its
// strokes replayed straight through the raster layer from their description in
// millimetres; and the face the mark lettering is drawn with.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/annotation/Mark.h"
#include "tools/annotation/MarkForm.h"
#include "tools/annotation/MarkRenderer.h"
#include "tools/base/BitmapImage.h"

#include "document/Geometry.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include "gdi/FontMapper.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr long double PxPerMm = 3.7824L;

// One kind's strokes: M x,y moves, L x,y draws, C x,y,d is a circle of diameter d,
// A x,y,r,a,b an arc counter-clockwise from angle a to angle b; W n sets the pen width
// and F draws in the upright frame whatever the mark's direction.
struct TStrokes {
    int32_t Kind;
    const char* Steps;
};

const char* const V = "M0,0 L5,2.5 M0,0 L5,-2.5 ";
const std::string FixedSupport = std::string(V) + "M5,-5 L5,5 ";
const std::string Side = "M-3,0 L-5,0 M3,0 L5,0 ";
const std::string Cross = "M0,-3 L0,-5 M0,3 L0,5 ";
const std::string Floating = "A0,0,3,1.5707963267948966,-1.64061 ";
const std::string Mandrel = "M0,0 L5,2.5 L5,5 M0,0 L5,-2.5 L5,-5 ";
const std::string Tick = "M10,5 L0,0 L5,-2.5 ";

const std::vector<std::pair<int32_t, std::string>> Strokes{
    {111, FixedSupport},
    {112, "C0,0,6 C0,0,1"},
    {113, "C0,0,6"},
    {121, FixedSupport + "M6,-5 L6,5"},
    {122, "C0,0,6 C0,0,1 " + Side},
    {123, "C0,0,6 " + Side},
    {131, FixedSupport + Floating},
    {132, "C0,0,6 C0,0,1 " + Side + Cross},
    {133, "C0,0,6 " + Side + Cross},
    {141, FixedSupport + "M5,0 L10,0"},
    {142, "C0,0,6 C0,0,5 C0,0,1 M3,0 L7,0"},
    {143, "C0,0,6 M3,0 L7,0"},
    {211, "M0,0 L3,-1.5 L3,1.5 L0,0 M3,0 L10,0"},
    {212, "C0,0,3 M-1,0 L1,0 M0,-1 L0,1"},
    {213, "C0,0,3 C0,0,1"},
    {311, V},
    {321, std::string(V) + "C3,0,2.5"},
    {331, std::string(V) + Floating},
    {341, Mandrel},
    {351, Mandrel + "C3,0,2.5"},
    {361, "F M-5,-1 L5,-1 M0,-1 L0,-11 L-3,-11"},
    {411, "W2 M1,-1.5 L1,1.5"},
    {421, "A2.5,0,1.5,-1.5707963267948966,1.39626"},
    {431, "C1.5,0,3"},
    {441, "M1,-1.5 L1,1.5 M4,-3 L1,-1.5 M4,3 L1,1.5"},
    {451, "M0,0 L3,-1.5 M0,0 L3,1.5"},
    {461, "M0,0 L3,-1.5 L6,0 L3,1.5 L0,0"},
    {471, "M0,0 L3,-1.5 L3,1.5 L0,0"},
    {2, Tick},
    {6, "M5,2.5 L0,0 M5,-2.5 L0,0 M4.4,2.2 L4.4,-2.2 M10,0 L4.4,0"},
    {8, Tick + "C3.3,0,2.8"},
    {16, "M0,0 L3,-1.5 L1.5,-3 M0,0 L3,1.5 L1.5,3"},
    {20, "M10,2.5 L0,0 L10,-2.5 L10,2.5"},
    {21, "F M5,-10 L0,0 L-2.5,-5 M13,-10 L8,0 L5.5,-5 A8,-1.3,5.3,0.523599,-0.523599 "
         "A8,-1.3,5.3,3.66519,2.61799"},
    {22, "W3 M10,0 L0,0 M5,2.5 L0,0 M5,-2.5 L0,0 M-0.6,-7.5 L-0.6,7.5"},
};

// Replays steps at origin in the frame turned to (c, s), in black.
void replay(gdi::DeviceContext& dc, const std::string& steps, gdi::Point origin, float c, float s) {
    std::istringstream in(steps);
    std::string word;
    int width = 1;
    std::vector<std::string> words;
    while (in >> word) {
        if (word == "F") {
            c = 1;
            s = 0;
        } else if (word[0] == 'W') {
            width = std::stoi(word.substr(1));
        } else {
            words.push_back(word);
        }
    }
    gdi::PenPtr oldPen = dc.selectPen(gdi::createPen(gdi::PS_SOLID, width, 0));
    gdi::BrushPtr oldBrush = dc.selectBrush(gdi::stockNullBrush());
    auto px = [&](long double x, long double y) {
        return gdi::Point{origin.x + int32_t(std::nearbyint((x * c - y * s) * PxPerMm)),
                          origin.y + int32_t(std::nearbyint((x * s + y * c) * PxPerMm))};
    };
    for (const std::string& w : words) {
        std::vector<long double> n;
        std::istringstream numbers(w.substr(1));
        for (std::string part; std::getline(numbers, part, ',');)
            n.push_back(std::stold(part));
        const gdi::Point p = px(n[0], n[1]);
        if (w[0] == 'M') dc.moveTo(p.x, p.y);
        if (w[0] == 'L') dc.lineTo(p.x, p.y);
        if (w[0] == 'C') {
            const int32_t h = int32_t(std::nearbyint(n[2] * PxPerMm / 2));
            dc.ellipse(p.x - h, p.y - h, p.x + h, p.y + h);
        }
        if (w[0] == 'A') {
            const float r = float(n[2] * PxPerMm);
            const int32_t j = int32_t(std::nearbyint(r));
            auto at = [&](long double angle) {
                const long double x = r * std::cos(double(angle)), y = r * std::sin(double(angle));
                return gdi::Point{p.x + int32_t(std::nearbyint(x * c - y * s)),
                                  p.y + int32_t(std::nearbyint(x * s + y * c))};
            };
            const gdi::Point a = at(n[3]), b = at(n[4]);
            dc.arc(p.x - j, p.y - j, p.x + j, p.y + j, a.x, a.y, b.x, b.y);
        }
    }
    dc.selectBrush(oldBrush);
    dc.selectPen(oldPen);
}

TEST(MarkKinds, EveryKindStampsItsStrokesTurnedWithTheMark) {
    ASSERT_EQ(Strokes.size(), 35u); // all but the two callouts
    for (const auto& [kind, steps] : Strokes) {
        SCOPED_TRACE(kind);
        TToolHarness harness;
        auto& mark = harness.Select<TMark>();
        TSketchReference expected;
        mark.SelectKind(kind);
        // Towards the lower left: every stroke turned off both axes.
        mark.Direction = 2;
        PointerEnter({100, 75});
        PointerMove({100, 75});
        const bool asks = kind == 2 || kind == 21;
        ModalScript script({[](QWidget* dialog) { child<QPushButton>(dialog, "OKButton")->click(); }});
        Click({100, 75});
        EXPECT_EQ(script.StepsDone(), asks ? 1u : 0u);
        replay(expected.DC(), steps, {100, 75}, -0.70710677f, 0.70710677f);
        EXPECT_EQ(expected.FirstDifference(), "");
        EXPECT_EQ(UndoHistory->StoredCount, 1);
    }
}

// The part of an image that is not white.
QImage inked(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ink |= QRect(x, y, 1, 1);
    return image.copy(ink);
}

TEST(MarkKinds, TheWindowOffersEveryKindWithItsPicture) {
    TToolHarness harness;
    SelectTool(ToolClass<TMark>, nullptr, DialogClass<TMarkForm>);
    auto& form = dynamic_cast<TMarkForm&>(*CurrentDialog);
    EXPECT_EQ(form.USTDActionList.size(), 28u);
    EXPECT_EQ(form.OtherActionList.size(), 9u);
    for (const auto& [kind, steps] : Strokes) {
        SCOPED_TRACE(kind);
        QAction* action = form.ActionOf(kind);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->icon().isNull());
        // The button shows the mark as it is stamped, upright and whole.
        gdi::DeviceContext dc;
        dc.selectBitmap(gdi::Bitmap::create(160, 160, 32));
        dc.fillRect({0, 0, 160, 160}, gdi::createSolidBrush(0xFFFFFF));
        replay(dc, steps, {80, 80}, 0, -1);
        const QImage picture = MarkPicture(kind);
        EXPECT_GE(picture.width(), 44);
        EXPECT_EQ(inked(picture), inked(ImageOfBitmap(dc.bitmap())));
    }
}

TEST(MarkFont, AFaceNameOfNoFontGetsTheInstalledSerif) {
    gdi::LogFont log;
    log.height = -16;
    log.pitchAndFamily = 16;
    log.faceName = MarkFontFace;
    const auto face = gdi::FontMapper::instance().match(log);
    ASSERT_TRUE(face);
    // fonts-dejavu-core, which the installation requires, and the serif fontconfig
    // ranks first.
    EXPECT_EQ(face->family, "DejaVu Serif");
    EXPECT_EQ(face->path, "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");

    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(10, 10, 32));
    SetMarkFont(dc, -90);
    EXPECT_EQ(dc.font()->log().escapement, -900);
    EXPECT_EQ(dc.font()->log().orientation, -900);
    EXPECT_EQ(dc.font()->log().faceName, MarkFontFace);
    EXPECT_EQ(dc.textMetrics().height, dc.textExtent("A").cy);
}

} // namespace
