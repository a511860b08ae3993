#include "DesktopClipboard.h"

#include <QGuiApplication>

#include "QtText.h"

namespace platform::qt {

QClipboard& qtClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw ClipboardError("no clipboard");
    return *clipboard;
}

QClipboard::Mode qtMode(Selection selection) {
    return selection == Selection::Primary ? QClipboard::Selection : QClipboard::Clipboard;
}

namespace {

Selection selectionOf(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? Selection::Primary : Selection::Clipboard;
}

} // namespace

std::string DesktopClipboard::text() const {
    return read(Selection::Clipboard, {kMaxTextBytes, TooLong::Fail});
}

std::string DesktopClipboard::pasteText(QClipboard::Mode mode) const {
    return read(selectionOf(mode), {kMaxTextBytes, TooLong::Cut});
}

bool DesktopClipboard::mayHoldText(QClipboard::Mode mode) const {
    return mayHold(selectionOf(mode));
}

std::string DesktopClipboard::qtText(Selection selection, ReadLimit limit) {
    return limit.within(toUtf8(qtClipboard().text(qtMode(selection))));
}

} // namespace platform::qt
