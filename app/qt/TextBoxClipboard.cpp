#include "TextBoxClipboard.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "engine/ClickDispatch.h"
#include "platform/qt/DesktopClipboard.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SettledHide.h"

namespace app::qt {

namespace {

// The text box's menu, hidden once it has settled (on Wayland), whichever way it goes: its
// exec() ends then.
class SettlingMenu final : public QMenu {
public:
    using QMenu::QMenu;

    void setVisible(bool visible) override {
        if (visible || m_hide.readyToHide())
            QMenu::setVisible(visible);
        else
            m_hide.settleThen([this] { setVisible(false); });
    }

private:
    platform::qt::SettledHide m_hide{*this, [this] { close(); }};
};

// An entry of the line edit's usual menu, in Qt's own (translated) words.
void addEntry(QMenu& menu, const char* text, QKeySequence::StandardKey key, bool enabled,
              const std::function<void()>& act) {
    QString label = QLineEdit::tr(text);
    const QKeySequence shortcut(key);
    if (!shortcut.isEmpty())
        label += QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
    QAction* action = menu.addAction(label);
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, &menu, act);
}

} // namespace

TextBoxClipboard::TextBoxClipboard(platform::qt::DesktopClipboard& clipboard,
                                   platform::MessageBox& messages, QObject* parent)
    : QObject(parent), m_clipboard(clipboard), m_messages(messages) {}

void TextBoxClipboard::watch(QLineEdit& edit) {
    edit.installEventFilter(this);
}

bool TextBoxClipboard::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut))
            copy(*edit, key->matches(QKeySequence::Cut));
        else if (key->matches(QKeySequence::Paste))
            paste(*edit, QClipboard::Clipboard);
        else
            return false;
        return true;
    }
    case QEvent::ContextMenu:
        showMenu(*edit, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the primary selection where the desktop has one (X11).
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        edit->deselect();
        paste(*edit, QClipboard::Selection);
        return true;
    default:
        return false;
    }
}

void TextBoxClipboard::copy(QLineEdit& edit, bool cut) {
    if (!edit.hasSelectedText())
        return;
    // A failure is told as a click's is; a cut then keeps its text.
    engine::dispatchClick(
        [&] {
            m_clipboard.setText(platform::qt::toUtf8(edit.selectedText()));
            if (cut)
                edit.del();
        },
        m_messages);
}

void TextBoxClipboard::paste(QLineEdit& edit, QClipboard::Mode mode) {
    // A failure is told as a click's is; the display keeps its text.
    engine::dispatchClick([&] { edit.insert(platform::qt::fromUtf8(m_clipboard.pasteText(mode))); },
                          m_messages);
}

void TextBoxClipboard::showMenu(QLineEdit& edit, const QPoint& at) {
    const bool selected = edit.hasSelectedText();
    SettlingMenu menu(&edit);
    addEntry(menu, "&Undo", QKeySequence::Undo, edit.isUndoAvailable(), [&edit] { edit.undo(); });
    addEntry(menu, "&Redo", QKeySequence::Redo, edit.isRedoAvailable(), [&edit] { edit.redo(); });
    menu.addSeparator();
    addEntry(menu, "Cu&t", QKeySequence::Cut, selected, [this, &edit] { copy(edit, true); });
    addEntry(menu, "&Copy", QKeySequence::Copy, selected, [this, &edit] { copy(edit, false); });
    addEntry(menu, "&Paste", QKeySequence::Paste, m_clipboard.mayHoldText(QClipboard::Clipboard),
             [this, &edit] { paste(edit, QClipboard::Clipboard); });
    addEntry(menu, "Delete", QKeySequence::UnknownKey, selected, [&edit] { edit.del(); });
    menu.addSeparator();
    addEntry(menu, "Select All", QKeySequence::SelectAll,
             !edit.text().isEmpty() && edit.selectedText() != edit.text(),
             [&edit] { edit.selectAll(); });
    menu.exec(at);
}

} // namespace app::qt
