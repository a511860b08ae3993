#include "DialogMessageBox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "QtText.h"

namespace platform::qt {

void DialogMessageBox::show(std::string_view text, Icon icon) {
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QCoreApplication::applicationName(), fromUtf8(text), QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    // Some platform themes put a check mark on OK; the box shows no picture but its own icon.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

} // namespace platform::qt
