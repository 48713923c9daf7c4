#include "app/MainActions.h"

#include "app/MainForm.h"
#include "app/VerigrafApplication.h"

#include <QAction>
#include <QKeySequence>

#include <array>
#include <cstring>

namespace {

template <void (TMainForm::*Handler)()> void call(TMainForm& form, QAction&) {
    (form.*Handler)();
}
template <void (TMainForm::*Handler)(int)> void callWithTag(TMainForm& form, QAction& sender) {
    (form.*Handler)(sender.data().toInt());
}
template <void (TMainForm::*Handler)(QAction*)> void callWithSender(TMainForm& form, QAction& sender) {
    (form.*Handler)(&sender);
}

using F = TMainForm;
using L = TActionList;
using T = TToolId;
using P = TButtonPicture;
constexpr auto selectTool = &callWithSender<&F::SelectToolOfAction>;
constexpr auto optionCmd = &callWithSender<&F::OptionCmdExecute>;
constexpr auto toolCmd = &callWithSender<&F::ToolCmdExecute>;
constexpr auto rotateFragment = &callWithTag<&F::RotFragmentCmdExecute>;

// clang-format off
const std::array Rows = {
//         List           Field                       Name                      Caption                          Shortcut        Tag Handler                              At start Tool                   Tool button                     Picture
TActionRow{L::Standart,   &F::CreateNewCmd,           "CreateNewCmd",           "Созд&ать эскиз",                "Ctrl+N",       0,  &call<&F::CreateNewCmdExecute>,      true,  T::None,               "",                             P::NewSketch},
TActionRow{L::Standart,   &F::OpenCmd,                "OpenCmd",                "&Открыть",                      "Ctrl+O",       0,  &call<&F::OpenCmdExecute>,           true,  T::None,               "",                             P::Open},
TActionRow{L::Standart,   &F::SaveCmd,                "SaveCmd",                "&Сохранить",                    "Ctrl+S",       0,  &call<&F::SaveCmdExecute>,           true,  T::None,               "",                             P::Save},
TActionRow{L::Standart,   &F::SaveAsCmd,              "SaveAsCmd",              "Сохранить &как...",             "",             0,  &call<&F::SaveAsCmdExecute>,         true,  T::None,               "",                             P::None},
TActionRow{L::Standart,   &F::PrintCmd,               "PrintCmd",               "&Печать...",                    "Ctrl+P",       0,  &call<&F::PrintCmdExecute>,          true,  T::None,               "",                             P::Print},
TActionRow{L::Standart,   &F::ExitCmd,                "ExitCmd",                "В&ыход",                        "",             0,  &call<&F::ExitCmdExecute>,           true,  T::None,               "",                             P::None},
TActionRow{L::Standart,   &F::UndoCmd,                "UndoCmd",                "&Отменить",                     "Ctrl+Z",       0,  &call<&F::UndoCmdExecute>,           false, T::None,               "",                             P::Undo},
TActionRow{L::Standart,   &F::RedoCmd,                "RedoCmd",                "&Повторить",                    "Ctrl+Shift+Z", 0,  &call<&F::RedoCmdExecute>,           false, T::None,               "",                             P::Redo},
TActionRow{L::Standart,   &F::CutCmd,                 "CutCmd",                 "&Вырезать",                     "Ctrl+X",       1,  &callWithTag<&F::EditExecute>,       true,  T::Marquee,            "",                             P::Cut},
TActionRow{L::Standart,   &F::CopyCmd,                "CopyCmd",                "&Копировать",                   "Ctrl+C",       2,  &callWithTag<&F::EditExecute>,       true,  T::Marquee,            "",                             P::Copy},
TActionRow{L::Standart,   &F::PasteCmd,               "PasteCmd",               "Вст&авить",                     "Ctrl+V",       3,  &callWithTag<&F::EditExecute>,       true,  T::Marquee,            "",                             P::Paste},
TActionRow{L::Standart,   &F::DeleteCmd,              "DeleteCmd",              "О&чистить",                     "Del",          4,  &callWithTag<&F::EditExecute>,       true,  T::Marquee,            "",                             P::Delete},
TActionRow{L::Standart,   &F::MagnifyInc,             "MagnifyInc",             "Увеличить",                     "Ctrl+I",       1,  &callWithTag<&F::SelMagnify>,        true,  T::None,               "",                             P::ZoomIn},
TActionRow{L::Standart,   &F::MagnifyDec,             "MagnifyDec",             "Уменьшить",                     "Ctrl+U",       2,  &callWithTag<&F::SelMagnify>,        true,  T::None,               "",                             P::ZoomOut},
TActionRow{L::Standart,   &F::ViewAll,                "ViewAll",                "Увидеть все",                   "",             0,  &call<&F::ViewAllExecute>,           false, T::None,               "",                             P::ViewAll},
TActionRow{L::Standart,   &F::MarqueeCmd,             "MarqueeCmd",             "Marquee",                       "",             0,  &call<&F::MarqueeCmdExecute>,        true,  T::Marquee,            "MarqueeToolButton",            P::Marquee},
TActionRow{L::Standart,   &F::SetTransparentCmd,      "SetTransparentCmd",      "SetTransparent",                "",             0,  optionCmd,                           false, T::Marquee,            "",                             P::Transparent},
TActionRow{L::Standart,   &F::AboutCmd,               "AboutCmd",               "&О программе...",               "",             0,  &call<&F::AboutCmdExecute>,          true,  T::None,               "",                             P::None},
TActionRow{L::Standart,   &F::HelpCmd,                "HelpCmd",                "Справка по Вериграфу",          "F1",           0,  &call<&F::HelpCmdExecute>,           true,  T::None,               "",                             P::Help},
TActionRow{L::Standart,   &F::CompleteCmd,            "CompleteCmd",            "Завершить",                     "",             0,  &call<&F::CompleteCmdExecute>,       true,  T::None,               "",                             P::None},
TActionRow{L::Standart,   &F::CancelCmd,              "CancelCmd",              "Отмена",                        "",             0,  &call<&F::CancelCmdExecute>,         true,  T::None,               "",                             P::None},
TActionRow{L::Standart,   &F::LoadFragmentCmd,        "LoadFragmentCmd",        "Загрузить фрагмент",            "",             0,  &call<&F::LoadFragmentCmdExecute>,   true,  T::Marquee,            "",                             P::LoadFragment},
TActionRow{L::Standart,   &F::SaveFragmentCmd,        "SaveFragmentCmd",        "Сохранить фрагмент",            "",             0,  &call<&F::SaveFragmentCmdExecute>,   false, T::Marquee,            "",                             P::SaveFragment},
TActionRow{L::Standart,   &F::RotateImageCmd,         "RotateImageCmd",         "&Повернуть",                    "",             0,  &call<&F::RotateImageCmdExecute>,    true,  T::RotateImage,        "",                             P::RotateImage},
TActionRow{L::Standart,   &F::RotByAngleCmd,          "RotByAngleCmd",          "Повернуть на угол",             "",             1,  rotateFragment,                      true,  T::Marquee,            "",                             P::RotateByAngle},
TActionRow{L::Standart,   &F::RotToHorizCmd,          "RotToHorizCmd",          "Повернуть до горизонтальности", "",             2,  rotateFragment,                      true,  T::Marquee,            "",                             P::None},
TActionRow{L::Standart,   &F::RotToVertCmd,           "RotToVertCmd",           "Повернуть до вертикальности",   "",             3,  rotateFragment,                      true,  T::Marquee,            "",                             P::None},

TActionRow{L::Tools,      &F::NormalOrientSixVertex,  "NormalOrientSixVertex",  "Шестигранник",                  "",             0,  selectTool,                          true,  T::SixVertex,          "SixVertexNormalToolButton",    P::SixVertexNormal},
TActionRow{L::Tools,      &F::RotatedOrientSixVertex, "RotatedOrientSixVertex", "Шестигранник",                  "",             1,  selectTool,                          true,  T::SixVertex,          "SixVertexOrientedToolButton",  P::SixVertexRotated},
TActionRow{L::Tools,      &F::CreateSegmentLineCmd,   "CreateSegmentLineCmd",   "Ломаная линия",                 "",             1,  selectTool,                          true,  T::SegmentLine,        "CreateLineButton",             P::SegmentLine},
TActionRow{L::Tools,      &F::CreateSolidLineCmd,     "CreateSolidLineCmd",     "Кривая линия",                  "",             2,  selectTool,                          true,  T::SmoothLine,         "CreateSolidLineButton",        P::SmoothLine},
TActionRow{L::Tools,      &F::TextCmd,                "TextCmd",                "Текст",                         "",             0,  selectTool,                          true,  T::Text,               "TextToolButton",               P::Text},
TActionRow{L::Tools,      &F::SimpleRubber,           "SimpleRubber",           "Резинка",                       "",             1,  selectTool,                          true,  T::Rubber,             "RubberButton",                 P::Rubber},
TActionRow{L::Tools,      &F::SmartRubber,            "SmartRubber",            "Перекраска",                    "",             2,  selectTool,                          true,  T::SmartRubber,        "SmartRubberButton",            P::SmartRubber},
TActionRow{L::Tools,      &F::CircleCmd,              "CircleCmd",              "Окружность",                    "",             1,  selectTool,                          true,  T::Circle,             "CircleToolButton",             P::Circle},
TActionRow{L::Tools,      &F::ArcCmd,                 "ArcCmd",                 "Дуги",                          "",             2,  selectTool,                          true,  T::Arc,                "ArcToolButton",                P::Arc},
TActionRow{L::Tools,      &F::CircleToPartCmd,        "CircleToPartCmd",        "Окружность на части",           "",             3,  selectTool,                          true,  T::DivCircleByPart,    "CircleByPartToolButton",       P::CircleByPart},
TActionRow{L::Tools,      &F::CircleToCirclesCmd,     "CircleToCirclesCmd",     "Много окружностей",             "",             4,  selectTool,                          true,  T::DivCircleByCircle,  "ManyCircleToolButton",         P::ManyCircles},
TActionRow{L::Tools,      &F::PointCaptureCmd,        "PointCaptureCmd",        "Привязка линии",                "",             0,  optionCmd,                           false, T::SegmentLine,        "",                             P::PointCapture},
TActionRow{L::Tools,      &F::OrthogonallyCmd,        "OrthogonallyCmd",        "Ортогонально",                  "",             1,  optionCmd,                           false, T::SegmentLine,        "",                             P::Orthogonally},
TActionRow{L::Tools,      &F::ShowFillingWindowCmd,   "ShowFillingWindowCmd",   "Штриховка",                     "",             0,  selectTool,                          true,  T::Filling,            "FillButton",                   P::Filling},
TActionRow{L::Tools,      &F::MirrorUpDownCmd,        "MirrorUpDownCmd",        "Окно зеркально верх-низ",       "",             1,  selectTool,                          true,  T::MirrorUpDown,       "MirrorUpDownToolButton",       P::MirrorUpDown},
TActionRow{L::Tools,      &F::MirrorLeftRightCmd,     "MirrorLeftRightCmd",     "Окно зеркально право-лево",     "",             2,  selectTool,                          true,  T::MirrorLeftRight,    "MirrorLeftRightToolButton",    P::MirrorLeftRight},
TActionRow{L::Tools,      &F::MirrorDiagonalCmd,      "MirrorDiagonalCmd",      "Поворот окна на 90 градусов",   "",             3,  selectTool,                          true,  T::MirrorDiagonal,     "MirrorDiagonalToolButton",     P::MirrorDiagonal},
TActionRow{L::Tools,      &F::MirrorSimetricAxisCmd,  "MirrorSimetricAxisCmd",  "Зеркально относительно оси",    "",             4,  selectTool,                          true,  T::MirrorSimetricAxis, "MirrorSimetricAxisToolButton", P::MirrorAxis},
TActionRow{L::Tools,      &F::BlockCmd,               "BlockCmd",               "Блоки",                         "",             0,  selectTool,                          true,  T::Block,              "BlockToolButton",              P::Block},
TActionRow{L::Tools,      &F::InstrumentCmd,          "InstrumentCmd",          "Инструмент",                    "",             0,  selectTool,                          true,  T::Instrument,         "InstrumentToolButton",         P::Instrument},
TActionRow{L::Tools,      &F::EyeDropperCmd,          "EyeDropperCmd",          "Пипетка",                       "",             0,  selectTool,                          true,  T::EyeDropper,         "EyeDropperButton",             P::EyeDropper},
TActionRow{L::Tools,      &F::SizeLineCmd,            "SizeLineCmd",            "Линейный размер",               "",             1,  selectTool,                          true,  T::SizeLine,           "SizeLineButton",               P::SizeLine},
TActionRow{L::Tools,      &F::DiametralSizeCmd,       "DiametralSizeCmd",       "Диаметр",                       "",             2,  selectTool,                          true,  T::DiametralSize,      "DiametralSizeButton",          P::DiametralSize},
TActionRow{L::Tools,      &F::RadiusSizeCmd,          "RadiusSizeCmd",          "Радиус",                        "",             3,  selectTool,                          true,  T::RadiusSize,         "RadiusSizeButton",             P::RadiusSize},
TActionRow{L::Tools,      &F::RadialSizeCmd,          "RadialSizeCmd",          "Угловой размер",                "",             4,  selectTool,                          true,  T::RadialSize,         "RadialSizeButton",             P::RadialSize},
TActionRow{L::Tools,      &F::FreeLineCmd,            "FreeLineCmd",            "Размер на выноске",             "",             5,  selectTool,                          true,  T::FreeLine,           "FreeLineButton",               P::FreeLine},
TActionRow{L::Tools,      &F::FreePoint1,             "FreePoint1",             "Стрелка в начале линии",        "",             1,  optionCmd,                           false, T::FreeLine,           "",                             P::FreePoint1},
TActionRow{L::Tools,      &F::FreePoint2,             "FreePoint2",             "Стрелка в конце линии",         "",             2,  optionCmd,                           false, T::FreeLine,           "",                             P::FreePoint2},
TActionRow{L::Tools,      &F::CancelFreeLineCmd,      "CancelFreeLineCmd",      "Отказ от точки",                "",             3,  toolCmd,                             true,  T::FreeLine,           "",                             P::None},
TActionRow{L::Tools,      &F::MarkCmd,                "MarkCmd",                "Спецзнаки",                     "",             0,  selectTool,                          true,  T::Mark,               "MarkToolButton",               P::Mark},
TActionRow{L::Tools,      &F::CreateDopuskTableCmd,   "CreateDopuskTableCmd",   "Допуск формы",                  "",             0,  selectTool,                          true,  T::Dopusk,             "DopuskToolButton",             P::Dopusk},

TActionRow{L::FourVertex, &F::FourVertexCmd,          "FourVertexCmd",          "Прямоугольник",                 "",             0,  selectTool,                          true,  T::FourVertex,         "FourVertexToolButton",         P::FourVertex},
TActionRow{L::FourVertex, &F::UndoLastAction,         "UndoLastAction",         "Отменить действие",             "",             8,  toolCmd,                             true,  T::FourVertex,         "",                             P::None},
TActionRow{L::FourVertex, &F::DrawAxisLine,           "DrawAxisLine",           "Провести осевую линию",         "",             9,  toolCmd,                             true,  T::FourVertex,         "",                             P::None},
TActionRow{L::FourVertex, &F::CompleteRightCmd,       "CompleteRightCmd",       "Завершение вправо",             "",             10, toolCmd,                             false, T::FourVertex,         "",                             P::CompleteRight},
TActionRow{L::FourVertex, &F::CompleteDownCmd,        "CompleteDownCmd",        "Завершение вниз",               "",             11, toolCmd,                             false, T::FourVertex,         "",                             P::CompleteDown},
};
// clang-format on

} // namespace

