#include "CompositorInput.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <optional>

namespace testing {

namespace {

constexpr int kPatience = 10000; // ms: far beyond any answer under load, short of ctest's limit

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kPatience) || process.exitCode() != 0)
        qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))));
    return process.readAllStandardOutput();
}

// The client area's top left of the window titled `title`, or nothing while sway has none.
std::optional<QPoint> placeOf(const QJsonObject& node, const QString& title) {
    if (node.value(QLatin1String("name")).toString() == title &&
        node.contains(QLatin1String("app_id"))) {
        const QJsonObject rect = node.value(QLatin1String("rect")).toObject();
        const QJsonObject window = node.value(QLatin1String("window_rect")).toObject();
        return QPoint(
            rect.value(QLatin1String("x")).toInt() + window.value(QLatin1String("x")).toInt(),
            rect.value(QLatin1String("y")).toInt() + window.value(QLatin1String("y")).toInt());
    }
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray()) {
            if (const auto place = placeOf(child.toObject(), title))
                return place;
        }
    }
    return std::nullopt;
}

} // namespace

CompositorInput::CompositorInput(const QString& title) : m_title(title) {}

void CompositorInput::moveTo(QPoint point) {
    const QDeadlineTimer deadline(kPatience);
    std::optional<QPoint> origin;
    while (!origin) {
        const QJsonObject tree =
            QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {"-t", "get_tree"})).object();
        origin = placeOf(tree, m_title);
        if (!origin && deadline.hasExpired())
            qFatal("sway has no window %s", qPrintable(m_title));
    }
    const QPoint at = *origin + point;
    run(QStringLiteral("swaymsg"),
        {"seat", "-", "cursor", "set", QString::number(at.x()), QString::number(at.y())});
}

void CompositorInput::click(Qt::MouseButton button) {
    const QString name =
        button == Qt::MiddleButton ? QStringLiteral("button2") : QStringLiteral("button1");
    run(QStringLiteral("swaymsg"), {"seat", "-", "cursor", "press", name});
    run(QStringLiteral("swaymsg"), {"seat", "-", "cursor", "release", name});
}

void CompositorInput::type(const QString& text) {
    run(QStringLiteral("wtype"), {QStringLiteral("--"), text});
}

void CompositorInput::key(const QString& name, Qt::KeyboardModifiers modifiers) {
    QStringList held;
    if (modifiers & Qt::ControlModifier)
        held << QStringLiteral("ctrl");
    if (modifiers & Qt::ShiftModifier)
        held << QStringLiteral("shift");
    QStringList arguments;
    for (const QString& modifier : held)
        arguments << "-M" << modifier;
    arguments << "-k" << name;
    for (const QString& modifier : held)
        arguments << "-m" << modifier;
    run(QStringLiteral("wtype"), arguments);
}

} // namespace testing
