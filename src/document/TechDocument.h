#pragma once
// The one open sketch: its bitmap selected into the document DC, and the facts that go
// with it. Every tool draws into the sketch through DocDC.

#include "document/DocumentHost.h"
#include "document/PrinterTarget.h"
#include "document/SketchBitmap.h"
#include "gdi/DeviceContext.h"

#include <cstdint>
#include <memory>
#include <string>

// The program's name: caption of the main window and of its message boxes.
inline constexpr const char* ProgramTitle = "Вериграф технолога";

class TTechDocument {
  public:
    explicit TTechDocument(TDocumentHost* host = nullptr);
    ~TTechDocument();
    TTechDocument(const TTechDocument&) = delete;
    TTechDocument& operator=(const TTechDocument&) = delete;

    void SetHost(TDocumentHost* host);

    // A blank white sketch. Throws std::runtime_error when the bitmap cannot be made;
    // the sketch shown before stays then.
    void CreateNewDocument(int32_t width, int32_t height);
    // Makes the sketch in a .bmp or .ilj file the document. False, changing nothing,
    // when the file cannot be read (the host is told why); a damaged compressed stream
    // throws DecompressionError, also changing nothing.
    bool LoadFromFile(const std::string& path);
    // A sheet form becomes a new, untitled sketch.
    bool LoadSheetForm(const std::string& path);
    // Writes the sketch in the format of the extension. On success the document takes
    // the path as its name and is no longer modified; a failure is reported to the
    // host and leaves Modified as it was.
    bool SaveToFile(const std::string& path);
    // Prints the sketch at its physical size, centred on one page. False when no job
    // was produced (no usable sheet kind, a printer that cannot turn the page).
    bool Print(TPrinterTarget& printer);
    // The whole sketch into the undo history before something draws into it: the sketch
    // is modified from then on, and the host hears once what Undo and Redo can do.
    void RecordUndo();
    void Undo();
    void Redo();
    // Takes the bitmap in the DC as the sketch's, and its size, laying the view out again
    // when the size changed.
    void SyncSize();
    // Writes the exchange values into the title block at the places the map gives.
    void FillTitleBlock(const std::string& mapPath, const std::string& textPath);
    void ResetHistory();
    void UpdateCaption();
    void ReleaseBitmap();

    gdi::DeviceContext& DC() { return *m_dc; }

    gdi::BitmapPtr FDocBitmap;
    // Full path of the file the sketch came from; empty for a new sketch.
    std::string FileName;
    // 0 no sheet yet; 1 and 3 portrait; 2 and 4 landscape; 5 free size or opened file.
    uint8_t SheetKind = 0;
    int32_t Height = 0;
    int32_t Width = 0;
    // Base name of the sheet form the sketch was made from; names its title-block map.
    std::string SheetName;
    bool Modified = false;
    gdi::BitmapPtr FOldBitmap;
    // Kept only for sketches made here; our DCs map colours through the bitmap's own
    // colour table, so it is never selected anywhere.
    TPalettePtr FPalette;
    gdi::COLORREF FillColorValue = 0;

  private:
    void RefreshUndoActions();
    TDocumentHost& host();
    void Adopt(gdi::BitmapPtr bitmap);

    std::unique_ptr<gdi::DeviceContext> m_dc;
    TDocumentHost* m_host = nullptr;
};

// The document of the run and its DC (the same DC as Document->DC()).
extern std::unique_ptr<TTechDocument> Document;
extern gdi::DeviceContext* DocDC;
