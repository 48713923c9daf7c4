// The main window's commands as the user meets them: every action with its caption,
// shortcut and tag in its list, the menus in their order, the sixteen tool bars with
// their buttons, and undo, redo and the close question after a change made by a tool.
#include "AppTestSupport.h"

#include "app/ToolCatalogue.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"
#include "tools/base/TechBase.h"
#include "tools/base/ToolSwitch.h"

#include <QAccessible>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace app_testing;

namespace {

enum ListOf { Std, Tools, Rect };

struct TExpectedAction {
    ListOf List;
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    int Tag;
    bool EnabledAtStart;
    // The tool without which the command can do nothing.
    TToolId Needs;
};

// As the program's documentation lists them.
const TExpectedAction Expected[] = {
    {Std, "CreateNewCmd", "Созд&ать эскиз", "Ctrl+N", 0, true, TToolId::None},
    {Std, "OpenCmd", "&Открыть", "Ctrl+O", 0, true, TToolId::None},
    {Std, "SaveCmd", "&Сохранить", "Ctrl+S", 0, true, TToolId::None},
    {Std, "SaveAsCmd", "Сохранить &как...", "", 0, true, TToolId::None},
    {Std, "PrintCmd", "&Печать...", "Ctrl+P", 0, true, TToolId::None},
    {Std, "ExitCmd", "В&ыход", "", 0, true, TToolId::None},
    {Std, "UndoCmd", "&Отменить", "Ctrl+Z", 0, false, TToolId::None},
    {Std, "RedoCmd", "&Повторить", "Ctrl+Shift+Z", 0, false, TToolId::None},
    {Std, "CutCmd", "&Вырезать", "Ctrl+X", 1, true, TToolId::Marquee},
    {Std, "CopyCmd", "&Копировать", "Ctrl+C", 2, true, TToolId::Marquee},
    {Std, "PasteCmd", "Вст&авить", "Ctrl+V", 3, true, TToolId::Marquee},
    {Std, "DeleteCmd", "О&чистить", "Del", 4, true, TToolId::Marquee},
    {Std, "MagnifyInc", "Увеличить", "Ctrl+I", 1, true, TToolId::None},
    {Std, "MagnifyDec", "Уменьшить", "Ctrl+U", 2, true, TToolId::None},
    {Std, "ViewAll", "Увидеть все", "", 0, false, TToolId::None},
    {Std, "MarqueeCmd", "Marquee", "", 0, true, TToolId::Marquee},
    {Std, "SetTransparentCmd", "SetTransparent", "", 0, false, TToolId::Marquee},
    {Std, "AboutCmd", "&О программе...", "", 0, true, TToolId::None},
    {Std, "HelpCmd", "Справка по Вериграфу", "F1", 0, true, TToolId::None},
    {Std, "CompleteCmd", "Завершить", "", 0, true, TToolId::None},
    {Std, "CancelCmd", "Отмена", "", 0, true, TToolId::None},
    {Std, "LoadFragmentCmd", "Загрузить фрагмент", "", 0, true, TToolId::Marquee},
    {Std, "SaveFragmentCmd", "Сохранить фрагмент", "", 0, false, TToolId::Marquee},
    {Std, "RotateImageCmd", "&Повернуть", "", 0, true, TToolId::RotateImage},
    {Std, "RotByAngleCmd", "Повернуть на угол", "", 1, true, TToolId::Marquee},
    {Std, "RotToHorizCmd", "Повернуть до горизонтальности", "", 2, true, TToolId::Marquee},
    {Std, "RotToVertCmd", "Повернуть до вертикальности", "", 3, true, TToolId::Marquee},
    {Tools, "NormalOrientSixVertex", "Шестигранник", "", 0, true, TToolId::SixVertex},
    {Tools, "RotatedOrientSixVertex", "Шестигранник", "", 1, true, TToolId::SixVertex},
    {Tools, "CreateSegmentLineCmd", "Ломаная линия", "", 1, true, TToolId::SegmentLine},
    {Tools, "CreateSolidLineCmd", "Кривая линия", "", 2, true, TToolId::SmoothLine},
    {Tools, "TextCmd", "Текст", "", 0, true, TToolId::Text},
    {Tools, "SimpleRubber", "Резинка", "", 1, true, TToolId::Rubber},
    {Tools, "SmartRubber", "Перекраска", "", 2, true, TToolId::SmartRubber},
    {Tools, "CircleCmd", "Окружность", "", 1, true, TToolId::Circle},
    {Tools, "ArcCmd", "Дуги", "", 2, true, TToolId::Arc},
    {Tools, "CircleToPartCmd", "Окружность на части", "", 3, true, TToolId::DivCircleByPart},
    {Tools, "CircleToCirclesCmd", "Много окружностей", "", 4, true, TToolId::DivCircleByCircle},
    {Tools, "PointCaptureCmd", "Привязка линии", "", 0, false, TToolId::SegmentLine},
    {Tools, "OrthogonallyCmd", "Ортогонально", "", 1, false, TToolId::SegmentLine},
    {Tools, "ShowFillingWindowCmd", "Штриховка", "", 0, true, TToolId::Filling},
    {Tools, "MirrorUpDownCmd", "Окно зеркально верх-низ", "", 1, true, TToolId::MirrorUpDown},
    {Tools, "MirrorLeftRightCmd", "Окно зеркально право-лево", "", 2, true, TToolId::MirrorLeftRight},
    {Tools, "MirrorDiagonalCmd", "Поворот окна на 90 градусов", "", 3, true, TToolId::MirrorDiagonal},
    {Tools, "MirrorSimetricAxisCmd", "Зеркально относительно оси", "", 4, true, TToolId::MirrorSimetricAxis},
    {Tools, "BlockCmd", "Блоки", "", 0, true, TToolId::Block},
    {Tools, "InstrumentCmd", "Инструмент", "", 0, true, TToolId::Instrument},
    {Tools, "EyeDropperCmd", "Пипетка", "", 0, true, TToolId::EyeDropper},
    {Tools, "SizeLineCmd", "Линейный размер", "", 1, true, TToolId::SizeLine},
    {Tools, "DiametralSizeCmd", "Диаметр", "", 2, true, TToolId::DiametralSize},
    {Tools, "RadiusSizeCmd", "Радиус", "", 3, true, TToolId::RadiusSize},
    {Tools, "RadialSizeCmd", "Угловой размер", "", 4, true, TToolId::RadialSize},
    {Tools, "FreeLineCmd", "Размер на выноске", "", 5, true, TToolId::FreeLine},
    {Tools, "FreePoint1", "Стрелка в начале линии", "", 1, false, TToolId::FreeLine},
    {Tools, "FreePoint2", "Стрелка в конце линии", "", 2, false, TToolId::FreeLine},
    {Tools, "CancelFreeLineCmd", "Отказ от точки", "", 3, true, TToolId::FreeLine},
    {Tools, "MarkCmd", "Спецзнаки", "", 0, true, TToolId::Mark},
    {Tools, "CreateDopuskTableCmd", "Допуск формы", "", 0, true, TToolId::Dopusk},
    {Rect, "FourVertexCmd", "Прямоугольник", "", 0, true, TToolId::FourVertex},
    {Rect, "UndoLastAction", "Отменить действие", "", 8, true, TToolId::FourVertex},
    {Rect, "DrawAxisLine", "Провести осевую линию", "", 9, true, TToolId::FourVertex},
    {Rect, "CompleteRightCmd", "Завершение вправо", "", 10, false, TToolId::FourVertex},
    {Rect, "CompleteDownCmd", "Завершение вниз", "", 11, false, TToolId::FourVertex},
};

// The items of a menu by name; "-" for a separator, "[title]" for a sub-menu.
QStringList itemsOf(const QMenu* menu) {
    QStringList items;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator())
            items << QStringLiteral("-");
        else if (item->menu())
            items << QLatin1Char('[') + item->text() + QLatin1Char(']');
        else
            items << item->objectName();
    }
    return items;
}

