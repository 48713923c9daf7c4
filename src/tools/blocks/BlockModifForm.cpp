#include "tools/blocks/BlockModifForm.h"

#include "tools/base/ToolSwitch.h"
#include "tools/blocks/Block.h"
#include "tools/draw/ColorForm.h"
#include "tools/draw/ColorPanel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int ButtonSide = 22;

enum class TGlyph { Line, Move, Rotate, Scale, Anchor, Vertex, DeleteLine, Library, FromLibrary, Open, Save };

// The pictures of the buttons, drawn in code on a 16-pixel square.
QIcon glyph(TGlyph which) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    const auto dot = [&p](int x, int y, const QColor& colour) { p.fillRect(x - 1, y - 1, 3, 3, colour); };
    switch (which) {
    case TGlyph::Line:
        p.drawPolyline(QPolygon({QPoint(2, 13), QPoint(7, 3), QPoint(13, 11)}));
        dot(2, 13, Qt::blue), dot(7, 3, Qt::blue), dot(13, 11, Qt::blue);
        break;
    case TGlyph::Move:
        p.drawLine(8, 1, 8, 14), p.drawLine(1, 8, 14, 8);
        p.drawPolyline(QPolygon({QPoint(6, 3), QPoint(8, 1), QPoint(10, 3)}));
        p.drawPolyline(QPolygon({QPoint(6, 12), QPoint(8, 14), QPoint(10, 12)}));
        p.drawPolyline(QPolygon({QPoint(3, 6), QPoint(1, 8), QPoint(3, 10)}));
        p.drawPolyline(QPolygon({QPoint(12, 6), QPoint(14, 8), QPoint(12, 10)}));
        break;
    case TGlyph::Rotate:
        p.drawArc(2, 2, 12, 12, 90 * 16, 270 * 16);
        p.drawPolyline(QPolygon({QPoint(5, 1), QPoint(8, 2), QPoint(5, 5)}));
        dot(8, 8, Qt::red);
        break;
    case TGlyph::Scale:
        p.drawRect(1, 7, 7, 7), p.drawRect(1, 1, 13, 13);
        p.drawLine(5, 10, 12, 3);
        break;
    case TGlyph::Anchor:
        p.drawLine(1, 14, 14, 14), p.drawLine(1, 14, 7, 4);
        p.setBrush(Qt::red), p.setPen(Qt::red);
        p.drawEllipse(QPoint(7, 8), 3, 3);
        break;
    case TGlyph::Vertex:
        p.drawLine(2, 13, 8, 4), p.drawLine(8, 4, 14, 13);
        dot(8, 4, Qt::red), dot(2, 13, Qt::blue), dot(14, 13, Qt::blue);
        break;
    case TGlyph::DeleteLine:
        p.drawLine(1, 12, 9, 4);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(9, 9, 14, 14), p.drawLine(14, 9, 9, 14);
        break;
    case TGlyph::Library:
    case TGlyph::FromLibrary:
        p.drawRect(1, 2, 4, 12), p.drawRect(6, 2, 4, 12), p.drawLine(11, 3, 14, 13);
        p.setPen(QPen(which == TGlyph::Library ? Qt::darkGreen : Qt::blue, 2));
        if (which == TGlyph::Library)
            p.drawLine(12, 1, 12, 7), p.drawLine(9, 4, 15, 4);
        else
            p.drawLine(9, 4, 15, 4);
        break;
    case TGlyph::Open:
        p.drawPolygon(QPolygon(
            {QPoint(1, 4), QPoint(6, 4), QPoint(7, 6), QPoint(14, 6), QPoint(14, 14), QPoint(1, 14)}));
        break;
    case TGlyph::Save:
        p.drawRect(1, 1, 13, 13), p.drawRect(4, 1, 7, 5), p.fillRect(4, 9, 8, 5, Qt::darkGray);
        break;
    }
    return QIcon(picture);
}

} // namespace

TBlock* CurrentBlockTool() {
    return dynamic_cast<TBlock*>(CurrentTool.get());
}

