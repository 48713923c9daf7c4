#include "tools/base/AppMessageHook.h"

#include "tools/base/TechBase.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include <memory>

namespace {

// A key press reaches the application's filters several times: first as the shortcut
// check, then as the press itself, each at the window and again at every widget it is
// passed on to. The hook takes each press once, at the window: at its shortcut check,
// which comes before any shortcut can act, or, for a press that has none, as the press.
// Releases are taken at the window too.
class TAppMessageHook final : public QObject {
  public:
    TTechBase* Tool = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            if (!watched->isWindowType()) return false;
            auto& key = static_cast<QKeyEvent&>(*event);
            // The press this check announces follows at the window unless a shortcut
            // takes it; it must not be taken twice.
            QKeyEvent press(QEvent::KeyPress, key.key(), key.modifiers(), key.nativeScanCode(),
                            key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat(),
                            key.count());
            m_announced = {true, key.key(), key.timestamp(), deliver(press)};
            return false;
        }
        case QEvent::KeyPress: {
            if (!watched->isWindowType()) return false;
            auto& key = static_cast<QKeyEvent&>(*event);
            if (m_announced.pending && m_announced.key == key.key() &&
                m_announced.timestamp == key.timestamp()) {
                m_announced.pending = false;
                return m_announced.swallowed;
            }
            m_announced.pending = false;
            return deliver(*event);
        }
        case QEvent::KeyRelease:
            if (!watched->isWindowType()) return false;
            return deliver(*event);
        case QEvent::InputMethod:
            // Text an input method composed comes to the widget with the focus only, once.
            return deliver(*event);
        default:
            return false;
        }
    }

  private:
    bool deliver(QEvent& event) {
        if (!Tool) return false;
        bool handled = false;
        Tool->AppMessage(event, handled);
        return handled;
    }

    struct TAnnounced {
        bool pending = false;
        int key = 0;
        quint64 timestamp = 0;
        bool swallowed = false;
    } m_announced;
};

TAppMessageHook* hook() {
    static std::unique_ptr<TAppMessageHook> instance;
    if (!instance) instance = std::make_unique<TAppMessageHook>();
    return instance.get();
}

// The application the filter sits on; it goes with the application.
QPointer<QCoreApplication> g_installedOn;

} // namespace

void HookAppMessages(TTechBase* tool) {
    TAppMessageHook* filter = hook();
    filter->Tool = tool;
    QCoreApplication* app = QCoreApplication::instance();
    if (tool && app && g_installedOn != app) {
        app->installEventFilter(filter);
        g_installedOn = app;
    } else if (!tool && g_installedOn) {
        g_installedOn->removeEventFilter(filter);
        g_installedOn = nullptr;
    }
}

TTechBase* AppMessageTool() {
    return hook()->Tool;
}
