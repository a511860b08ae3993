#include "QtAnnouncer.h"

#include "QtText.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace platform::qt {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// The object a screen reader sees appear, with the text to speak as its name.
class Notice final : public QObject {
public:
    explicit Notice(QWidget& window) : QObject(&window) {
        setObjectName(QStringLiteral("Annuncio"));
    }
    QString text;
};

namespace {

class NoticeInterface final : public QAccessibleObject {
public:
    explicit NoticeInterface(Notice* notice) : QAccessibleObject(notice) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Notice*>(object())->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* noticeInterface(const QString&, QObject* object) {
    if (auto* notice = dynamic_cast<Notice*>(object))
        return new NoticeInterface(notice);
    return nullptr;
}

} // namespace

QtAnnouncer::QtAnnouncer(QWidget& window) : m_window(window), m_notice(new Notice(window)) {
    static const bool installed = (QAccessible::installFactory(noticeInterface), true);
    (void)installed;
}

void QtAnnouncer::announce(const News& news) {
    const QString text = fromUtf8(news.words());
    if (text.isEmpty())
        return;
    m_notice->text = text;
    QAccessibleEvent renamed(m_notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#else

QtAnnouncer::QtAnnouncer(QWidget& window) : m_window(window) {}

void QtAnnouncer::announce(const News& news) {
    const QString text = fromUtf8(news.words());
    if (text.isEmpty())
        return;
    QAccessibleAnnouncementEvent event(&m_window, text);
    QAccessible::updateAccessibility(&event);
}

#endif

} // namespace platform::qt
