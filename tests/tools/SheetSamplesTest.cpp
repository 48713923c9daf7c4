#include "tools/draw/SheetSamples.h"
#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"
#include "gdi/DeviceContext.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The box of the picture's opaque pixels: the page with its frame.
QRect pageBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255) box |= QRect(x, y, 1, 1);
    return box;
}

int countColour(const QImage& image, const QRect& box, QRgb colour) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

const TSheetChoice& choice(int32_t code) {
    return *FindSheetChoice(code);
}

} // namespace

TEST(SheetSamplesTest, FormsAreShrunkInProportionAndKeepTheirLines) {
    QTemporaryDir dir;
    // A wide form: white with a black border one pixel wide.
    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(600, 200));
    dc.fillRect({0, 0, 600, 200}, gdi::stockBlackBrush());
    dc.fillRect({1, 1, 599, 199}, gdi::stockWhiteBrush());
    SaveSketchImage(dc.bitmap(), dir.filePath(QStringLiteral("form8.ilj")).toStdString());

    const QImage sample = MakeSheetSample(choice(7), dir.path());
    ASSERT_EQ(sample.size(), QSize(150, 150));
    const QRect page = pageBox(sample);
    // 148 x 49.3 inside a frame of one pixel, centred.
    EXPECT_EQ(page, QRect(0, 49, 150, 51));
    EXPECT_EQ(qAlpha(sample.pixel(75, 10)), 0);
    // The form's thin border survives the shrinking as a black line inside the frame.
    EXPECT_EQ(countColour(sample, QRect(1, 50, 148, 1), qRgb(0, 0, 0)), 148);
    EXPECT_EQ(sample.pixel(75, 75), qRgb(255, 255, 255));
}

TEST(SheetSamplesTest, BlankAndMissingSheetsAreWhitePagesOfTheirShape) {
    QTemporaryDir empty;
    const QImage upright = MakeSheetSample(choice(3), empty.path());
    // 794 : 1123 is 104.6 : 148.
    EXPECT_EQ(pageBox(upright), QRect(21, 0, 107, 150));
    EXPECT_EQ(countColour(upright, pageBox(upright).adjusted(1, 1, -1, -1), qRgb(255, 255, 255)), 105 * 148);

    const QImage across = MakeSheetSample(choice(4), empty.path());
    EXPECT_EQ(pageBox(across), QRect(0, 21, 150, 107));

    // The any-size sheet carries its size arrows; a missing form its file name.
    const QImage anySize = MakeSheetSample(choice(1), empty.path());
    EXPECT_GT(countColour(anySize, pageBox(anySize), qRgb(0, 0, 0)), 100);
    const QImage missing = MakeSheetSample(choice(2), empty.path());
    EXPECT_EQ(pageBox(missing), pageBox(upright));
    EXPECT_GT(countColour(missing, pageBox(missing).adjusted(1, 1, -1, -1), qRgb(255, 255, 255)), 0);
    EXPECT_NE(missing, upright);
}
