// Opening the block library over a folder of 200 blocks: every file read, its thumbnail
// drawn through the raster layer, and the window painted once. Beside it the same 200
// files only read, and the same 200 thumbnails drawn by Qt's own painter, so that the
// price of the raster layer and of the window can be told apart.

#include "tools/blocks/BlockLibForm.h"

#include "blocks/BlockObject.h"
#include "document/Folders.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int BlockCount = 200;

// A part outline of a typical block's size: a 24-sided ring with spokes, 36 segments.
TBlockObject typicalBlock(int n) {
    TBlockObject block;
    const float radius = 30.0f + float(n % 40);
    for (int i = 0; i < 24; ++i) {
        const float a = float(i) * 6.2831853f / 24.0f;
        block.AddPoint({radius * std::cos(a), radius * std::sin(a)});
    }
    for (int i = 0; i < 24; ++i)
        block.AddSegment(i, (i + 1) % 24, 0, 1);
    for (int i = 0; i < 12; ++i)
        block.AddSegment(i, i + 12, i % 2 ? 3 : 0, 1);
    return block;
}

QApplication& application() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tools-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// The folder of 200 blocks, made once, set as the program's blocks folder.
struct TLibrary {
    TLibrary() {
        QDir(root.path()).mkdir(QStringLiteral("Blocks"));
        SetInstallationFolders(root.path().toStdString());
        for (int i = 0; i < BlockCount; ++i) {
            const std::string path = BlocksDir + "блок " + std::to_string(1000 + i) + ".blk";
            typicalBlock(i).SaveToFile(path);
            paths.push_back(path);
        }
    }
    QTemporaryDir root;
    std::vector<std::string> paths;
};

TLibrary& library() {
    static TLibrary made;
    return made;
}

void BM_OpenLibraryWindow(benchmark::State& state) {
    application();
    library();
    for (auto _ : state) {
        TBlockLibForm form(0);
        const QPixmap shown = form.grab();
        benchmark::DoNotOptimize(shown.cacheKey());
    }
    state.SetLabel("200 blocks read, thumbnails drawn, window painted");
}
BENCHMARK(BM_OpenLibraryWindow)->Unit(benchmark::kMillisecond);

void BM_ReadLibraryOnly(benchmark::State& state) {
    const TLibrary& files = library();
    for (auto _ : state) {
        int segments = 0;
        for (const std::string& path : files.paths) {
            TBlockObject block;
            block.LoadFromFile(path);
            segments += block.SegmentCount();
        }
        benchmark::DoNotOptimize(segments);
    }
    state.SetLabel("peer: the same 200 files only read");
}
BENCHMARK(BM_ReadLibraryOnly)->Unit(benchmark::kMillisecond);

void BM_QtPainterThumbnails(benchmark::State& state) {
    application();
    const TLibrary& files = library();
    for (auto _ : state) {
        for (const std::string& path : files.paths) {
            TBlockObject block;
            block.LoadFromFile(path);
            block.FitInto({0, 0, ThumbnailSide, ThumbnailSide});
            QImage image(ThumbnailSide, ThumbnailSide, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setPen(QColor(255, 0, 255));
            const TBlockPoint anchor = block.GetAnchor();
            for (const TBlockSegment& s : block.Segments()) {
                const TBlockPoint a = block.Points()[size_t(s.First)];
                const TBlockPoint b = block.Points()[size_t(s.Second)];
                painter.drawLine(QPointF(anchor.x + a.x, anchor.y + a.y),
                                 QPointF(anchor.x + b.x, anchor.y + b.y));
            }
            painter.end();
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.SetLabel("peer: the same 200 files read and drawn by QPainter");
}
BENCHMARK(BM_QtPainterThumbnails)->Unit(benchmark::kMillisecond);

} // namespace
