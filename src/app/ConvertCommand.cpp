#include "app/ConvertCommand.h"

#include "app/SketchQImage.h"
#include "document/FileErrors.h"
#include "document/SketchFiles.h"

#include <QFile>
#include <QSaveFile>

#include <filesystem>

namespace {

bool isPng(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".png";
}

// Through a temporary file renamed over the target, as the editor saves.
bool writePng(const gdi::Bitmap& bitmap, const std::string& path, std::string& why) {
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString().toStdString();
        return false;
    }
    if (!BitmapToQImage(bitmap).save(&file, "PNG")) {
        why = "не удалось записать PNG";
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        why = file.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace

std::string ConvertUsage() {
    return "Использование: verigraf --convert ВХОДНОЙ_ФАЙЛ ВЫХОДНОЙ_ФАЙЛ\n"
           "Читает эскиз .bmp или .ilj и записывает его в формате по расширению выходного файла: "
           ".bmp, .ilj или .png.\n";
}

int RunConvertCommand(const std::string& input, const std::string& output, std::ostream& err) {
    if (!isPng(output) && SketchFormatOf(output) == TSketchFormat::None) {
        err << "verigraf: не знаю, как записать «" << output << "»: нужно расширение .bmp, .ilj или .png\n";
        return 1;
    }
    gdi::BitmapPtr sketch;
    try {
        sketch = ReadSketchFile(input);
    } catch (const SketchFileError& e) {
        err << "verigraf: не удалось прочитать «" << input << "»: " << e.what() << "\n";
        return 1;
    } catch (const DecompressionError&) {
        err << "verigraf: не удалось прочитать «" << input << "»: сжатые данные повреждены\n";
        return 1;
    }
    std::string why;
    if (isPng(output)) {
        if (!writePng(*sketch, output, why)) {
            err << "verigraf: не удалось записать «" << output << "»: " << why << "\n";
            return 1;
        }
        return 0;
    }
    try {
        SaveSketchImage(sketch, output);
    } catch (const SketchFileError& e) {
        err << "verigraf: не удалось записать «" << output << "»: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
