#include "FieldTable.h"

#include <sstream>

namespace forms {

std::string fieldTable(const std::vector<SheetForm>& forms) {
    std::ostringstream out;
    for (const SheetForm& form : forms) {
        out << "## " << form.name << "\n\n"
            << form.fileName() << ", " << form.picture->width() << " x " << form.picture->height()
            << " pixels; map " << form.mapFileName() << ".\n\n"
            << "| Line | Field | Reads | Characters |\n"
            << "|---:|---|---|---:|\n";
        int line = 1;
        for (const FormField& field : form.fields)
            out << "| " << line++ << " | " << field.name << " | "
                << (field.kind == TitleTextUpward ? "upwards" : "across") << " | " << field.capacity
                << " |\n";
        out << "\n";
    }
    return out.str();
}

} // namespace forms
