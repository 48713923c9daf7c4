#include "tools/transform/TechFilesDialog.h"

#include "tools/transform/FileChooser.h"
#include "tools/transform/FileFilters.h"
#include "tools/transform/FilePreviews.h"
#include "tools/transform/PreviewPane.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>

#include <exception>
#include <memory>
#include <new>

TTechFilesDialog* CurrentFilesDialog = nullptr;

namespace {

// The longest name the dialogs start with.
constexpr qsizetype MaxInitialName = 260;

// The one extension a name filter stands for ("Эскизы (*.ilj *.ILJ)" gives "ilj"); empty
// for a filter of several kinds.
QString soleExtension(const QString& nameFilter) {
    QString found;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    for (const QRegularExpressionMatch& match : pattern.globalMatch(nameFilter)) {
        const QString extension = match.captured(1).toLower();
        if (!found.isEmpty() && found != extension) return {};
        found = extension;
    }
    return found;
}

// The existing file a name typed into the dialog stands for; empty for anything else.
QString typedFile(const QFileDialog& window, const QString& text) {
    if (text.trimmed().isEmpty()) return {};
    const QFileInfo info(window.directory(), text);
    return info.isFile() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

} // namespace

TTechFilesDialog::TTechFilesDialog() : Filter(QChar(0)) {
    Filter += QChar(0);
}

TTechFilesDialog::~TTechFilesDialog() {
    if (CurrentFilesDialog == this) CurrentFilesDialog = nullptr;
}

void TTechFilesDialog::SetPreviewDC(gdi::DeviceContext* dc) {
    m_previewSource = dc;
    DrawPreviewSource();
}

bool TTechFilesDialog::Run(QWidget* owner, const TDialogKind& kind) {
    TFileChooser window(owner, kind.Title, kind.AcceptMode, kind.FileMode);
    const QStringList filters = QtNameFilters(Filter);
    if (!filters.isEmpty()) {
        window.setNameFilters(filters);
        window.selectNameFilter(filters.value(FilterIndex - 1, filters.first()));
    }
    if (!InitialDir.isEmpty()) window.setDirectory(InitialDir);
    window.setDefaultSuffix(DefaultExt);
    // As the platform's dialog does it: a typed name without an extension takes that of
    // the file type the user chose.
    if (!DefaultExt.isEmpty()) {
        QObject::connect(&window, &QFileDialog::filterSelected, &window,
                         [this, &window](const QString& filter) {
                             const QString extension = soleExtension(filter);
                             window.setDefaultSuffix(extension.isEmpty() ? DefaultExt : extension);
                         });
    }
    if (kind.StartWithFileName && !FileName.isEmpty()) window.selectFile(FileName.left(MaxInitialName));

    // The dialog is closed down however Run is left.
    struct Closer {
        TTechFilesDialog& dialog;
        ~Closer() { dialog.Destroy(); }
    } closer{*this};
    Initialise(window);
    QObject::connect(&window, &QFileDialog::currentChanged, &window,
                     [this](const QString& path) { SelectionChanged(path); });
    // Qt's dialog does not tell about a name typed into its name box; a typed name of an
    // existing file is a selection all the same.
    if (auto* nameBox = window.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        QObject::connect(nameBox, &QLineEdit::textChanged, &window, [this, &window](const QString& text) {
            const QString path = typedFile(window, text);
            if (!path.isEmpty() && path != FileName) SelectionChanged(path);
        });

    if (window.exec() != QDialog::Accepted) return false;
    const QStringList chosen = window.selectedFiles();
    if (chosen.isEmpty()) return false;
    FileName = chosen.first();
    if (const int32_t chosenFilter = FilterNumber(Filter, window.selectedNameFilter()))
        FilterIndex = chosenFilter;
    return true;
}

void TTechFilesDialog::Initialise(TFileChooser& window) {
    CurrentFilesDialog = this;
    m_window = &window;
    auto pane = std::make_unique<TPreviewPane>();
    m_pane = pane.get();
    window.AddPreviewPane(pane.release()); // the dialog owns it now

    const QSize client = m_pane->ClientSize();
    m_previewRect = {0, 0, client.width(), client.height()};
    for (gdi::BitmapPtr& bitmap : m_previewBitmaps) {
        // Of the screen's kind, not the sketch's: pictures of any file show true colours.
        bitmap = gdi::Bitmap::create(client.width(), client.height(), 32);
        gdi::DeviceContext dc;
        dc.selectBitmap(bitmap);
        dc.fillRect(m_previewRect, gdi::stockGrayBrush());
    }
    m_formerImage = m_pane->SetPicture(std::move(m_previewBitmaps[0]));
    DrawPreviewSource();
    window.setWindowFlag(Qt::WindowStaysOnTopHint);
}

void TTechFilesDialog::SelectionChanged(const QString& path) {
    // Qt answers an empty path when the selection has none: the last one stands.
    if (!path.isEmpty()) FileName = path;
    try {
        if (OnSelChange) OnSelChange(*this);
        const int slot = DrawingSlot();
        if (!PreviewProc || slot < 0) return;
        gdi::DeviceContext dc;
        dc.selectBitmap(m_previewBitmaps[size_t(slot)]);
        dc.fillRect(m_previewRect, gdi::stockGrayBrush());
        PreviewProc(*this, dc, m_previewRect);
        dc.selectBitmap(nullptr);
        ShowSlot(slot);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        // A failed picture leaves the pane as it was; the choice of a file goes on.
    }
}

void TTechFilesDialog::Destroy() {
    if (m_pane) {
        gdi::BitmapPtr shown = m_pane->SetPicture(std::move(m_formerImage));
        const int empty = m_previewBitmaps[0] ? 1 : 0;
        m_previewBitmaps[size_t(empty)] = std::move(shown);
        for (gdi::BitmapPtr& bitmap : m_previewBitmaps)
            bitmap.reset();
    }
    m_formerImage.reset();
    m_pane = nullptr;
    m_window = nullptr;
    m_previewRect = {};
    if (CurrentFilesDialog == this) CurrentFilesDialog = nullptr;
}

void TTechFilesDialog::DrawPreviewSource() {
    if (!m_previewSource || !m_pane || !m_previewSource->bitmap()) return;
    const int slot = DrawingSlot();
    if (slot < 0) return;
    gdi::DeviceContext dc;
    dc.selectBitmap(m_previewBitmaps[size_t(slot)]);
    StretchPictureInto(dc, *m_previewSource, m_previewRect);
    dc.selectBitmap(nullptr);
    ShowSlot(slot);
}

int TTechFilesDialog::DrawingSlot() const {
    if (m_previewBitmaps[0]) return 0;
    if (m_previewBitmaps[1]) return 1;
    return -1;
}

void TTechFilesDialog::ShowSlot(int slot) {
    gdi::BitmapPtr shown = m_pane->SetPicture(std::move(m_previewBitmaps[size_t(slot)]));
    m_previewBitmaps[size_t(1 - slot)] = std::move(shown);
}

bool TTechOpenDialog::Execute(QWidget* owner) {
    return Run(owner, {QStringLiteral("Открыть"), QFileDialog::AcceptOpen, QFileDialog::ExistingFile, false});
}

bool TTechSaveDialog::Execute(QWidget* owner) {
    return Run(owner,
               {QStringLiteral("Сохранить как..."), QFileDialog::AcceptSave, QFileDialog::AnyFile, true});
}
