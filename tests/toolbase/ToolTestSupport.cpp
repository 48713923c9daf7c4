#include "ToolTestSupport.h"

#include "tools/base/BttnStateStorage.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolSwitch.h"

#include "document/DrawingUtils.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <algorithm>

// ---- Journal ---------------------------------------------------------------------------------

std::vector<std::string> Journal;

void Note(const std::string& entry) {
    Journal.push_back(entry);
}

int JournalIndex(const std::string& entry) {
    const auto it = std::find(Journal.begin(), Journal.end(), entry);
    return it == Journal.end() ? -1 : int(it - Journal.begin());
}

int JournalCount(const std::string& entry) {
    return int(std::count(Journal.begin(), Journal.end(), entry));
}

namespace {

std::string pointText(gdi::Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string buttonText(const char* button, gdi::Point p, TShiftState shift, bool released) {
    std::string text = std::string(button) + " " + pointText(p) + (released ? " up" : " down");
    if (shift & ssLeft) text += " +left";
    if (shift & ssRight) text += " +right";
    if (shift & ssCtrl) text += " +ctrl";
    return text;
}

// Every toggle of a tool-bar action goes into the journal.
QAction* journalledAction(QObject* parent, const char* name) {
    auto* action = new QAction(QString::fromLatin1(name), parent);
    action->setCheckable(true);
    QObject::connect(action, &QAction::toggled, parent,
                     [name](bool down) { Note(std::string("button ") + name + (down ? " down" : " up")); });
    return action;
}

} // namespace

// ---- The fake main window ---------------------------------------------------------------------

TFakeHost::TFakeHost() {
    ToolAAction = journalledAction(Window.get(), "A");
    ToolBAction = journalledAction(Window.get(), "B");
    ToolGroup = new QActionGroup(Window.get());
    ToolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    ToolGroup->addAction(ToolAAction);
    ToolGroup->addAction(ToolBAction);
    Bar->addAction(ToolAAction);
    Bar->addAction(ToolBAction);
    ToolAButton = qobject_cast<QToolButton*>(Bar->widgetForAction(ToolAAction));
    ToolBButton = qobject_cast<QToolButton*>(Bar->widgetForAction(ToolBAction));
    PointCaptAction = OptionAction(TOptionButton::PointCapt);
    PointCaptButton = OptionButton(TOptionButton::PointCapt);
    QObject::connect(PointCaptAction, &QAction::toggled, Window.get(),
                     [](bool down) { Note(std::string("button capture") + (down ? " down" : " up")); });
}

TFakeHost::~TFakeHost() {
    ResetFramework();
}

// ---- The segment tool -------------------------------------------------------------------------

const char* const SegmentStartPrompt = "Задайте начальную точку отрезка";
const char* const SegmentEndPrompt = "Задайте конечную точку отрезка (Enter - ОК, Esc - отказ)";

namespace {

const TStringTable SegmentPrompts{{2, SegmentStartPrompt}, {3, SegmentEndPrompt}};

} // namespace

void TTestSegmentTool::Create() {
    CursorId = 2;
    Note("create " + Name());
    TTechBase::Create();
    SetState(1, 2);
}

void TTestSegmentTool::CreateFor(TTechBase* owner) {
    CursorId = 5;
    Note("create sub " + Name());
    TTechBase::CreateFor(owner);
    PointerInside = true;
    SetState(1, 2);
}

void TTestSegmentTool::Destroy() {
    Note("destroy " + Name());
    TTechBase::Destroy();
}

void TTestSegmentTool::LeftButton(gdi::Point point, TShiftState shift, bool released) {
    Note(buttonText("left", point, shift, released));
    if (released) return;
    if (Step == 2) {
        Start = End = CurPoint = point;
        SetState(1, 3);
    } else if (Owner) {
        PassResult(ResultFixed);
        Start = End;
    } else {
        Complete();
        Start = End;
    }
    Repaint();
}

void TTestSegmentTool::RightButton(gdi::Point point, TShiftState shift, bool released) {
    Note(buttonText("right", point, shift, released));
    if (released) return;
    SetState(1, 2);
    PassResult(ResultEnded);
    Repaint();
}

void TTestSegmentTool::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = End = point;
    PassResult(ResultMoved);
    Repaint();
}

void TTestSegmentTool::AppMessage(QEvent& message, bool& handled) {
    const auto& key = static_cast<const QKeyEvent&>(message);
    Note((message.type() == QEvent::KeyPress ? "key down " : "key up ") + std::to_string(key.key()));
    TTechBase::AppMessage(message, handled);
}

void TTestSegmentTool::SurfMouseEnter(int32_t x, int32_t y) {
    PointerInside = true;
    CurPoint = {x, y};
    Repaint();
}

void TTestSegmentTool::SurfMouseLeave(int32_t, int32_t) {
    PointerInside = false;
    Repaint();
}

bool TTestSegmentTool::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step != 3 || !state.DC) return false;
    TGdiState applied = state;
    ApplyState(applied);
    applied.DC->moveTo(Start.x + dx, Start.y + dy);
    applied.DC->lineTo(End.x + dx, End.y + dy);
    RestoreState(applied);
    return true;
}

void TTestSegmentTool::PassResult(int32_t code) {
    const TLineResult segment{
        End.x, End.y, Start.x, Start.y, uint8_t(LineLogPen.style), uint8_t(LineLogPen.width)};
    ReportToOwner(code, segment);
}

void TTestSegmentTool::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX,
                                  int32_t originY) {
    const gdi::Rect bounds = dc.bitmap() ? dc.bitmap()->bounds() : gdi::Rect{};
    DrawCrossHair(dc, bounds, {CurPoint.x - originX, CurPoint.y - originY});
}

void TTestSegmentTool::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX,
                                   int32_t originY) {
    TGdiState state;
    InitStateForPen(state, &dc, gdi::R2_COPYPEN, GreenPen);
    Render(state, nullptr, -originX, -originY);
}

void TTestSegmentTool::Complete() {
    RecordUndo();
    TGdiState state;
    InitStateForPen(state, DocDC, gdi::R2_COPYPEN, LinePen);
    Render(state, nullptr, 0, 0);
    Repaint();
    ShowMeasure();
}

QString TTestSegmentTool::GetPrompt() {
    return SegmentPrompts.Load(Step);
}

// ---- The owner tool ---------------------------------------------------------------------------

void TTestOwnerTool::Create() {
    CursorId = 4;
    Note("create owner");
    TTechBase::Create();
    PointerInside = true;
    OnResult = [this](int32_t code, const TToolResult& result) {
        const auto* segment = std::get_if<TLineResult>(&result);
        if (!segment) return;
        Codes.push_back(code);
        if (code == ResultFixed) Segments.push_back(*segment);
    };
    Sub = CreateToolFor<TTestSegmentTool>(this);
}

void TTestOwnerTool::Destroy() {
    Note("destroy owner");
    Sub.reset();
    TTechBase::Destroy();
}

// ---- Option dialogs -----------------------------------------------------------------------------

TTestDialogA::TTestDialogA(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("DialogA"));
    Note("dialog A made");
}

TTestDialogA::~TTestDialogA() {
    Note("dialog A freed");
}

TTestDialogB::TTestDialogB(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("DialogB"));
    Note("dialog B made");
}

TTestDialogB::~TTestDialogB() {
    Note("dialog B freed");
}

void ResetFramework() {
    FreeCurrentTool();
    BttnStateStorage.reset();
    Journal.clear();
}
