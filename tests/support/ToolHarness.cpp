#include "ToolHarness.h"

#include "tools/base/AppMessageHook.h"
#include "tools/base/BttnStateStorage.h"
#include "tools/base/ButtonState.h"
#include "tools/base/Prompts.h"

#include "document/Pens.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include <QAction>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <cstdio>

// ---- The host ---------------------------------------------------------------------------------

TTestHost::TTestHost() : Window(std::make_unique<QWidget>()) {
    Window->setObjectName(QStringLiteral("TestMainForm"));
    Bar = new QToolBar(Window.get());
    for (TOptionButton which :
         {TOptionButton::PointCapt, TOptionButton::Orthogonally, TOptionButton::Transparent,
          TOptionButton::FreePoint1, TOptionButton::FreePoint2}) {
        const TOptionButtonRow& row = OptionButtonRow(which);
        auto* action = new QAction(QLatin1String(row.ActionName), Window.get());
        action->setObjectName(QLatin1String(row.ActionName));
        action->setCheckable(true);
        action->setEnabled(false);
        Bar->addAction(action);
        Bar->widgetForAction(action)->setObjectName(QLatin1String(row.ComponentName));
    }
    SetToolHost(this);
}

TTestHost::~TTestHost() {
    FreeCurrentTool();
    SetToolHost(nullptr);
}

void TTestHost::SetPromptText(const QString& text) {
    Prompt = StatusPromptText(text);
    PromptHistory.append(Prompt);
}

QAbstractButton* TTestHost::OptionButton(TOptionButton which) {
    return Window->findChild<QToolButton*>(QLatin1String(OptionButtonName(which)));
}

QAction* TTestHost::OptionAction(TOptionButton which) {
    return Window->findChild<QAction*>(QLatin1String(OptionButtonRow(which).ActionName));
}

void TTestHost::ToggleOption(TOptionButton which) {
    QAbstractButton* button = OptionButton(which);
    button->click();
    if (!CurrentTool || !CurrentTool->OptionToggled(which, IsButtonDown(button)))
        SetButtonDown(button, false);
}

void TTestDocumentHost::EnableUndoActions(bool canUndo, bool canRedo) {
    CanUndo = canUndo;
    CanRedo = canRedo;
    ++UndoRefreshes;
}

// ---- The sketch -------------------------------------------------------------------------------

TToolHarness::TToolHarness(int width, int height) {
    Document = std::make_unique<TTechDocument>(&DocumentHost);
    Document->CreateNewDocument(width, height);
    UndoHistory = std::make_unique<TUnDoObj>();
    CreateSharedPens();
    BttnStateStorage = std::make_unique<TBttnStateStorage>();
}

TToolHarness::~TToolHarness() {
    FreeCurrentTool();
    BttnStateStorage.reset();
    DeleteSharedPens();
    UndoHistory.reset();
    Document.reset();
}

// ---- Input ------------------------------------------------------------------------------------

namespace {

TTechBase* surfaceTool() {
    TTechBase* tool = SurfaceEventTool();
    if (!tool) throw std::logic_error("no tool holds the surface");
    return tool;
}

TShiftState buttonShift(Qt::MouseButton button) {
    return button == Qt::LeftButton ? ssLeft : button == Qt::RightButton ? ssRight : TShiftState{};
}

} // namespace

void PointerEnter(gdi::Point point) {
    surfaceTool()->SurfMouseEnter(point.x, point.y);
}

void PointerLeave() {
    surfaceTool()->SurfMouseLeave(0, 0);
}

void PointerMove(gdi::Point point, TShiftState shift) {
    ToolHost().SetPointerPos(SketchToScreen(point));
    surfaceTool()->SurfMouseMove(nullptr, shift, point.x, point.y);
}

void Click(gdi::Point point, Qt::MouseButton button, TShiftState shift) {
    // The tool that took the press may hand the surface on before the release.
    surfaceTool()->SurfMouseDown(nullptr, button, shift | buttonShift(button), point.x, point.y);
    surfaceTool()->SurfMouseUp(nullptr, button, shift, point.x, point.y);
}

namespace {

void sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
    TTechBase* tool = AppMessageTool();
    if (!tool) return;
    QKeyEvent event(type, key, modifiers);
    bool handled = false;
    tool->AppMessage(event, handled);
}

} // namespace

void Key(int key, Qt::KeyboardModifiers modifiers) {
    KeyDown(key, modifiers);
    KeyUp(key, modifiers);
}

void KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    sendKey(QEvent::KeyPress, key, modifiers);
}

void KeyUp(int key, Qt::KeyboardModifiers modifiers) {
    sendKey(QEvent::KeyRelease, key, modifiers);
}

// ---- The expected picture -------------------------------------------------------------------------

TSketchReference::TSketchReference() : m_bitmap(DocDC->bitmap()->clone()) {
    m_dc.selectBitmap(m_bitmap);
    // Styled pens fill their gaps, or not, as the sketch's DC says.
    m_dc.setBkMode(DocDC->bkMode());
}

void TSketchReference::Line(gdi::Point from, gdi::Point to, const gdi::PenPtr& pen) {
    gdi::PenPtr old = m_dc.selectPen(pen ? pen : LinePen);
    m_dc.moveTo(from.x, from.y);
    m_dc.lineTo(to.x, to.y);
    m_dc.selectPen(old);
}

std::string TSketchReference::FirstDifference() const {
    const int32_t width = m_bitmap->width();
    const int32_t height = m_bitmap->height();
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const gdi::COLORREF got = DocDC->getPixel(x, y);
            const gdi::COLORREF expected = m_dc.getPixel(x, y);
            if (got == expected) continue;
            char text[80];
            std::snprintf(text, sizeof text, "at %d,%d the sketch has %06X, expected %06X", x, y,
                          unsigned(got), unsigned(expected));
            return text;
        }
    return "";
}
