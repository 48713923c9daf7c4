#include "tools/blocks/BlockLibForm.h"

#include "tools/base/ToolHost.h"

#include "blocks/BlockObject.h"
#include "document/Folders.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Magenta = 0xFF00FF;
const QColor Selection(220, 240, 255);
// Where an item's caption starts below the top of its thumbnail.
constexpr int CaptionTop = ThumbnailSide + 2;
constexpr int PathRole = Qt::UserRole;
constexpr int ThumbnailRole = Qt::UserRole + 1;

// Draws an item as the library shows it: the thumbnail, on light blue when selected,
// and the file name centred under it.
class TThumbnailDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {ThumbnailSide + 20, CaptionTop + 20};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPoint at(option.rect.x() + (option.rect.width() - ThumbnailSide) / 2, option.rect.y());
        painter->save();
        if (option.state & QStyle::State_Selected) {
            painter->fillRect(QRect(at, QSize(ThumbnailSide, ThumbnailSide)), Selection);
            painter->setPen(Qt::black);
            painter->drawRect(QRect(at, QSize(ThumbnailSide - 1, ThumbnailSide - 1)));
        }
        painter->drawImage(at, index.data(ThumbnailRole).value<QImage>());
        painter->setPen(Qt::black);
        const QString caption = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                              Qt::ElideMiddle, option.rect.width());
        const int width = option.fontMetrics.horizontalAdvance(caption);
        painter->drawText(option.rect.x() + (option.rect.width() - width) / 2,
                          at.y() + CaptionTop + option.fontMetrics.ascent(), caption);
        painter->restore();
    }
};

// The thumbnail's pixels as an image with white as its transparent colour. A 32-bit
// bitmap keeps 0x00RRGGBB words, Qt's own layout but for the alpha.
QImage transparentImage(const gdi::Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_ARGB32);
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        const uint32_t* from = bitmap.rgbRow(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < bitmap.width(); ++x)
            to[x] = from[x] == 0xFFFFFF ? 0 : 0xFF000000u | from[x];
    }
    return image;
}

} // namespace

QImage BlockThumbnail(const std::string& path) {
    TBlockObject block;
    if (!block.LoadFromFile(path)) return {};
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(ThumbnailSide, ThumbnailSide, 32));
    dc.fillRect({0, 0, ThumbnailSide, ThumbnailSide}, gdi::createSolidBrush(White));
    block.FitInto({0, 0, ThumbnailSide, ThumbnailSide});
    block.DrawSegments(dc, gdi::R2_COPYPEN, Magenta);
    block.DrawAnchor(dc, gdi::R2_COPYPEN);
    return transparentImage(*dc.bitmap());
}

TBlockLibForm::TBlockLibForm(int kind, QWidget* owner) : QDialog(owner), m_kind(kind) {
    setObjectName(QStringLiteral("BlockLibForm"));
    setWindowTitle(kind == 0 ? QStringLiteral("Библиотека блоков")
                             : QStringLiteral("Библиотека инструментов"));
    resize(553, 386);
    ListView = new QListWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setAccessibleName(windowTitle());
    ListView->setViewMode(QListView::IconMode);
    ListView->setResizeMode(QListView::Adjust);
    ListView->setMovement(QListView::Static);
    ListView->setUniformItemSizes(true);
    ListView->setSpacing(4);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setItemDelegate(new TThumbnailDelegate(ListView));
    QPalette paper = ListView->palette();
    paper.setColor(QPalette::Base, Qt::white);
    ListView->setPalette(paper);
    ListView->setSortingEnabled(true);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(40);
    OKButton = new QPushButton(QStringLiteral("Выбрать"), Panel1);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Отмена"), Panel1);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    // The buttons keep to the right edge, 8 pixels apart.
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ListView);
    layout->addWidget(Panel1);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListView, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(ListView, &QListWidget::itemSelectionChanged, ListView->viewport(),
            qOverload<>(&QWidget::update));
    FillList();
    ToolHost().SetPromptText(QStringLiteral("Укажите мышью блок (двойной щелчок - выбор)"));
}

TBlockLibForm::~TBlockLibForm() {
    ToolHost().SetPromptText(QString());
}

void TBlockLibForm::FillList() {
    ListView->clear();
    const QString folder = QString::fromStdString(m_kind == 0 ? BlocksDir : InstrumentDir);
    const QString mask = m_kind == 0 ? QStringLiteral("*.blk") : QStringLiteral("*.ins");
    const QStringList files = QDir(folder).entryList({mask}, QDir::Files, QDir::Unsorted);
    for (const QString& file : files)
        AddItem(QDir(folder).filePath(file).toStdString(), file);
}

void TBlockLibForm::AddItem(const std::string& path, const QString& fileName) {
    const QImage thumbnail = BlockThumbnail(path);
    if (thumbnail.isNull()) return;
    auto* item = new QListWidgetItem(fileName);
    item->setData(PathRole, QString::fromStdString(path));
    item->setData(ThumbnailRole, thumbnail);
    ListView->addItem(item);
}

QString TBlockLibForm::SelectedPath() const {
    const QList<QListWidgetItem*> selected = ListView->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(PathRole).toString();
}

TLibraryChoice ShowLibrary(int kind) {
    TBlockLibForm form(kind, ToolHost().MainWindow());
    if (form.exec() != QDialog::Accepted) return {};
    return {true, form.SelectedPath()};
}