TBlockModifForm::TBlockModifForm(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("BlockModifForm"));
    setWindowTitle(QStringLiteral("Блоки"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(331, 22);
    AddNewLineButton = NewButton("AddNewLineButton", TBlock::ModeAddLines, 0, ButtonSide);
    MoveBlockButton = NewButton("MoveBlockButton", TBlock::ModeMove, 22, ButtonSide);
    RotateBlockButton = NewButton("RotateBlockButton", TBlock::ModeRotate, 44, ButtonSide);
    ScaleBlockButton = NewButton("ScaleBlockButton", TBlock::ModeScale, 66, ButtonSide);
    SetCenterButton = NewButton("SetCenterButton", TBlock::ModeAnchor, 88, ButtonSide);
    SelectVertexButton = NewButton("SelectVertexButton", TBlock::ModePoints, 110, ButtonSide);
    DeleteLastLineButton = NewButton("DeleteLastLineButton", 0, 132, ButtonSide);
    SetHint(DeleteLastLineButton, QStringLiteral("Удалить последнюю введенную линию"));
    AcceptButton = NewButton("AcceptButton", 0, 154, 53);
    AcceptButton->setText(QStringLiteral("Закрепить"));
    AcceptButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BlockColor = new TColorPanel(0, QStringLiteral("Цвет"), QStringLiteral("Цвет блока"), 0x000000, this);
    BlockColor->setObjectName(QStringLiteral("BlockColor"));
    BlockColor->SetFontColor(0xFFFFFF);
    BlockColor->move(207, 0);
    BlockColor->OnMouseDown = [this](TColorPanel*, Qt::MouseButton button, bool isDouble) {
        if (button == Qt::RightButton || isDouble) ChooseBlockColor();
    };
    AddToLibraryButton = NewButton("AddToLibraryButton", 0, 243, ButtonSide);
    LoadFromLibraryButton = NewButton("LoadFromLibraryButton", 0, 265, ButtonSide);
    LoadBlockButton = NewButton("LoadBlockButton", 0, 287, ButtonSide);
    SaveBlockButton = NewButton("SaveBlockButton", 0, 309, ButtonSide);

    const std::pair<QToolButton*, TGlyph> pictures[] = {{AddNewLineButton, TGlyph::Line},
                                                        {MoveBlockButton, TGlyph::Move},
                                                        {RotateBlockButton, TGlyph::Rotate},
                                                        {ScaleBlockButton, TGlyph::Scale},
                                                        {SetCenterButton, TGlyph::Anchor},
                                                        {SelectVertexButton, TGlyph::Vertex},
                                                        {DeleteLastLineButton, TGlyph::DeleteLine},
                                                        {AddToLibraryButton, TGlyph::Library},
                                                        {LoadFromLibraryButton, TGlyph::FromLibrary},
                                                        {LoadBlockButton, TGlyph::Open},
                                                        {SaveBlockButton, TGlyph::Save}};
    for (const auto& [button, picture] : pictures)
        button->setIcon(glyph(picture));

    const auto act = [this](QToolButton* button, void (TBlock::*command)()) {
        connect(button, &QToolButton::clicked, this, [command] {
            if (TBlock* tool = CurrentBlockTool()) (tool->*command)();
        });
    };
    act(DeleteLastLineButton, &TBlock::DeleteLastLine);
    act(AcceptButton, &TBlock::Complete);
    act(AddToLibraryButton, &TBlock::AddToLibrary);
    act(LoadFromLibraryButton, &TBlock::LoadFromLibrary);
    act(LoadBlockButton, &TBlock::LoadFromFile);
    act(SaveBlockButton, &TBlock::SaveToFile);
}

QToolButton* TBlockModifForm::NewButton(const char* name, int tag, int x, int width) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 0, width, ButtonSide);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("tag", tag);
    if (tag != 0) {
        button->setCheckable(true);
        m_modeButtons.push_back(button);
        // The tool decides which button is down: a click only asks for the mode.
        connect(button, &QToolButton::clicked, this, [this, button] { SelBlockModif(button); });
    }
    return button;
}

int TBlockModifForm::Tag(const QToolButton* button) {
    return button ? button->property("tag").toInt() : 0;
}

void TBlockModifForm::SetHint(QToolButton* button, const QString& hint) {
    button->setToolTip(hint);
    button->setAccessibleName(hint);
}

void TBlockModifForm::SelBlockModif(QToolButton* button) {
    TBlock* tool = CurrentBlockTool();
    if (!tool) {
        button->setChecked(false);
        return;
    }
    tool->SelectMode(uint8_t(Tag(button)));
    // A click on the button already down would have put it up.
    tool->Changed();
}

void TBlockModifForm::ChooseBlockColor() {
    TBlock* tool = CurrentBlockTool();
    if (!tool) return;
    gdi::COLORREF colour = BlockColor->Color();
    if (!PickColor(colour, this)) return;
    BlockColor->SetColor(colour);
    BlockColor->SetFontColor(CaptionColorFor(colour));
    // The palette was modal: the tool may have gone meanwhile only with the window.
    if (TBlock* still = CurrentBlockTool()) still->FBlockColor = colour;
}
