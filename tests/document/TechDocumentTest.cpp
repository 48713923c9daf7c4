#include "document/TechDocument.h"
#include "SketchTestSupport.h"
#include "document/FileErrors.h"
#include "document/SketchFiles.h"
#include "document/UnDoObj.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

namespace {

struct RecordingHost : TDocumentHost {
    std::string caption;
    bool canUndo = true, canRedo = true;
    int layouts = 0, invalidations = 0;
    std::vector<std::string> errors;

    void SetCaption(const std::string& c) override { caption = c; }
    void EnableUndoActions(bool u, bool r) override { canUndo = u, canRedo = r; }
    void LayOutView() override { ++layouts; }
    void InvalidateSurface() override { ++invalidations; }
    void ReportError(const std::string& m) override { errors.push_back(m); }
};

class TechDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UndoHistory = std::make_unique<TUnDoObj>();
        doc = std::make_unique<TTechDocument>(&host);
    }
    void TearDown() override {
        doc.reset();
        UndoHistory.reset();
    }
    // A committed drawing operation, as the tools make one.
    void drawOperation(uint8_t colour) {
        UndoHistory->Record(*DocDC);
        doc->Modified = true;
        DocDC->fillRect({0, 0, 3, 3}, gdi::createSolidBrush(SketchPalette[colour]));
    }

    RecordingHost host;
    std::unique_ptr<TTechDocument> doc;
    TempFolder dir;
};

} // namespace

TEST_F(TechDocumentTest, FreshDocumentHasNoSketch) {
    EXPECT_EQ(DocDC, &doc->DC());
    EXPECT_FALSE(doc->FDocBitmap);
    EXPECT_FALSE(DocDC->bitmap());
    EXPECT_EQ(doc->Width, 0);
    EXPECT_EQ(doc->Height, 0);
    EXPECT_EQ(doc->SheetKind, 0);
    EXPECT_TRUE(doc->FileName.empty());
    EXPECT_TRUE(doc->SheetName.empty());
    EXPECT_FALSE(doc->Modified);
    EXPECT_EQ(doc->FillColorValue, 0u);
    EXPECT_EQ(DocDC->bkMode(), gdi::TRANSPARENT);
    doc.reset();
    EXPECT_EQ(DocDC, nullptr);
}

TEST_F(TechDocumentTest, NewSketchIsWhiteAndUntitled) {
    doc->FileName = "/old/name.bmp";
    doc->Modified = true;
    doc->CreateNewDocument(794, 1123);
    ASSERT_TRUE(doc->FDocBitmap);
    EXPECT_EQ(DocDC->bitmap(), doc->FDocBitmap);
    EXPECT_EQ(doc->Width, 794);
    EXPECT_EQ(doc->Height, 1123);
    const std::vector<uint8_t> pixels = indices(*doc->FDocBitmap);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint8_t p) { return p == 15; }));
    EXPECT_TRUE(doc->FileName.empty());
    EXPECT_EQ(host.caption, "Вериграф технолога");
    EXPECT_FALSE(host.canUndo);
    EXPECT_FALSE(host.canRedo);
    EXPECT_FALSE(doc->Modified);
    EXPECT_TRUE(doc->FPalette);

    // A size that cannot be had fails with the message and keeps the sketch shown.
    const gdi::BitmapPtr shown = doc->FDocBitmap;
    try {
        doc->CreateNewDocument(40000, 10);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Can not create FDocBitmap in function CreateNewDocument");
    }
    EXPECT_EQ(doc->FDocBitmap, shown);
    EXPECT_EQ(DocDC->bitmap(), shown);
    EXPECT_EQ(doc->Width, 794);
}