QMenu* menuTitled(QWidget* parent, const QString& title) {
    for (QMenu* menu : parent->findChildren<QMenu*>())
        if (menu->title() == title) return menu;
    return nullptr;
}

// A tool that draws one black pixel where it is clicked, as a finished figure does.
class TDotTool : public TTechBase {
  public:
    TDotTool() { CursorId = 2; }
    void LeftButton(gdi::Point point, TShiftState, bool released) override {
        if (released) return;
        RecordUndo();
        DocDC->setPixel(point.x, point.y, 0);
        Repaint();
    }
    QString GetPrompt() override { return QStringLiteral("Точка"); }
};

} // namespace

TEST(MainActions, EveryActionOfTheThreeListsWithItsCaptionShortcutTagAndStartingState) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    const QList<QAction*>* lists[] = {&form.StandartActions, &form.ToolsActions, &form.FourVertexActions};
    int counts[3] = {0, 0, 0};
    for (const TExpectedAction& expected : Expected) {
        SCOPED_TRACE(expected.Name);
        auto* action = form.findChild<QAction*>(QLatin1String(expected.Name));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(expected.Caption));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(expected.Shortcut)));
        EXPECT_EQ(action->data().toInt(), expected.Tag);
        const QList<QAction*>& list = *lists[expected.List];
        EXPECT_EQ(list.indexOf(action), counts[expected.List]++) << "in its list, in order";
        const bool usable = expected.Needs == TToolId::None || ToolAvailable(expected.Needs);
        // Once the window is active the edit actions follow the marquee and the
        // clipboard instead (PasteFollowsTheClipboardWhenTheWindowIsActivated).
        const bool followsEditing = action == form.CutCmd || action == form.CopyCmd ||
                                    action == form.PasteCmd || action == form.DeleteCmd;
        if (!followsEditing || !form.isActiveWindow()) {
            EXPECT_EQ(action->isEnabled(), expected.EnabledAtStart && usable);
        }
        // Shown with a picture where it has a button.
        for (QToolBar* bar : form.ToolBars()) {
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
                EXPECT_FALSE(button->icon().isNull());
            }
        }
    }
    EXPECT_EQ(form.StandartActions.size(), counts[Std]);
    EXPECT_EQ(form.ToolsActions.size(), counts[Tools]);
    EXPECT_EQ(form.FourVertexActions.size(), counts[Rect]);
    // The Delete key is the delete command's.
    EXPECT_EQ(form.DeleteCmd->shortcut(), QKeySequence(Qt::Key_Delete));
}

