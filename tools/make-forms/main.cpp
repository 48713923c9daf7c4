// Draws the sheet forms and their title-block maps into the program's StdForms folder,
// and writes the example exchange text beside the program.
//
//   make-forms --fonts DIR --out DIR [--example FORM UTF8-SOURCE DESTINATION]
//   make-forms --fonts DIR --fields-table

#include "FieldTable.h"
#include "FormFiles.h"
#include "SheetForms.h"

#include "gdi/FontFace.h"
#include "gdi/FontRegistry.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

struct Options {
    std::string fonts;
    std::string out;
    std::string exampleForm, exampleSource, exampleDestination;
    bool fieldTable = false;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto next = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--fonts") {
            options.fonts = next();
        } else if (arg == "--out") {
            options.out = next();
        } else if (arg == "--example") {
            options.exampleForm = next();
            options.exampleSource = next();
            options.exampleDestination = next();
        } else if (arg == "--fields-table") {
            options.fieldTable = true;
        } else {
            throw std::runtime_error("unknown argument " + arg);
        }
    }
    if (options.fonts.empty() || (options.out.empty() && !options.fieldTable))
        throw std::runtime_error("usage: make-forms --fonts DIR (--out DIR [--example FORM SOURCE DEST] | "
                                 "--fields-table)");
    return options;
}

// The forms are drawn with the program's own face; a substitute would put every label
// and every field somewhere else.
void registerFace(const std::string& fontsFolder) {
    const std::string path = (std::filesystem::path(fontsFolder) / "ZYQVerigraf.ttf").string();
    const auto families = gdi::FontRegistry::instance().addFontFile(path);
    if (!families) throw std::runtime_error("no font in " + path);
    for (const std::string& family : *families)
        if (gdi::foldCase(family) == "zyq courier") return;
    throw std::runtime_error(path + " does not hold the face \"zyq courier\"");
}

// The example must fill every field of its form, each with a value that fits.
void writeExample(const Options& options, const std::vector<forms::SheetForm>& all) {
    const forms::SheetForm* form = nullptr;
    for (const forms::SheetForm& candidate : all)
        if (candidate.name == options.exampleForm) form = &candidate;
    if (!form) throw std::runtime_error("no sheet form " + options.exampleForm);
    const std::vector<std::string> lines = forms::readUtf8Lines(options.exampleSource);
    if (lines.size() != form->fields.size())
        throw std::runtime_error(options.exampleSource + ": " + std::to_string(lines.size()) + " lines for " +
                                 std::to_string(form->fields.size()) + " fields");
    for (size_t i = 0; i < lines.size(); ++i)
        if (forms::utf8Length(lines[i]) > size_t(form->fields[i].capacity))
            throw std::runtime_error(options.exampleSource + ":" + std::to_string(i + 1) +
                                     ": longer than the " + std::to_string(form->fields[i].capacity) +
                                     " characters of \"" + form->fields[i].name + "\"");
    forms::writeBinaryFile(options.exampleDestination, forms::exchangeText(lines));
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        registerFace(options.fonts);
        const std::vector<forms::SheetForm> all = forms::allSheetForms(forms::ValueInk::measure());
        if (options.fieldTable) {
            std::cout << forms::fieldTable(all);
            return 0;
        }
        std::filesystem::create_directories(options.out);
        for (const forms::SheetForm& form : all)
            forms::writeSheetForm(form, options.out);
        if (!options.exampleForm.empty()) writeExample(options, all);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make-forms: " << e.what() << "\n";
        return 1;
    }
}
