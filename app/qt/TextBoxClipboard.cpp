#include "BoundedPaste.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "engine/ClickDispatch.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtText.h"

namespace app::qt {

namespace {

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

BoundedPaste::BoundedPaste(platform::qt::QtClipboard& clipboard, platform::MessageBox& messages,
                           QObject* parent)
    : QObject(parent), m_clipboard(clipboard), m_messages(messages) {}

void BoundedPaste::watch(QLineEdit& edit) {
    edit.installEventFilter(this);
}

bool BoundedPaste::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || edit->isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        paste(*edit, QClipboard::Clipboard);
        return true;
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

void BoundedPaste::paste(QLineEdit& edit, QClipboard::Mode mode) {
    // A failure is told as a click's is; the display keeps its text.
    engine::dispatchClick([&] { edit.insert(platform::qt::fromUtf8(m_clipboard.pasteText(mode))); },
                          m_messages);
}

void BoundedPaste::showMenu(QLineEdit& edit, const QPoint& at) {
    const bool selected = edit.hasSelectedText();
    QMenu menu(&edit);
    addEntry(menu, "&Undo", QKeySequence::Undo, edit.isUndoAvailable(), [&edit] { edit.undo(); });
    addEntry(menu, "&Redo", QKeySequence::Redo, edit.isRedoAvailable(), [&edit] { edit.redo(); });
    menu.addSeparator();
    addEntry(menu, "Cu&t", QKeySequence::Cut, selected, [&edit] { edit.cut(); });
    addEntry(menu, "&Copy", QKeySequence::Copy, selected, [&edit] { edit.copy(); });
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
