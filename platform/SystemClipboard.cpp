#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "Utf8.h"

namespace platform {

namespace {

QClipboard& desktopClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw ClipboardError("no clipboard");
    return *clipboard;
}

} // namespace

std::string SystemClipboard::text() const {
    return toUtf8(desktopClipboard().text(QClipboard::Clipboard));
}

void SystemClipboard::setText(std::string_view text) {
    QClipboard& clipboard = desktopClipboard();
    const QString wanted = fromUtf8(text);
    clipboard.setText(wanted, QClipboard::Clipboard);
    if (clipboard.text(QClipboard::Clipboard) != wanted)
        throw ClipboardError("clipboard not written");
}

} // namespace platform
