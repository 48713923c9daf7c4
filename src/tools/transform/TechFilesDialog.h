#pragma once
// The program's file dialogs: every file choice goes through an open or a save dialog
// of this family. Each is Qt's own file dialog (not the desktop's, so that the program
// can reach inside it) widened by a preview pane on the right, which shows either a
// picture of the file under the selection, drawn by the caller's preview procedure at
// every selection change, or, from the moment the dialog opens, the picture of a DC the
// caller hands in.
//
// A caller creates the object, sets the fields, calls Execute once and acts only on a
// true result; then FileName and FilterIndex hold the choice.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <QFileDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class TFileChooser;
class TPreviewPane;
class TTechFilesDialog;

// The dialog being shown, from its set-up until it is gone; none otherwise.
extern TTechFilesDialog* CurrentFilesDialog;

class TTechFilesDialog {
  public:
    // Draws a picture of the file named by the dialog's FileName into dc, inside rect
    // (left and top 0). The pane is grey when the procedure is called.
    using TPreviewProc =
        std::function<void(TTechFilesDialog& dialog, gdi::DeviceContext& dc, const gdi::Rect& rect)>;
    using TNotifyEvent = std::function<void(TTechFilesDialog& sender)>;

    TTechFilesDialog();
    virtual ~TTechFilesDialog();
    TTechFilesDialog(const TTechFilesDialog&) = delete;
    TTechFilesDialog& operator=(const TTechFilesDialog&) = delete;

    // Shows the dialog modally over owner. True when the user confirmed a name: FileName
    // and FilterIndex are then the choice. False on cancel.
    virtual bool Execute(QWidget* owner) = 0;

    // The pane shows the picture of the bitmap selected into dc, fitted and centred, as
    // soon as the dialog opens (at once if it is already open). dc must outlive the
    // dialog's Execute.
    void SetPreviewDC(gdi::DeviceContext* dc);

    // Extension without the dot given to a typed name that has none; empty: none.
    QString DefaultExt;
    // The chosen file after a confirmed Execute, and the path under the selection while
    // the dialog is open. The save dialog starts with it in the name box.
    QString FileName;
    // Description and pattern pairs, each item ended by a NUL, the list by one more
    // (FileFilters.h).
    QString Filter;
    // The pair shown first, counted from 1; the pair chosen after a confirmed Execute.
    int32_t FilterIndex = 1;
    QString InitialDir;
    TPreviewProc PreviewProc;
    TNotifyEvent OnSelChange;

    // While the dialog is shown: Qt's dialog, the pane, and the pane's client
    // rectangle; none and empty otherwise.
    QFileDialog* DialogWindow() const { return m_window; }
    TPreviewPane* PreviewControl() const { return m_pane; }
    const gdi::Rect& PreviewRect() const { return m_previewRect; }

  protected:
    struct TDialogKind {
        QString Title;
        QFileDialog::AcceptMode AcceptMode;
        QFileDialog::FileMode FileMode;
        bool StartWithFileName;
    };
    bool Run(QWidget* owner, const TDialogKind& kind);

  private:
    void Initialise(TFileChooser& window);
    void SelectionChanged(const QString& path);
    void Destroy();
    void DrawPreviewSource();
    // The slot holding the bitmap that is drawn next, or -1.
    int DrawingSlot() const;
    // Shows the bitmap of the slot; the one shown before goes into the other slot.
    void ShowSlot(int slot);

    // At any moment one bitmap is in the pane and its slot is empty.
    std::array<gdi::BitmapPtr, 2> m_previewBitmaps;
    gdi::Rect m_previewRect;
    QFileDialog* m_window = nullptr;
    gdi::BitmapPtr m_formerImage;
    gdi::DeviceContext* m_previewSource = nullptr;
    TPreviewPane* m_pane = nullptr;
};

// Chooses an existing file.
class TTechOpenDialog : public TTechFilesDialog {
  public:
    bool Execute(QWidget* owner) override;
};

// Chooses a name to write; asks before a name that exists is overwritten.
class TTechSaveDialog : public TTechFilesDialog {
  public:
    bool Execute(QWidget* owner) override;
};
