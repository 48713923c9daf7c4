#include "document/TechDocument.h"

#include "document/FileErrors.h"
#include "document/RotatedText.h"
#include "document/SketchFiles.h"
#include "document/TitleBlock.h"
#include "document/UnDoObj.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

std::unique_ptr<TTechDocument> Document;
gdi::DeviceContext* DocDC = nullptr;

namespace {

std::string fileNamePart(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

TTechDocument::TTechDocument(TDocumentHost* host)
    : m_dc(std::make_unique<gdi::DeviceContext>()), m_host(host) {
    m_dc->setBkMode(gdi::TRANSPARENT);
    DocDC = m_dc.get();
}

TTechDocument::~TTechDocument() {
    ReleaseBitmap();
    if (DocDC == m_dc.get()) DocDC = nullptr;
}

void TTechDocument::SetHost(TDocumentHost* host) {
    m_host = host;
}

TDocumentHost& TTechDocument::host() {
    static TDocumentHost none;
    return m_host ? *m_host : none;
}

void TTechDocument::ReleaseBitmap() {
    FPalette.reset();
    if (FDocBitmap) {
        m_dc->selectBitmap(std::move(FOldBitmap));
        FDocBitmap.reset();
        FOldBitmap.reset();
    }
}

void TTechDocument::Adopt(gdi::BitmapPtr bitmap) {
    ReleaseBitmap();
    FDocBitmap = std::move(bitmap);
    Width = FDocBitmap->width();
    Height = FDocBitmap->height();
    FOldBitmap = m_dc->selectBitmap(FDocBitmap);
}

void TTechDocument::CreateNewDocument(int32_t width, int32_t height) {
    // The new bitmap is made before the old one is let go, so that a size that cannot
    // be had leaves the sketch on screen alone.
    gdi::BitmapPtr bitmap = CreateSketchDib(width, height);
    if (!bitmap) throw std::runtime_error("Can not create FDocBitmap in function CreateNewDocument");
    TPalettePtr palette = CreateSketchPalette();
    if (!palette) throw std::runtime_error("Can not create FPalette in function CreateNewDocument");
    Adopt(std::move(bitmap));
    FPalette = std::move(palette);
    m_dc->fillRect({0, 0, Width, Height}, gdi::stockWhiteBrush());
    ResetHistory();
    FileName.clear();
    UpdateCaption();
}

bool TTechDocument::LoadFromFile(const std::string& path) {
    gdi::BitmapPtr bitmap;
    try {
        bitmap = ReadSketchFile(path);
    } catch (const SketchFileError& e) {
        // The sketch stays as it was; the user learns why the file was not opened.
        host().ReportError("Не удалось открыть файл «" + path + "»: " + e.what() + ".");
        return false;
    }
    Adopt(std::move(bitmap));
    ResetHistory();
    FileName = path;
    UpdateCaption();
    return true;
}

bool TTechDocument::LoadSheetForm(const std::string& path) {
    if (!LoadFromFile(path)) return false;
    ResetHistory();
    FileName.clear();
    UpdateCaption();
    return true;
}

bool TTechDocument::SaveToFile(const std::string& path) {
    try {
        SaveSketchImage(FDocBitmap, path);
    } catch (const SketchFileError& e) {
        host().ReportError("Не удалось сохранить эскиз в файл «" + path + "»: " + e.what() + ".");
        return false;
    }
    FileName = path;
    UpdateCaption();
    Modified = false;
    return true;
}

bool TTechDocument::Print(TPrinterTarget& printer) {
    printer.SetTitle(std::string(ProgramTitle) + fileNamePart(FileName));
    if (!printer.CanChangeOrientation()) return false;
    switch (SheetKind) {
    case 1:
    case 3:
        printer.SetOrientation(TPrintOrientation::Portrait);
        break;
    case 2:
    case 4:
        printer.SetOrientation(TPrintOrientation::Landscape);
        break;
    case 5:
        break;
    default:
        return false;
    }
    if (!FDocBitmap) return false;
    const float scaleX = float(printer.PixelsPerInchX()) / float(SketchPixelsPerInch);
    const float scaleY = float(printer.PixelsPerInchY()) / float(SketchPixelsPerInch);
    if (!printer.BeginDoc()) return false;
    const int32_t destW = int32_t(std::nearbyint(double(Width) * double(scaleX)));
    const int32_t destH = int32_t(std::nearbyint(double(Height) * double(scaleY)));
    const gdi::Size page = printer.PageSize();
    const int32_t x = (page.cx - destW) / 2;
    const int32_t y = (page.cy - destH) / 2;
    printer.StretchBitmap(*FDocBitmap, {0, 0, Width, Height}, {x, y, x + destW, y + destH});
    printer.EndDoc();
    return true;
}

void TTechDocument::RecordUndo() {
    if (UndoHistory) UndoHistory->Record(*m_dc);
    Modified = true;
    RefreshUndoActions();
}

void TTechDocument::RefreshUndoActions() {
    host().EnableUndoActions(UndoHistory && UndoHistory->CanUndo(), UndoHistory && UndoHistory->CanRedo());
}

void TTechDocument::Undo() {
    if (UndoHistory && UndoHistory->Undo(*m_dc, FDocBitmap)) {
        SyncSize();
        host().InvalidateSurface();
    }
    RefreshUndoActions();
}

void TTechDocument::Redo() {
    if (UndoHistory && UndoHistory->Redo(*m_dc, FDocBitmap)) {
        SyncSize();
        host().InvalidateSurface();
    }
    RefreshUndoActions();
}

void TTechDocument::SyncSize() {
    // A routine that replaced the DC's bitmap (a turn of the whole sketch) leaves the
    // new one there; saving and printing must find it too.
    FDocBitmap = m_dc->bitmap();
    const gdi::Size size = GetBitmapSize(m_dc->bitmap());
    if (size.cx == Width && size.cy == Height) return;
    Width = size.cx;
    Height = size.cy;
    host().LayOutView();
}

void TTechDocument::FillTitleBlock(const std::string& mapPath, const std::string& textPath) {
    if (!fileExists(mapPath) || !fileExists(textPath)) return;
    const std::vector<TTitleBlockRecord> records = ReadTitleBlockMap(mapPath);
    std::ifstream in(textPath, std::ios::binary);
    if (!in) throw std::system_error(errno, std::generic_category(), textPath);
    TExchangeTextReader reader(in);
    std::string line;
    for (const TTitleBlockRecord& record : records) {
        if (!reader.ReadLine(line)) break;
        if (record.Kind == TitleTextHorizontal)
            DrawRotatedText(*m_dc, record.X, record.Y, line, 0.0f);
        else if (record.Kind == TitleTextUpward)
            DrawRotatedText(*m_dc, record.X, record.Y, line, 1.5707964f);
    }
    host().InvalidateSurface();
}

void TTechDocument::ResetHistory() {
    if (UndoHistory) UndoHistory->Clear();
    host().EnableUndoActions(false, false);
    Modified = false;
}

void TTechDocument::UpdateCaption() {
    std::string caption = ProgramTitle;
    if (!FileName.empty()) caption += " - " + fileNamePart(FileName);
    host().SetCaption(caption);
}
