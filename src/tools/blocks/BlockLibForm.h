#pragma once
// The block library: every .blk file of the blocks folder (or .ins file of the
// instruments folder) as a 100 by 100 thumbnail with its file name under it, sorted by
// name. A double click on a thumbnail or "Выбрать" chooses it. Files that are not
// blocks are left out.

#include "gdi/Bitmap.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <string>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

// The side of a thumbnail.
inline constexpr int ThumbnailSide = 100;

// The thumbnail of a block file: the block shrunk (never enlarged) into the square with
// a margin, in magenta with its anchor in red, on white; a null image when the file is
// not a block.
QImage BlockThumbnail(const std::string& path);

class TBlockLibForm : public QDialog {
    Q_OBJECT
  public:
    // kind: 0 blocks, 1 instruments. The list is filled at once.
    TBlockLibForm(int kind, QWidget* owner = nullptr);
    ~TBlockLibForm() override;

    int Kind() const { return m_kind; }
    // The full path of the selected item; empty with none selected.
    QString SelectedPath() const;

    QListWidget* ListView;
    QWidget* Panel1;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  private:
    void FillList();
    void AddItem(const std::string& path, const QString& fileName);

    int m_kind;
};

struct TLibraryChoice {
    bool Confirmed = false;
    QString Path;
};
// The library of the kind, shown modally: the chosen file's path on "Выбрать" (empty
// with nothing selected), not confirmed on "Отмена".
TLibraryChoice ShowLibrary(int kind);
