// A Qt Quick Controls application whose style comes from
// QT_QUICK_CONTROLS_STYLE: it prints the colours drawn at the middle of a
// button and beside it, once the window has been shown.
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        import QtQuick.Controls
        ApplicationWindow {
            width: 240; height: 160; visible: true
            Button { objectName: "button"; x: 40; y: 40; width: 160; height: 80; text: "Halcyon" }
        }
    )");
    if (engine.rootObjects().isEmpty()) {
        return 3;
    }
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    if (!window) {
        return 4;
    }
    QTimer::singleShot(500, &application, [window] {
        const QImage image = window->grabWindow();
        const qreal ratio = image.devicePixelRatio();
        const auto at = [&](int x, int y) {
            return image.pixelColor(QPoint(x * ratio, y * ratio)).name();
        };
        std::printf("button %s\n", qPrintable(at(120, 100)));
        std::printf("window %s\n", qPrintable(at(10, 10)));
        QGuiApplication::quit();
    });
    return QGuiApplication::exec();
}
