// The control bar: sixteen small tool bars in two rows above the drawing area. The upper
// row holds the file, edit and view commands and the line, eraser and fill settings;
// the lower one the drawing and annotation tools.
#include "app/MainForm.h"
#include "app/TechComboBox.h"
#include "tools/base/OptionButtons.h"
#include "tools/draw/ColorPanel.h"

#include <QActionGroup>
#include <QToolBar>
#include <QToolButton>

#include <initializer_list>

namespace {

QToolBar* newBar(QMainWindow* window, const char* name, const QString& title) {
    auto* bar = new QToolBar(title, window);
    bar->setObjectName(QLatin1String(name));
    bar->setAccessibleName(title);
    bar->setIconSize(QSize(16, 16));
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

// The button the bar makes for the action, named so that the tools and the option-button
// store find it (option buttons take their names from the option table); keys stay with
// the drawing.
QToolButton* button(QToolBar* bar, QAction* action, const char* name) {
    bar->addAction(action);
    auto* made = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    made->setObjectName(QLatin1String(name));
    made->setFocusPolicy(Qt::NoFocus);
    return made;
}

// A button that stays down while its tool is current.
QToolButton* checkButton(QToolBar* bar, QAction* action, const char* name) {
    action->setCheckable(true);
    return button(bar, action, name);
}

// Only one button of a group is down at a time; allowAllUp lets the last one up too.
void group(QObject* owner, std::initializer_list<QAction*> actions, bool allowAllUp) {
    auto* made = new QActionGroup(owner);
    made->setExclusionPolicy(allowAllUp ? QActionGroup::ExclusionPolicy::ExclusiveOptional
                                        : QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* action : actions) {
        action->setCheckable(true);
        made->addAction(action);
    }
}

} // namespace

QList<QToolBar*> TMainForm::ToolBars() const {
    return findChildren<QToolBar*>(Qt::FindDirectChildrenOnly);
}

void TMainForm::CreateToolBars() {
    CreateColorPanels();
    CreateLinesStyleList();

    // ---- Upper row ----
    StandartToolBar = newBar(this, "StandartToolBar", QStringLiteral("Стандартная"));
    button(StandartToolBar, CreateNewCmd, "CreateButton");
    button(StandartToolBar, OpenCmd, "OpenButton");
    button(StandartToolBar, SaveCmd, "SaveButton");
    StandartToolBar->addSeparator();
    button(StandartToolBar, PrintCmd, "PrintButton");
    StandartToolBar->addSeparator();
    button(StandartToolBar, CutCmd, "CutButton");
    button(StandartToolBar, CopyCmd, "CopyButton");
    button(StandartToolBar, PasteCmd, "PasteButton");
    checkButton(StandartToolBar, MarqueeCmd, "MarqueeToolButton");
    checkButton(StandartToolBar, SetTransparentCmd, OptionButtonName(TOptionButton::Transparent));
    StandartToolBar->addSeparator();
    button(StandartToolBar, UndoCmd, "UndoButton");
    button(StandartToolBar, RedoCmd, "RedoButton");

    MagnifyToolBar = newBar(this, "MagnifyToolBar", QStringLiteral("Масштаб"));
    ZoomIncButton = button(MagnifyToolBar, MagnifyInc, "ZoomIncButton");
    ZoomDecButton = button(MagnifyToolBar, MagnifyDec, "ZoomDecButton");
    MagnifyToolBar->addSeparator();
    ViewAllButton = button(MagnifyToolBar, ViewAll, "ViewAllButton");
    // The buttons follow the zoom; the actions stay on and refuse a step past the ends.
    ZoomDecButton->setEnabled(false);

    LinePropToolBar = newBar(this, "LinePropToolBar", QStringLiteral("Свойства линий"));
    LinePropToolBar->addWidget(LinesStyleList);
    LinePropToolBar->addWidget(LinesColor);
    checkButton(LinePropToolBar, EyeDropperCmd, "EyeDropperButton");

    RubberToolBar = newBar(this, "RubberToolBar", QStringLiteral("Стирание"));
    button(RubberToolBar, SimpleRubber, "RubberButton");
    RubberToolBar->addSeparator();
    button(RubberToolBar, SmartRubber, "SmartRubberButton");
    group(this, {SimpleRubber, SmartRubber}, false);
    RubberToolBar->addWidget(RubbColorNew);
    RubberToolBar->addWidget(RubbColorOld);

    FillingToolBar = newBar(this, "FillingToolBar", QStringLiteral("Штриховка"));
    button(FillingToolBar, ShowFillingWindowCmd, "FillButton");
    group(this, {ShowFillingWindowCmd}, false);
    FillingToolBar->addWidget(FillColor);

    // ---- Lower row ----
    addToolBarBreak(Qt::TopToolBarArea);

    LinesToolBar = newBar(this, "LinesToolBar", QStringLiteral("Инструменты"));
    checkButton(LinesToolBar, CreateSegmentLineCmd, "CreateLineButton");
    checkButton(LinesToolBar, CreateSolidLineCmd, "CreateSolidLineButton");
    LinesToolBar->addSeparator();
    checkButton(LinesToolBar, PointCaptureCmd, OptionButtonName(TOptionButton::PointCapt));
    LinesToolBar->addSeparator();
    button(LinesToolBar, OrthogonallyCmd, OptionButtonName(TOptionButton::Orthogonally));
    group(this, {OrthogonallyCmd}, true);

    CirclesToolBar = newBar(this, "CirclesToolBar", QStringLiteral("Окружности"));
    button(CirclesToolBar, CircleCmd, "CircleToolButton");
    button(CirclesToolBar, ArcCmd, "ArcToolButton");
    button(CirclesToolBar, CircleToPartCmd, "CircleByPartToolButton");
    button(CirclesToolBar, CircleToCirclesCmd, "ManyCircleToolButton");
    group(this, {CircleCmd, ArcCmd, CircleToPartCmd, CircleToCirclesCmd}, true);

    SixVertexToolBar = newBar(this, "SixVertexToolBar", QStringLiteral("Шестигранники"));
    checkButton(SixVertexToolBar, NormalOrientSixVertex, "SixVertexNormalToolButton");
    checkButton(SixVertexToolBar, RotatedOrientSixVertex, "SixVertexOrientedToolButton");

    FourVertexToolBar = newBar(this, "FourVertexToolBar", QStringLiteral("Прямоугольник"));
    checkButton(FourVertexToolBar, FourVertexCmd, "FourVertexToolButton");
    FourVertexToolBar->addSeparator();
    button(FourVertexToolBar, CompleteRightCmd, "RightOKToolButton");
    button(FourVertexToolBar, CompleteDownCmd, "DownOKToolButton");

    SizeToolBar = newBar(this, "SizeToolBar", QStringLiteral("Размеры"));
    checkButton(SizeToolBar, SizeLineCmd, "SizeLineButton");
    checkButton(SizeToolBar, DiametralSizeCmd, "DiametralSizeButton");
    checkButton(SizeToolBar, RadiusSizeCmd, "RadiusSizeButton");
    checkButton(SizeToolBar, RadialSizeCmd, "RadialSizeButton");
    SizeToolBar->addSeparator();
    checkButton(SizeToolBar, FreeLineCmd, "FreeLineButton");
    checkButton(SizeToolBar, FreePoint1, OptionButtonName(TOptionButton::FreePoint1));
    checkButton(SizeToolBar, FreePoint2, OptionButtonName(TOptionButton::FreePoint2));

    MirrorToolBar = newBar(this, "MirrorToolBar", QStringLiteral("Зеркальные отображения"));
    checkButton(MirrorToolBar, MirrorUpDownCmd, "MirrorUpDownToolButton");
    checkButton(MirrorToolBar, MirrorLeftRightCmd, "MirrorLeftRightToolButton");
    checkButton(MirrorToolBar, MirrorDiagonalCmd, "MirrorDiagonalToolButton");
    checkButton(MirrorToolBar, MirrorSimetricAxisCmd, "MirrorSimetricAxisToolButton");

    TextToolBar = newBar(this, "TextToolBar", QStringLiteral("Текст"));
    checkButton(TextToolBar, TextCmd, "TextToolButton");
    MarkToolBar = newBar(this, "MarkToolBar", QStringLiteral("Спецзнаки"));
    checkButton(MarkToolBar, MarkCmd, "MarkToolButton");
    DopuskToolBar = newBar(this, "DopuskToolBar", QStringLiteral("Допуск формы"));
    checkButton(DopuskToolBar, CreateDopuskTableCmd, "DopuskToolButton");
    BlockToolBar = newBar(this, "BlockToolBar", QStringLiteral("Блоки"));
    checkButton(BlockToolBar, BlockCmd, "BlockToolButton");
    InstrumentToolBar = newBar(this, "InstrumentToolBar", QStringLiteral("Инструмент"));
    checkButton(InstrumentToolBar, InstrumentCmd, "InstrumentToolButton");
}