std::span<const TActionRow> MainActionRows() {
    return Rows;
}

const TActionRow* MainActionRow(const QAction* action) {
    if (!action) return nullptr;
    const QByteArray name = action->objectName().toUtf8();
    for (const TActionRow& row : Rows)
        if (name == row.Name) return &row;
    return nullptr;
}

void TMainForm::CreateActions() {
    for (const TActionRow& row : Rows) {
        auto* action = new QAction(QString::fromUtf8(row.Caption), this);
        action->setObjectName(QLatin1String(row.Name));
        if (*row.Shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.Shortcut)));
        action->setData(row.Tag);
        action->setIcon(ButtonPicture(row.Picture));
        action->setEnabled(row.EnabledAtStart && ToolAvailable(row.Tool));
        this->*row.Field = action;
        switch (row.List) {
        case TActionList::Standart:
            StandartActions.append(action);
            break;
        case TActionList::Tools:
            ToolsActions.append(action);
            break;
        case TActionList::FourVertex:
            FourVertexActions.append(action);
            break;
        }
        // On the window itself, so that the shortcuts work whether or not a menu or a
        // button shows the action.
        addAction(action);
        // Commands that only the tool they act on can carry out get their handler with
        // that tool.
        const TActionHandler handler = row.Handler;
        if (handler)
            connect(action, &QAction::triggered, this, [this, handler, action] {
                TVerigrafApplication::RunCommand([&] { handler(*this, *action); });
            });
    }

    // The hints that say more than the caption.
    CreateSegmentLineCmd->setToolTip(QStringLiteral("Создать ломаную линию"));
    CreateSolidLineCmd->setToolTip(QStringLiteral("Создать кривую линию"));
    BlockCmd->setToolTip(QStringLiteral("Создание блоков"));
    CompleteRightCmd->setToolTip(QStringLiteral("Завершение"));
    CompleteDownCmd->setToolTip(QStringLiteral("Завершение"));

    FillHead = new QAction(QStringLiteral("Заполнить шапку"), this);
    FillHead->setObjectName(QStringLiteral("FillHead"));
    addAction(FillHead);
    connect(FillHead, &QAction::triggered, this,
            [this] { TVerigrafApplication::RunCommand([this] { FillHeadClick(); }); });
}
