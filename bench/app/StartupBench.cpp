// Start-up to the main window on screen, splash delay left out, and the shut-down after.
#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/VerigrafApplication.h"

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <unistd.h>

namespace {

// An installation folder with the program's fonts and an empty sheet-form folder.
struct TBenchInstallation {
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("verigraf-bench-" + std::to_string(::getpid()));
    TBenchInstallation() {
        std::filesystem::create_directories(Path / "Fonts");
        std::filesystem::create_directories(Path / "StdForms");
        for (const char* font : {"ZYQVerigraf.ttf", "ZYQ(gdt).ttf"})
            std::filesystem::copy_file(std::filesystem::path(VERIGRAF_BIN_DIR) / "Fonts" / font,
                                       Path / "Fonts" / font,
                                       std::filesystem::copy_options::overwrite_existing);
    }
    ~TBenchInstallation() { std::filesystem::remove_all(Path); }
};

void BM_StartupToMainWindow(benchmark::State& state) {
    TBenchInstallation inst;
    auto& app = *static_cast<TVerigrafApplication*>(qApp);
    for (auto _ : state) {
        TStartupOptions options;
        options.AppDir = QString::fromStdString(inst.Path.string());
        options.SplashMilliseconds = 0;
        const auto start = std::chrono::steady_clock::now();
        std::chrono::steady_clock::time_point shown;
        options.OnMainFormShown = [&shown](TMainForm& form) {
            shown = std::chrono::steady_clock::now();
            QTimer::singleShot(0, &form, &QWidget::close);
        };
        RunVerigraf(app, options);
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
    }
}
BENCHMARK(BM_StartupToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
