#pragma once
// Helpers of the shell tests: answering the real modal dialogs as a user would, an
// installation folder of our own, and the globals a main window stands on.

#include "app/MainForm.h"

#include <QMessageBox>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace app_testing {

// Waits (polling the event loop) for the next modal window and hands it to answer,
// once. Call it before the code that opens the dialog; chain a further call inside
// answer for a dialog that follows.
void AnswerModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000);

// What a message box said, and the press of one of its buttons.
struct TSeenBox {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons;
    bool Seen = false;
};
std::function<void(QWidget*)> PressInBox(QMessageBox::StandardButton button, TSeenBox* seen,
                                         std::function<void()> then = {});

// A temporary folder, removed with the object.
class TTempFolder {
  public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string operator()(const std::string& name) const { return (m_path / name).string(); }
    QString Q(const std::string& name) const { return QString::fromStdString((*this)(name)); }

  private:
    std::filesystem::path m_path;
};

// An installation folder: the program's fonts (unless told otherwise) and an empty
// StdForms folder.
struct TInstallation {
    TTempFolder Folder;
    explicit TInstallation(bool withFonts = true, bool withStdForms = true);
    QString AppDir() const { return QString::fromStdString(Folder.Path().string()); }
};

// The globals the main window needs, made as start-up makes them, and a main window of
// the given size on top.
class TMainFormSetup {
  public:
    explicit TMainFormSetup(const QStringList& arguments = {}, QSize size = {1000, 800});
    ~TMainFormSetup();
    TMainForm& Form() { return *m_form; }
    // Makes a blank sketch and shows it as the new-sketch command does.
    void NewSketch(int width, int height);
    void Resize(QSize size);

  private:
    TTempFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

// A sketch file with a few known pixels: a black frame, a red pixel at (100, 50).
void WriteSampleSketch(const std::string& path, int width = 794, int height = 1123);

} // namespace app_testing
