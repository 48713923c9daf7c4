#include "FormsTestSupport.h"

#include "gdi/FontMapper.h"
#include "gdi/FontRegistry.h"

#include <stdexcept>

namespace forms_testing {

const std::vector<forms::SheetForm>& sheetForms() {
    static const std::vector<forms::SheetForm> forms = [] {
        gdi::FontRegistry::instance().clear();
        gdi::FontMapper::instance().clear();
        if (!gdi::FontRegistry::instance().addFontFile(std::string(FONTS_DIR) + "/ZYQVerigraf.ttf"))
            throw std::runtime_error("the program's face is not in " FONTS_DIR);
        return forms::allSheetForms(forms::ValueInk::measure());
    }();
    return forms;
}

const forms::SheetForm& sheetForm(const std::string& name) {
    for (const forms::SheetForm& form : sheetForms())
        if (form.name == name) return form;
    throw std::runtime_error("no sheet form " + name);
}

std::string installed(const std::string& fileName) {
    return StdFormsDir + "/" + fileName;
}

} // namespace forms_testing