TEST_F(TechDocumentTest, OpeningAFile) {
    const std::string path = dir.path("part 1.ilj");
    SaveSketchImage(patternSketch(30, 20), path);
    doc->CreateNewDocument(10, 10);
    drawOperation(2);
    doc->SheetKind = 2;
    ASSERT_TRUE(doc->LoadFromFile(path));
    EXPECT_EQ(doc->FileName, path);
    EXPECT_EQ(host.caption, "Вериграф технолога - part 1.ilj");
    EXPECT_EQ(doc->Width, 30);
    EXPECT_EQ(doc->Height, 20);
    EXPECT_EQ(DocDC->bitmap(), doc->FDocBitmap);
    EXPECT_EQ(indices(*doc->FDocBitmap), indices(*patternSketch(30, 20)));
    EXPECT_FALSE(doc->FPalette); // a loaded sketch has no palette of its own
    EXPECT_FALSE(doc->Modified);
    EXPECT_FALSE(UndoHistory->CanUndo());
    EXPECT_FALSE(host.canUndo);
    EXPECT_FALSE(host.canRedo);
    EXPECT_EQ(doc->SheetKind, 2); // the caller sets it

    // Files that cannot be read leave everything as it was, silently or with "error".
    drawOperation(3);
    const gdi::BitmapPtr shown = doc->FDocBitmap;
    writeFile(dir.path("picture.png"), readFile(path));
    std::vector<uint8_t> cut = readFile(path);
    cut.resize(cut.size() / 2);
    writeFile(dir.path("cut.ilj"), cut);
    EXPECT_FALSE(doc->LoadFromFile(dir.path("picture.png")));
    EXPECT_FALSE(doc->LoadFromFile(dir.path("missing.bmp")));
    try {
        doc->LoadFromFile(dir.path("cut.ilj"));
        FAIL();
    } catch (const DecompressionError& e) {
        EXPECT_STREQ(e.what(), "error");
    }
    EXPECT_EQ(doc->FDocBitmap, shown);
    EXPECT_EQ(DocDC->bitmap(), shown);
    ASSERT_EQ(host.errors.size(), 2u);
    EXPECT_EQ(host.errors[1],
              "Не удалось открыть файл «" + dir.path("missing.bmp") + "»: файл или папка не найдены.");
    EXPECT_EQ(doc->FileName, path);
    EXPECT_TRUE(doc->Modified);
    EXPECT_TRUE(UndoHistory->CanUndo());
}

TEST_F(TechDocumentTest, SheetFormBecomesAnUntitledSketch) {
    const std::string form = dir.path("konstra4.bmp");
    SaveSketchImage(patternSketch(12, 8), form);
    ASSERT_TRUE(doc->LoadSheetForm(form));
    EXPECT_TRUE(doc->FileName.empty());
    EXPECT_EQ(host.caption, "Вериграф технолога");
    EXPECT_EQ(doc->Width, 12);

    doc->FileName = "/sketches/mine.bmp";
    EXPECT_FALSE(doc->LoadSheetForm(dir.path("missing.bmp")));
    EXPECT_EQ(doc->FileName, "/sketches/mine.bmp");
}

TEST_F(TechDocumentTest, SavingNamesTheDocumentOrReportsTheFailure) {
    doc->CreateNewDocument(20, 10);
    drawOperation(4);
    const std::string path = dir.path("draft.bmp");
    ASSERT_TRUE(doc->SaveToFile(path));
    EXPECT_EQ(doc->FileName, path);
    EXPECT_EQ(host.caption, "Вериграф технолога - draft.bmp");
    EXPECT_FALSE(doc->Modified);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(indices(*LoadSketchImage(path)), indices(*doc->FDocBitmap));

    drawOperation(5);
    std::filesystem::create_directory(dir.path("busy.ilj"));
    EXPECT_FALSE(doc->SaveToFile(dir.path("busy.ilj")));
    EXPECT_FALSE(doc->SaveToFile(dir.path("draft.txt")));
    ASSERT_EQ(host.errors.size(), 2u);
    EXPECT_EQ(host.errors[0].rfind("Не удалось сохранить эскиз в файл «" + dir.path("busy.ilj") + "»: ", 0),
              0u)
        << host.errors[0];
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(doc->FileName, path);
    EXPECT_EQ(host.caption, "Вериграф технолога - draft.bmp");
}

