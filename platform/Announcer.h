#pragma once

class QString;
class QWidget;

namespace platform {

class Notice;

// Has a screen reader speak a short text, a result or a state, without moving the focus.
// Qt from 6.8 has an announcement event for this. Qt 6.4 has none, but a screen reader speaks an
// object of the notification role as it appears: the text is shown as such an object, belonging
// to the window and invisible on screen. While no assistive technology listens, Qt drops the event
// at once.
class Announcer {
public:
    explicit Announcer(QWidget& window);

    void announce(const QString& text);

private:
    QWidget& m_window;
    Notice* m_notice; // owned by the window
};

} // namespace platform
