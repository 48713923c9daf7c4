#pragma once
// "Новый эскиз": the sheet a new sketch is made on, picked from eight sample pictures.

#include "tools/base/TechModalDialog.h"
#include "tools/draw/PromptCallbacks.h"

#include <cstdint>

class QPushButton;
class TSampleImage;

// What the status bar says while the dialog is open.
inline const char* const NewDraftPrompt = "Подсветите нужный формат эскиза и нажмите ОК";

class TNewDraftDlg : public TTechModalDialog {
    Q_OBJECT
  public:
    // The pictures of the forms are made from the files in stdFormsDir.
    TNewDraftDlg(const QString& stdFormsDir, TPromptCallbacks prompts, QWidget* parent = nullptr);
    ~TNewDraftDlg() override;

    // The code of the chosen sheet (SheetChoices.h).
    int32_t Choice() const { return FChoice; }
    TSampleImage* SelectedImage() const { return FSelImage; }
    void SelSampleImage(TSampleImage* image);

  private:
    void OKDblClick(TSampleImage* image);

    int32_t FChoice;
    TSampleImage* FSelImage = nullptr;
    TPromptCallbacks m_prompts;
};
