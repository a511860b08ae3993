#pragma once

#include <QClipboard>
#include <QObject>

class QLineEdit;
class QPoint;

namespace platform {
class MessageBox;
}
namespace platform::qt {
class QtClipboard;
}

namespace app::qt {

// Pasting into the display and the indicator through the calculator's own clipboard reader, so a
// hung or hostile owner costs a paste the same one second at most as a click, and the failure is
// said in the same box. Qt's own paste (Ctrl+V, its context menu, the middle button) waits five
// seconds and reads a failure as an empty clipboard, and its context menu asks the clipboard's
// owner for the text before it even opens: this one asks only the display server.
class BoundedPaste final : public QObject {
public:
    BoundedPaste(platform::qt::QtClipboard& clipboard, platform::MessageBox& messages,
                 QObject* parent);

    void watch(QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paste(QLineEdit& edit, QClipboard::Mode mode);
    void showMenu(QLineEdit& edit, const QPoint& at);

    platform::qt::QtClipboard& m_clipboard;
    platform::MessageBox& m_messages;
};

} // namespace app::qt
