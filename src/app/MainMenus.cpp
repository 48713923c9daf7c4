// The main menu and the pop-up menus the tools open: every item is one of the window's
// actions, so that a menu item and a button never disagree.
#include "app/MainForm.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace {

// The items in order; a null entry is a separator.
void addItems(QMenu* menu, std::initializer_list<QAction*> items) {
    for (QAction* item : items) {
        if (item)
            menu->addAction(item);
        else
            menu->addSeparator();
    }
}

QMenu* popup(QWidget* owner, const char* name) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QLatin1String(name));
    menu->setAccessibleName(QLatin1String(name));
    return menu;
}

constexpr QAction* Separator = nullptr;

} // namespace

void TMainForm::CreateMenus() {
    QMenuBar* bar = menuBar();
    addItems(bar->addMenu(QStringLiteral("&Файл")), {CreateNewCmd, OpenCmd, SaveCmd, SaveAsCmd, Separator,
                                                     FillHead, Separator, PrintCmd, Separator, ExitCmd});
    addItems(bar->addMenu(QStringLiteral("&Правка")),
             {UndoCmd, RedoCmd, Separator, CutCmd, CopyCmd, PasteCmd, DeleteCmd, Separator, LoadFragmentCmd,
              SaveFragmentCmd});
    addItems(bar->addMenu(QStringLiteral("&Вид")), {MagnifyInc, MagnifyDec, ViewAll});

    QMenu* tools = bar->addMenu(QStringLiteral("&Инструмент"));
    addItems(tools->addMenu(QStringLiteral("Линии")),
             {CreateSegmentLineCmd, CreateSolidLineCmd, Separator, PointCaptureCmd, OrthogonallyCmd});
    addItems(tools->addMenu(QStringLiteral("Окружности")),
             {CircleCmd, ArcCmd, CircleToPartCmd, CircleToCirclesCmd});
    addItems(tools->addMenu(QStringLiteral("Прямоугольник")),
             {FourVertexCmd, Separator, CompleteRightCmd, CompleteDownCmd});
    addItems(tools->addMenu(QStringLiteral("Стереть")), {SimpleRubber, SmartRubber});
    addItems(tools->addMenu(QStringLiteral("Шестигранники")),
             {NormalOrientSixVertex, RotatedOrientSixVertex});
    addItems(tools->addMenu(QStringLiteral("Простановка размеров")),
             {SizeLineCmd, DiametralSizeCmd, RadiusSizeCmd, RadialSizeCmd, Separator, FreeLineCmd});
    addItems(tools->addMenu(QStringLiteral("Зеркальные отображения")),
             {MirrorUpDownCmd, MirrorLeftRightCmd, MirrorDiagonalCmd, MirrorSimetricAxisCmd});
    addItems(tools, {BlockCmd, CreateDopuskTableCmd, InstrumentCmd, MarkCmd, TextCmd, ShowFillingWindowCmd});

    addItems(bar->addMenu(QStringLiteral("И&зображение")), {RotateImageCmd});
    addItems(bar->addMenu(QStringLiteral("П&омощь")), {HelpCmd, Separator, AboutCmd});
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
}

void TMainForm::CreatePopupMenus() {
    CopyPopup = popup(this, "CopyPopup");
    addItems(CopyPopup,
             {CompleteCmd, CancelCmd, Separator, CutCmd, CopyCmd, PasteCmd, DeleteCmd, Separator,
              RotByAngleCmd, RotToHorizCmd, RotToVertCmd, Separator, LoadFragmentCmd, SaveFragmentCmd});
    FourVertexPopup = popup(this, "FourVertexPopup");
    addItems(FourVertexPopup,
             {CompleteRightCmd, CompleteDownCmd, Separator, UndoLastAction, Separator, DrawAxisLine});
    RotatePopup = popup(this, "RotatePopup");
    addItems(RotatePopup, {RotByAngleCmd, RotToHorizCmd, RotToVertCmd});
    FreeLinePopup = popup(this, "FreeLinePopup");
    addItems(FreeLinePopup, {FreePoint1, FreePoint2, Separator, CancelFreeLineCmd});

    // The tolerance frame's menu: finish or cancel the frame, make its table, and the
    // kind of mark its branches end in (one of three).
    DopuskPopup = popup(this, "DopuskPopup");
    auto item = [this](const char* name, const QString& caption, int tag) {
        QAction* action = DopuskPopup->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setData(tag);
        connect(action, &QAction::triggered, this, [this, action] { DopuskPopupClick(action); });
        return action;
    };
    item("DopuskComplete", QStringLiteral("Завершить"), 10);
    item("DopuskCancel", QStringLiteral("Отмена"), 11);
    item("DopuskEditTable", QStringLiteral("Создать таблицу..."), 1);
    withArrow = item("withArrow", QStringLiteral("Ответвление со стрелкой"), 3);
    withTriangle = item("withTriangle", QStringLiteral("Ответвление с треугольником"), 4);
    withoutAny = item("withoutAny", QStringLiteral("Без маркера"), 2);
    auto* branches = new QActionGroup(DopuskPopup);
    for (QAction* branch : {withArrow, withTriangle, withoutAny}) {
        branch->setCheckable(true);
        branches->addAction(branch);
    }
    withoutAny->setChecked(true);
}
