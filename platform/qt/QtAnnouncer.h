#pragma once

#include <QtGlobal>

#include "platform/Announcer.h"

class QWidget;

namespace platform::qt {

class Notice;

// Has a screen reader speak a short text over AT-SPI, without moving the focus.
// Qt from 6.8 has an announcement event for this. Qt 6.4 has none, but a screen reader speaks an
// object of the notification role as it appears: the text is shown as such an object, belonging
// to the window and invisible on screen. While no assistive technology listens, Qt drops the event
// at once.
class QtAnnouncer final : public Announcer {
public:
    explicit QtAnnouncer(QWidget& window);

    // Speaks every part of the news.
    void announce(const News& news) override;

private:
    QWidget& m_window;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    Notice* m_notice; // owned by the window
#endif
};

} // namespace platform::qt
