#include "QtClipboard.h"

#include <QGuiApplication>
#include <QMimeData>

#include "QtText.h"
#include "ReadLimit.h"

namespace platform::qt {

QClipboard& desktopClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw ClipboardError("no clipboard");
    return *clipboard;
}

std::string QtClipboard::text() const {
    return withinLimit(toUtf8(desktopClipboard().text(QClipboard::Clipboard)), kMaxTextBytes,
                       TooLong::Fail);
}

void QtClipboard::setText(std::string_view text) {
    QClipboard& clipboard = desktopClipboard();
    const QString wanted = fromUtf8(text);
    clipboard.setText(wanted, QClipboard::Clipboard);
    if (clipboard.text(QClipboard::Clipboard) != wanted)
        throw ClipboardError("clipboard not written");
}

std::string QtClipboard::pasteText(QClipboard::Mode mode) const {
    return withinLimit(toUtf8(desktopClipboard().text(mode)), kMaxTextBytes, TooLong::Cut);
}

bool QtClipboard::mayHoldText(QClipboard::Mode mode) const {
    const QMimeData* data = desktopClipboard().mimeData(mode);
    return data && data->hasText();
}

} // namespace platform::qt
