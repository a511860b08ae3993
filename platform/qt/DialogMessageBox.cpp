#include "DialogMessageBox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "QtText.h"
#include "SettledHide.h"

namespace platform::qt {

void DialogMessageBox::show(std::string_view text, Icon icon) {
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QCoreApplication::applicationName(), fromUtf8(text), QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    // The text describes the box, as a screen reader expects of an alert: Orca 47 speaks an
    // alert's description, and of its labels only those of three words or more.
    box.setAccessibleDescription(fromUtf8(text));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    // Some platform themes put a check mark on OK; the box shows no picture but its own icon.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    // Answered, it closes once it has settled (on Wayland), keeping the answer; the click that
    // opened it ends then.
    SettledHide settle(box, [&box] { box.done(box.result()); });
    box.exec();
}

} // namespace platform::qt
