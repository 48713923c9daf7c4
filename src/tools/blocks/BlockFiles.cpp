// The block tool's files: loading and saving through the program's file dialogs, and
// taking from and adding to the library folder of the tool's kind. Every dialog rests
// the tool's keys, so that keys typed into it never edit the block.

#include "tools/base/KeysSuspension.h"
#include "tools/base/ToolHost.h"
#include "tools/blocks/AddToLibraryForm.h"
#include "tools/blocks/Block.h"
#include "tools/blocks/BlockLibForm.h"
#include "tools/transform/TechFilesDialog.h"

#include "document/Folders.h"

std::string TBlock::LibraryFolder() const {
    return Kind() == TBlockFileKind::Block ? BlocksDir : InstrumentDir;
}

std::string TBlock::FileExtension() const {
    return "." + BlockExtension(Kind()).toStdString();
}

void TBlock::LoadBlock(const std::string& file) {
    FSelection.clear();
    FBlock.LoadFromFile(file);
    FLastPoint = NullPoint;
    SelectMode(ModeMove);
    SetStep(StageMove);
    SetSubStep(StepDragging);
    Changed();
    Repaint();
}

void TBlock::SaveBlock(const std::string& file) const {
    if (!FBlock.SaveToFile(file)) TellBlockNotSaved(file);
}

void TBlock::LoadFromLibrary() {
    TKeysSuspension suspension(*this);
    const TLibraryChoice choice = ShowLibrary(Kind() == TBlockFileKind::Block ? 0 : 1);
    if (choice.Confirmed) LoadBlock(choice.Path.toStdString());
}

void TBlock::LoadFromFile() {
    TKeysSuspension suspension(*this);
    TTechOpenDialog dialog;
    ConfigureBlockLoadDialog(dialog, Kind(), QString::fromStdString(LibraryFolder()));
    if (dialog.Execute(ToolHost().MainWindow())) LoadBlock(dialog.FileName.toStdString());
}

void TBlock::SaveToFile() {
    TKeysSuspension suspension(*this);
    TTechSaveDialog dialog;
    ConfigureBlockSaveDialog(dialog, Kind(), QString::fromStdString(LibraryFolder()));
    if (!dialog.Execute(ToolHost().MainWindow())) return;
    std::string name = dialog.FileName.toStdString();
    const size_t slash = name.find_last_of("/\\");
    const size_t dot = name.find('.', slash == std::string::npos ? 0 : slash);
    if (dot == std::string::npos) name += FileExtension();
    SaveBlock(name);
}

void TBlock::AddToLibrary() {
    TKeysSuspension suspension(*this);
    const TLibraryName answer = AskLibraryName();
    if (!answer.Confirmed) return;
    const std::string path = LibraryFolder() + answer.Name.toStdString() + FileExtension();
    if (ConfirmLibraryReplace(path)) SaveBlock(path);
}