TEST(MainActions, TheMenusListTheCommandsInTheirOrder) {
    TMainFormSetup setup;
    QMenuBar* bar = setup.Form().menuBar();
    QStringList titles;
    for (const QAction* menu : bar->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&Файл", "&Правка", "&Вид", "&Инструмент", "И&зображение", "П&омощь"}));

    const std::pair<const char*, QStringList> menus[] = {
        {"&Файл",
         {"CreateNewCmd", "OpenCmd", "SaveCmd", "SaveAsCmd", "-", "FillHead", "-", "PrintCmd", "-",
          "ExitCmd"}},
        {"&Правка",
         {"UndoCmd", "RedoCmd", "-", "CutCmd", "CopyCmd", "PasteCmd", "DeleteCmd", "-", "LoadFragmentCmd",
          "SaveFragmentCmd"}},
        {"&Вид", {"MagnifyInc", "MagnifyDec", "ViewAll"}},
        {"&Инструмент",
         {"[Линии]", "[Окружности]", "[Прямоугольник]", "[Стереть]", "[Шестигранники]",
          "[Простановка размеров]", "[Зеркальные отображения]", "BlockCmd", "CreateDopuskTableCmd",
          "InstrumentCmd", "MarkCmd", "TextCmd", "ShowFillingWindowCmd"}},
        {"Линии", {"CreateSegmentLineCmd", "CreateSolidLineCmd", "-", "PointCaptureCmd", "OrthogonallyCmd"}},
        {"Окружности", {"CircleCmd", "ArcCmd", "CircleToPartCmd", "CircleToCirclesCmd"}},
        {"Прямоугольник", {"FourVertexCmd", "-", "CompleteRightCmd", "CompleteDownCmd"}},
        {"Стереть", {"SimpleRubber", "SmartRubber"}},
        {"Шестигранники", {"NormalOrientSixVertex", "RotatedOrientSixVertex"}},
        {"Простановка размеров",
         {"SizeLineCmd", "DiametralSizeCmd", "RadiusSizeCmd", "RadialSizeCmd", "-", "FreeLineCmd"}},
        {"Зеркальные отображения",
         {"MirrorUpDownCmd", "MirrorLeftRightCmd", "MirrorDiagonalCmd", "MirrorSimetricAxisCmd"}},
        {"И&зображение", {"RotateImageCmd"}},
        {"П&омощь", {"HelpCmd", "-", "AboutCmd"}},
    };
    for (const auto& [title, items] : menus) {
        QMenu* menu = menuTitled(bar, QString::fromUtf8(title));
        ASSERT_NE(menu, nullptr) << title;
        EXPECT_EQ(itemsOf(menu), items) << title;
    }

    const std::pair<const char*, QStringList> popups[] = {
        {"CopyPopup",
         {"CompleteCmd", "CancelCmd", "-", "CutCmd", "CopyCmd", "PasteCmd", "DeleteCmd", "-", "RotByAngleCmd",
          "RotToHorizCmd", "RotToVertCmd", "-", "LoadFragmentCmd", "SaveFragmentCmd"}},
        {"FourVertexPopup",
         {"CompleteRightCmd", "CompleteDownCmd", "-", "UndoLastAction", "-", "DrawAxisLine"}},
        {"RotatePopup", {"RotByAngleCmd", "RotToHorizCmd", "RotToVertCmd"}},
        {"FreeLinePopup", {"FreePoint1", "FreePoint2", "-", "CancelFreeLineCmd"}},
        {"DopuskPopup",
         {"DopuskComplete", "DopuskCancel", "DopuskEditTable", "withArrow", "withTriangle", "withoutAny"}},
    };
    for (const auto& [name, items] : popups) {
        auto* menu = setup.Form().findChild<QMenu*>(QLatin1String(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(itemsOf(menu), items) << name;
    }
    // The tolerance frame's branches end in one kind of mark, none at first.
    EXPECT_TRUE(setup.Form().withoutAny->isChecked());
    setup.Form().withArrow->trigger();
    EXPECT_TRUE(setup.Form().withArrow->isChecked());
    EXPECT_FALSE(setup.Form().withoutAny->isChecked());
}

TEST(MainActions, SixteenToolBarsInTwoRowsWithTheirButtons) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    const std::pair<const char*, QStringList> bars[] = {
        {"StandartToolBar",
         {"CreateButton", "OpenButton", "SaveButton", "-", "PrintButton", "-", "CutButton", "CopyButton",
          "PasteButton", "MarqueeToolButton", "TransparenToolButton", "-", "UndoButton", "RedoButton"}},
        {"MagnifyToolBar", {"ZoomIncButton", "ZoomDecButton", "-", "ViewAllButton"}},
        {"LinePropToolBar", {"LinesStyleList", "LinesColor", "EyeDropperButton"}},
        {"RubberToolBar", {"RubberButton", "-", "SmartRubberButton", "RubbColorNew", "RubbColorOld"}},
        {"FillingToolBar", {"FillButton", "FillColor"}},
        {"LinesToolBar",
         {"CreateLineButton", "CreateSolidLineButton", "-", "PointCaptButton", "-",
          "OrthogonallyToolButton"}},
        {"CirclesToolBar",
         {"CircleToolButton", "ArcToolButton", "CircleByPartToolButton", "ManyCircleToolButton"}},
        {"SixVertexToolBar", {"SixVertexNormalToolButton", "SixVertexOrientedToolButton"}},
        {"FourVertexToolBar", {"FourVertexToolButton", "-", "RightOKToolButton", "DownOKToolButton"}},
        {"SizeToolBar",
         {"SizeLineButton", "DiametralSizeButton", "RadiusSizeButton", "RadialSizeButton", "-",
          "FreeLineButton", "FreePoint1Button", "FreePoint2Button"}},
        {"MirrorToolBar",
         {"MirrorUpDownToolButton", "MirrorLeftRightToolButton", "MirrorDiagonalToolButton",
          "MirrorSimetricAxisToolButton"}},
        {"TextToolBar", {"TextToolButton"}},
        {"MarkToolBar", {"MarkToolButton"}},
        {"DopuskToolBar", {"DopuskToolButton"}},
        {"BlockToolBar", {"BlockToolButton"}},
        {"InstrumentToolBar", {"InstrumentToolButton"}},
    };
    ASSERT_EQ(form.ToolBars().size(), 16);
    QList<int> rows;
    for (const auto& [name, buttons] : bars) {
        SCOPED_TRACE(name);
        auto* bar = form.findChild<QToolBar*>(QLatin1String(name));
        ASSERT_NE(bar, nullptr);
        QStringList seen;
        for (QAction* item : bar->actions())
            seen << (item->isSeparator() ? QStringLiteral("-") : bar->widgetForAction(item)->objectName());
        EXPECT_EQ(seen, buttons);
        // Screen readers and test drivers find every control by its name.
        for (QAction* item : bar->actions()) {
            if (QWidget* widget = bar->widgetForAction(item); widget && !item->isSeparator()) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                ASSERT_NE(accessible, nullptr);
                EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                    << widget->objectName().toStdString();
            }
        }
        if (!rows.contains(bar->y())) rows << bar->y();
    }
    EXPECT_EQ(rows.size(), 2) << "two rows";
    EXPECT_EQ(form.StandartToolBar->y(), form.FillingToolBar->y());
    EXPECT_EQ(form.LinesToolBar->y(), form.InstrumentToolBar->y());
    EXPECT_GT(form.LinesToolBar->y(), form.StandartToolBar->y());

    auto button = [&form](const char* name) { return form.findChild<QToolButton*>(QLatin1String(name)); };
    // Tool buttons stay down while their tool is current; the option buttons start disabled.
    for (const char* name :
         {"CreateLineButton", "MarqueeToolButton", "CircleToolButton", "FillButton",
          "MirrorDiagonalToolButton", "BlockToolButton", "FreeLineButton", "FreePoint2Button",
          "FourVertexToolButton", "EyeDropperButton", "SmartRubberButton"})
        EXPECT_TRUE(button(name)->isCheckable()) << name;
    for (const char* name : {"CreateButton", "ZoomIncButton", "RightOKToolButton", "UndoButton"})
        EXPECT_FALSE(button(name)->isCheckable()) << name;
    for (const char* name : {"TransparenToolButton", "PointCaptButton", "OrthogonallyToolButton",
                             "ZoomDecButton", "FreePoint1Button", "FreePoint2Button"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    // The circle buttons are one group that may be all up; the eraser buttons one that may not.
    QActionGroup* circles = form.CircleCmd->actionGroup();
    ASSERT_NE(circles, nullptr);
    EXPECT_EQ(circles->actions().size(), 4);
    EXPECT_EQ(circles->exclusionPolicy(), QActionGroup::ExclusionPolicy::ExclusiveOptional);
    ASSERT_NE(form.SmartRubber->actionGroup(), nullptr);
    EXPECT_EQ(form.SmartRubber->actionGroup(), form.SimpleRubber->actionGroup());
    EXPECT_EQ(form.SmartRubber->actionGroup()->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    EXPECT_EQ(button("CreateLineButton")->toolTip(), "Создать ломаную линию");
    EXPECT_EQ(button("BlockToolButton")->toolTip(), "Создание блоков");
}

TEST(MainActions, AChangeMadeByAToolCanBeUndoneAndRedoneAndIsAskedAboutOnClosing) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(200, 100);
    EXPECT_FALSE(form.UndoCmd->isEnabled());

    // Unmodified: closing asks nothing.
    EXPECT_TRUE(form.close());
    form.show();

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    SelectTool(ToolClass<TDotTool>, nullptr, nullptr);
    QTest::mouseClick(form.DrawSurf, Qt::LeftButton, {}, QPoint(10, 20));
    ASSERT_EQ(DocDC->getPixel(10, 20), 0u);
    EXPECT_TRUE(form.UndoCmd->isEnabled());
    EXPECT_FALSE(form.RedoCmd->isEnabled());

    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DocDC->getPixel(10, 20), 0xFFFFFFu);
    EXPECT_TRUE(form.RedoCmd->isEnabled());
    form.RedoCmd->trigger();
    EXPECT_EQ(DocDC->getPixel(10, 20), 0u);

    TSeenBox asked;
    AnswerModal(PressInBox(QMessageBox::Cancel, &asked));
    form.ExitCmd->trigger();
    ASSERT_TRUE(asked.Seen);
    EXPECT_EQ(asked.Text, "Сохранить изменения?");
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(CurrentTool, nullptr) << "the tool stays while the window does";

    AnswerModal(PressInBox(QMessageBox::No, nullptr));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(CurrentTool, nullptr);
}

TEST(MainActions, PasteFollowsTheClipboardWhenTheWindowIsActivated) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    QGuiApplication::clipboard()->clear();
    // Another window has the user's attention while the paste command looks usable.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.PasteCmd->setEnabled(true);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_FALSE(form.PasteCmd->isEnabled());
    // No marquee current: nothing to cut, copy or delete.
    EXPECT_FALSE(form.CutCmd->isEnabled());
    EXPECT_FALSE(form.CopyCmd->isEnabled());
    EXPECT_FALSE(form.DeleteCmd->isEnabled());

    // A bitmap on the clipboard can be pasted, as far as there is a marquee to take it.
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    form.RefreshEditActions();
    EXPECT_EQ(form.PasteCmd->isEnabled(), ToolAvailable(TToolId::Marquee));
    QGuiApplication::clipboard()->clear();
}
