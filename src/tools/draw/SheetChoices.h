#pragma once
// The sheets a new sketch can be made on, in the order of their sample pictures.

#include <array>
#include <cstdint>

struct TSheetChoice {
    // The tag of the sample picture, and what the new-sketch dialog answers.
    int32_t Code;
    const char* ImageName;
    const char* PanelName;
    int Row;
    int Column;
    // The sheet-form file in the StdForms folder; none for a blank sheet.
    const char* FormFile;
    // Base name of the form, naming its title-block map; empty for a blank sheet.
    const char* SheetName;
    // Size of a blank sheet; for a form, what its picture looks like while the file is
    // missing.
    int32_t Width;
    int32_t Height;
    uint8_t SheetKind;
    // What a screen reader says of the picture.
    const char* Description;
};

// The answer of a cancelled dialog, and of the blank sheet of any size.
inline constexpr int32_t NoSheetChoice = 0;
inline constexpr int32_t AnySizeSheetChoice = 1;
// The sheet the dialog starts on.
inline constexpr int32_t FirstSheetChoice = 2;

// A4 at the sketches' 96 pixels per inch.
inline constexpr int32_t A4ShortSide = 794;
inline constexpr int32_t A4LongSide = 1123;

inline constexpr std::array<TSheetChoice, 8> SheetChoices = {{
    {2, "Image1", "Panel1", 0, 0, "konstra4.bmp", "konstra4", A4ShortSide, A4LongSide, 1,
     "Бланк konstra4, A4 вертикально"},
    {3, "Image2", "Panel2", 0, 1, nullptr, "", A4ShortSide, A4LongSide, 1, "Чистый лист A4 вертикально"},
    {4, "Image3", "Panel4", 0, 2, nullptr, "", A4LongSide, A4ShortSide, 2, "Чистый лист A4 горизонтально"},
    {1, "Image6", "Panel6", 0, 3, nullptr, "", 946, 567, 5, "Чистый лист любого размера"},
    {5, "Image4", "Panel3", 1, 0, "3.1105-f7.bmp", "3.1105-f7", A4LongSide, A4ShortSide, 2,
     "Бланк 3.1105-f7, A4 горизонтально"},
    {6, "Image5", "Panel5", 1, 1, "3.1105-f7a.bmp", "3.1105-f7a", A4LongSide, A4ShortSide, 2,
     "Бланк 3.1105-f7a, A4 горизонтально"},
    {7, "Image7", "Panel7", 1, 2, "form8.ilj", "form8", A4LongSide, A4ShortSide, 2,
     "Бланк form8, A4 горизонтально"},
    {8, "Image8", "Panel8", 1, 3, "form8a.ilj", "form8a", A4LongSide, A4ShortSide, 2,
     "Бланк form8a, A4 горизонтально"},
}};

// The sheet of a code, or none for codes outside 1 to 8.
const TSheetChoice* FindSheetChoice(int32_t code);
