#pragma once
// The program's help: the HTML help file beside the executable, shown in a window of its
// own with its contents and index, and the way back and forth between the pages read.

#include <QUrl>
#include <QWidget>

class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* FileName = "Verigraf_Help.html";

    // appDir: the folder of the program, where the help file lies.
    explicit THelpWindow(const QString& appDir, QWidget* parent = nullptr);

    // Shows the window at the contents (and brings it to the front when it is open).
    void ShowContents();
    QTextBrowser* Browser() const { return m_browser; }
    QUrl HelpFile() const { return m_file; }
    // False when the help file was not found: the window then says so.
    bool HelpFound() const { return m_found; }

  private:
    QTextBrowser* m_browser = nullptr;
    QUrl m_file;
    bool m_found = false;
};
