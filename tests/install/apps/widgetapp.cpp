// A widget application started with "-style quilt": it prints the style it
// got and the colours drawn at the middle of a push button and beside it.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(240, 160);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(40, 40, 40, 40);
    auto* button = new QPushButton(QStringLiteral("Halcyon"), &window);
    button->setMinimumHeight(60);
    layout->addWidget(button);
    window.show();

    QTimer::singleShot(200, &application, [&] {
        const QImage image = window.grab().toImage();
        const QPoint inButton = button->geometry().center() + QPoint(0, button->height() / 4);
        std::printf("style %s\n", qPrintable(QApplication::style()->name()));
        std::printf("button %s\n", qPrintable(image.pixelColor(inButton).name()));
        std::printf("window %s\n", qPrintable(image.pixelColor(QPoint(10, 10)).name()));
        QApplication::quit();
    });
    return QApplication::exec();
}
