#include "QtClipboard.h"

#include <QMimeData>

#include "QtText.h"

namespace platform::qt {

std::string QtClipboard::read(Selection selection, ReadLimit limit) const {
    return qtText(selection, limit);
}

void QtClipboard::setText(std::string_view text) {
    QClipboard& clipboard = qtClipboard();
    const QString wanted = fromUtf8(text);
    clipboard.setText(wanted, QClipboard::Clipboard);
    if (clipboard.text(QClipboard::Clipboard) != wanted)
        throw ClipboardError("clipboard not written");
}

bool QtClipboard::mayHold(Selection selection) const {
    const QMimeData* data = qtClipboard().mimeData(qtMode(selection));
    return data && data->hasText();
}

} // namespace platform::qt
