// A generic plug-in that the examples test loads into Qt's example programs
// (QT_QPA_GENERIC_PLUGINS=quilt-example-walker): it reports when the first
// window is shown, walks the pages of a drawer when asked
// (QUILT_WALK_DRAWER=1), saves what each page looks like when asked
// (QUILT_WALK_SHOTS=folder), names a colour scheme file as the program's
// own when asked (QUILT_WALK_SCHEME=path) and ends the program. All it says goes to
// standard error, one line each, beginning with "walker:".

#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtGui/qgenericplugin.h>
#include <QTimer>

#include <cstdio>

namespace
{
void say(const QString& line)
{
    std::fprintf(stderr, "walker: %s\n", qPrintable(line));
    std::fflush(stderr);
}

// Lets the program run: events, animations, frames.
void settle(int milliseconds)
{
    QTimer timer;
    timer.setSingleShot(true);
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
}

void shoot(QQuickWindow* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("QUILT_WALK_SHOTS");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        window->grabWindow().save(folder + u'/' + name + QStringLiteral(".png"));
}

// A click as the user makes it, on the window.
void click(QQuickWindow* window, QPointF point)
{
    const QPointF global = window->mapToGlobal(point);
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, point, point, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
        settle(50);
    }
}

QQuickWindow* shownWindow()
{
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow* window : windows) {
        auto* quick = qobject_cast<QQuickWindow*>(window);
        if (quick && quick->isExposed())
            return quick;
    }
    return nullptr;
}

// The first item of class `className` at or below `item`.
QQuickItem* itemIn(QQuickItem* item, const char* className)
{
    if (!item || item->inherits(className))
        return item;
    const auto children = item->childItems();
    for (QQuickItem* child : children) {
        if (QQuickItem* found = itemIn(child, className))
            return found;
    }
    return nullptr;
}

// The drawer's list: the list in the content of the first drawer in the window's
// objects (a closed drawer is no item of the scene).
QQuickItem* drawerList(QObject* object, QObject** drawer)
{
    if (object->inherits("QQuickDrawer")) {
        *drawer = object;
        return itemIn(object->property("contentItem").value<QQuickItem*>(), "QQuickListView");
    }
    const auto children = object->children();
    for (QObject* child : children) {
        if (QQuickItem* list = drawerList(child, drawer))
            return list;
    }
    if (auto* item = qobject_cast<QQuickItem*>(object)) {
        const auto childItems = item->childItems();
        for (QQuickItem* child : childItems) {
            if (child->parent() != object) {
                if (QQuickItem* list = drawerList(child, drawer))
                    return list;
            }
        }
    }
    return nullptr;
}

void walkDrawer(QQuickWindow* window)
{
    QObject* drawer = nullptr;
    QQuickItem* list = drawerList(window->contentItem(), &drawer);
    if (!list)
        list = drawerList(window, &drawer);
    const int count = list ? list->property("count").toInt() : 0;
    say(QStringLiteral("drawer pages %1").arg(count));
    // The drawer opens pages from the first one, as on the program's start.
    QQuickItem* stack = itemIn(window->contentItem(), "QQuickStackView");
    for (int index = 0; index < count; ++index) {
        if (stack && stack->property("depth").toInt() > 1) {
            QQmlExpression(qmlContext(stack), stack, QStringLiteral("pop(null)")).evaluate();
            settle(300);
        }
        QMetaObject::invokeMethod(drawer, "open");
        settle(300);
        // Brings the entry into view (ListView.Contain), so that it exists.
        QQmlExpression(qmlContext(list), list, QStringLiteral("positionViewAtIndex(%1, 1)").arg(index)).evaluate();
        QQuickItem* delegate = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, delegate), Q_ARG(int, index));
        if (!delegate) {
            say(QStringLiteral("page %1 has no delegate").arg(index));
            continue;
        }
        const QString title = delegate->property("text").toString();
        click(window, delegate->mapToScene(QPointF(delegate->width() / 2, delegate->height() / 2)));
        settle(400);
        say(QStringLiteral("page %1 %2").arg(index).arg(title));
        shoot(window, QStringLiteral("page-%1").arg(index, 2, 10, QLatin1Char('0')));
    }
}

class Walker : public QObject
{
public:
    Walker()
    {
        // As an application names its scheme: before its first window, then
        // a change of the palette.
        const QString scheme = qEnvironmentVariable("QUILT_WALK_SCHEME");
        if (!scheme.isEmpty()) {
            qApp->setProperty("VYR_COLOR_SCHEME_PATH", scheme);
            QEvent change(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(qApp, &change);
        }
        // Polled: the program makes its window when it pleases.
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, &Walker::look);
        m_timer.start();
    }

private:
    void look()
    {
        QQuickWindow* window = shownWindow();
        if (!window)
            return;
        m_timer.stop();
        say(QStringLiteral("window shown"));
        settle(500);
        shoot(window, QStringLiteral("window"));
        if (qEnvironmentVariableIntValue("QUILT_WALK_DRAWER"))
            walkDrawer(window);
        say(QStringLiteral("done"));
        QCoreApplication::exit(0);
    }

    QTimer m_timer;
};
} // namespace

class ExampleWalkerPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "examplewalker.json")

public:
    QObject* create(const QString& key, const QString&) override
    {
        return key.compare(QStringLiteral("quilt-example-walker"), Qt::CaseInsensitive) == 0 ? new Walker : nullptr;
    }
};

#include "examplewalker.moc"
