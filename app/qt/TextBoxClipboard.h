#pragma once

#include <QClipboard>
#include <QObject>

class QLineEdit;
class QPoint;

namespace platform {
class MessageBox;
}
namespace platform::qt {
class DesktopClipboard;
}

namespace app::qt {

// Copying, cutting and pasting in the display and the indicator through the calculator's own
// clipboard, by every way a user has: Ctrl+C, Ctrl+X and Ctrl+V (with Ctrl+Insert, Shift+Delete
// and Shift+Insert), the text box's menu, and the middle button's primary selection. So a hung or
// hostile owner costs a paste the same one second at most as a click, with the failure said in
// the same box, and the program knows every text it puts on the clipboard for its own. Qt's own
// paste waits five seconds and reads a failure as an empty clipboard, and its menu asks the
// clipboard's owner for the text before it even opens: this one asks only the display server.
class TextBoxClipboard final : public QObject {
public:
    TextBoxClipboard(platform::qt::DesktopClipboard& clipboard, platform::MessageBox& messages,
                     QObject* parent);

    void watch(QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy(QLineEdit& edit, bool cut);
    void paste(QLineEdit& edit, QClipboard::Mode mode);
    void showMenu(QLineEdit& edit, const QPoint& at);

    platform::qt::DesktopClipboard& m_clipboard;
    platform::MessageBox& m_messages;
};

} // namespace app::qt