TEST_F(TechDocumentTest, UndoAndRedoThroughTheDocument) {
    doc->CreateNewDocument(8, 6);
    drawOperation(2);
    EXPECT_EQ(doc->FDocBitmap->pixel(0, 0), 2u);
    doc->Undo();
    EXPECT_EQ(doc->FDocBitmap->pixel(0, 0), 15u);
    EXPECT_EQ(DocDC->bitmap(), doc->FDocBitmap);
    EXPECT_FALSE(host.canUndo);
    EXPECT_TRUE(host.canRedo);
    EXPECT_EQ(host.invalidations, 1);
    doc->Redo();
    EXPECT_EQ(doc->FDocBitmap->pixel(0, 0), 2u);
    EXPECT_TRUE(host.canUndo);
    EXPECT_FALSE(host.canRedo);
    doc->Redo(); // nothing to redo: the actions are refreshed all the same
    EXPECT_EQ(host.invalidations, 2);
    EXPECT_TRUE(host.canUndo);
    EXPECT_TRUE(doc->Modified); // undo and redo leave it alone
    EXPECT_EQ(host.layouts, 0);

    // A drawing operation that changes the size, undone: the view is laid out again.
    UndoHistory->Record(*DocDC);
    doc->FDocBitmap = CreateSketchDib(6, 8);
    DocDC->selectBitmap(doc->FDocBitmap);
    doc->SyncSize();
    EXPECT_EQ(host.layouts, 1);
    EXPECT_EQ(doc->Width, 6);
    doc->Undo();
    EXPECT_EQ(host.layouts, 2);
    EXPECT_EQ(doc->Width, 8);
    EXPECT_EQ(doc->Height, 6);
}

namespace {

struct FakePrinter : TPrinterTarget {
    bool canTurn = true;
    int32_t dpi = 600;
    gdi::Size page{4961, 7016};
    std::string title;
    std::vector<std::string> calls;
    gdi::Rect dest;

    void SetTitle(const std::string& t) override { title = t; }
    bool CanChangeOrientation() const override { return canTurn; }
    void SetOrientation(TPrintOrientation o) override {
        calls.push_back(o == TPrintOrientation::Portrait ? "portrait" : "landscape");
        if (o == TPrintOrientation::Landscape) page = {7016, 4961};
    }
    int32_t PixelsPerInchX() const override { return dpi; }
    int32_t PixelsPerInchY() const override { return dpi; }
    gdi::Size PageSize() const override { return page; }
    bool BeginDoc() override {
        calls.push_back("begin");
        return true;
    }
    void StretchBitmap(const gdi::Bitmap& bitmap, const gdi::Rect& source, const gdi::Rect& d) override {
        EXPECT_EQ(source, (gdi::Rect{0, 0, bitmap.width(), bitmap.height()}));
        dest = d;
        calls.push_back("stretch");
    }
    void EndDoc() override { calls.push_back("end"); }
};

} // namespace

TEST_F(TechDocumentTest, PrintingAtPhysicalSizeCentred) {
    doc->CreateNewDocument(794, 1123);
    doc->FileName = "/sketches/вал.ilj";
    doc->SheetKind = 1;
    FakePrinter printer;
    ASSERT_TRUE(doc->Print(printer));
    EXPECT_EQ(printer.title, "Вериграф технологавал.ilj");
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"portrait", "begin", "stretch", "end"}));
    // 794 x 6.25 = 4962.5 rounds to the even 4962; 1123 x 6.25 = 7018.75 to 7019. The
    // offsets halve with truncation toward zero.
    EXPECT_EQ(printer.dest, (gdi::Rect{0, -1, 4962, 7018}));

    FakePrinter landscape;
    doc->SheetKind = 4;
    doc->CreateNewDocument(1123, 794);
    ASSERT_TRUE(doc->Print(landscape));
    EXPECT_EQ(landscape.title, "Вериграф технолога");
    EXPECT_EQ(landscape.calls.front(), "landscape");
    EXPECT_EQ(landscape.dest, (gdi::Rect{-1, 0, 7018, 4962}));

    FakePrinter asItIs;
    asItIs.dpi = 300;
    doc->SheetKind = 5;
    ASSERT_TRUE(doc->Print(asItIs));
    EXPECT_EQ(asItIs.calls.front(), "begin");
    EXPECT_EQ(asItIs.dest, (gdi::Rect{726, 2267, 726 + 3509, 2267 + 2481}));

    FakePrinter noSheet;
    doc->SheetKind = 0;
    EXPECT_FALSE(doc->Print(noSheet));
    EXPECT_TRUE(noSheet.calls.empty());

    FakePrinter fixed;
    fixed.canTurn = false;
    doc->SheetKind = 1;
    EXPECT_FALSE(doc->Print(fixed));
    EXPECT_TRUE(fixed.calls.empty());
}
