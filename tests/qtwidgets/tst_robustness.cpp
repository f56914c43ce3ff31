// Every QStyle entry point with every enumerator, under halcyon, with requests
// as malformed as a caller can make them: no option, a plain option, options
// of every other type, no widget or a real one, and two option types placed
// at one address in turn. Nothing may crash; the sanitizers watch the rest.

#include <QApplication>
#include <QImage>
#include <QMetaEnum>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

#include "quiltstyle.h"
#include "testfixture.h"

#include <functional>
#include <memory>
#include <new>
#include <vector>

namespace
{
// Warnings beyond the common style's complaints about requests it does not
// handle (a dial's sub-controls, a complex control with a wrong option).
QStringList unexpectedWarnings;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool commonStyle = qstrcmp(context.category, "qt.widgets.commonstyle") == 0
        && message.contains(QLatin1StringView("not handled"));
    if (commonStyle) {
        return;
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        unexpectedWarnings.append(QStringLiteral("%1: %2").arg(QLatin1StringView(context.category), message));
    }
    previousHandler(type, context, message);
}

// One option of each type, filled as a caller would fill it, so that the
// requests read plausible values wherever the type is right.
// Held by shared pointers made for the derived type: QStyleOption has no
// virtual destructor.
std::vector<std::shared_ptr<QStyleOption>> everyOption()
{
    std::vector<std::shared_ptr<QStyleOption>> options;
    auto add = [&]<typename Option>(Option* option) {
        option->rect = QRect(0, 0, 60, 30);
        option->state = QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_HasFocus;
        options.push_back(std::shared_ptr<Option>(option));
    };
    add(new QStyleOption);
    auto* button = new QStyleOptionButton;
    button->text = QStringLiteral("Button");
    button->features = QStyleOptionButton::HasMenu;
    add(button);
    add(new QStyleOptionFrame);
    add(new QStyleOptionFocusRect);
    add(new QStyleOptionTabWidgetFrame);
    add(new QStyleOptionTabBarBase);
    add(new QStyleOptionHeader);
    add(new QStyleOptionHeaderV2);
    auto* tab = new QStyleOptionTab;
    tab->text = QStringLiteral("Tab");
    add(tab);
    add(new QStyleOptionToolBar);
    auto* progress = new QStyleOptionProgressBar;
    progress->maximum = 100;
    progress->progress = 40;
    progress->text = QStringLiteral("40%");
    add(progress);
    auto* menuItem = new QStyleOptionMenuItem;
    menuItem->text = QStringLiteral("Item\tCtrl+I");
    menuItem->menuItemType = QStyleOptionMenuItem::SubMenu;
    add(menuItem);
    add(new QStyleOptionDockWidget);
    auto* viewItem = new QStyleOptionViewItem;
    viewItem->text = QStringLiteral("Item");
    viewItem->features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    add(viewItem);
    add(new QStyleOptionToolBox);
    add(new QStyleOptionRubberBand);
    add(new QStyleOptionGraphicsItem);
    auto addComplex = [&]<typename Option>(Option* option) {
        option->subControls = QStyle::SC_All;
        add(option);
    };
    addComplex(new QStyleOptionComplex);
    auto* slider = new QStyleOptionSlider;
    slider->maximum = 100;
    slider->pageStep = 10;
    slider->tickPosition = QSlider::TicksBothSides;
    addComplex(slider);
    addComplex(new QStyleOptionSpinBox);
    addComplex(new QStyleOptionToolButton);
    addComplex(new QStyleOptionComboBox);
    addComplex(new QStyleOptionTitleBar);
    addComplex(new QStyleOptionGroupBox);
    addComplex(new QStyleOptionSizeGrip);
    return options;
}

QList<int> enumerators(const char* name)
{
    const QMetaObject& meta = QStyle::staticMetaObject;
    const QMetaEnum metaEnum = meta.enumerator(meta.indexOfEnumerator(name));
    QList<int> values;
    for (int i = 0; i < metaEnum.keyCount(); ++i) {
        // The custom bases are no enumerators of their own.
        if (!QByteArray(metaEnum.key(i)).endsWith("CustomBase")) {
            values.append(metaEnum.value(i));
        }
    }
    return values;
}

QList<QStyle::SubControl> everySubControl()
{
    QList<QStyle::SubControl> controls;
    for (const int value : enumerators("SubControl")) {
        if (QStyle::SubControl(value) != QStyle::SC_All && QStyle::SubControl(value) != QStyle::SC_None) {
            controls.append(QStyle::SubControl(value));
        }
    }
    return controls;
}

// Calls the request with every option, null included, and every widget.
class Sweep
{
public:
    Sweep()
        : m_options(everyOption())
    {
        m_button.setText(QStringLiteral("Real"));
        m_button.resize(80, 30);
    }

    template<typename Request> void run(const Request& request)
    {
        for (QWidget* widget : { static_cast<QWidget*>(nullptr), static_cast<QWidget*>(&m_button) }) {
            request(static_cast<const QStyleOption*>(nullptr), widget);
            for (const auto& option : m_options) {
                request(option.get(), widget);
            }
        }
    }

    // Only complex options for the complex entry points (a null one too).
    template<typename Request> void runComplex(const Request& request)
    {
        run([&](const QStyleOption* option, QWidget* widget) {
            if (!option || option->type >= QStyleOption::SO_Complex) {
                request(static_cast<const QStyleOptionComplex*>(option), widget);
            }
        });
    }

private:
    std::vector<std::shared_ptr<QStyleOption>> m_options;
    QPushButton m_button;
};

void paint(const std::function<void(QPainter*)>& request)
{
    QImage image(64, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    request(&painter);
}
} // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { unexpectedWarnings.clear(); }

    void cleanup() { QVERIFY2(unexpectedWarnings.isEmpty(), qPrintable(unexpectedWarnings.join(QLatin1Char('\n')))); }

    void entryPoints_data()
    {
        QTest::addColumn<QByteArray>("enumeration");
        for (const char* name : { "PrimitiveElement", "ControlElement", "ComplexControl", "SubElement", "PixelMetric",
                                  "ContentsType", "StyleHint", "StandardPixmap" }) {
            QTest::newRow(name) << QByteArray(name);
        }
    }

    void entryPoints()
    {
        QFETCH(QByteArray, enumeration);
        QStyle* style = QApplication::style();
        Sweep sweep;
        const QList<int> values = enumerators(enumeration.constData());
        QVERIFY(!values.isEmpty());
        for (const int value : values) {
            if (enumeration == "PrimitiveElement") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    paint([&](QPainter* painter) {
                        style->drawPrimitive(QStyle::PrimitiveElement(value), option, painter, widget);
                    });
                });
            } else if (enumeration == "ControlElement") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    paint([&](QPainter* painter) {
                        style->drawControl(QStyle::ControlElement(value), option, painter, widget);
                    });
                });
            } else if (enumeration == "ComplexControl") {
                const auto control = QStyle::ComplexControl(value);
                sweep.runComplex([&](const QStyleOptionComplex* option, QWidget* widget) {
                    paint([&](QPainter* painter) { style->drawComplexControl(control, option, painter, widget); });
                    for (const QStyle::SubControl sub : everySubControl()) {
                        style->subControlRect(control, option, sub, widget);
                    }
                    style->hitTestComplexControl(control, option, QPoint(10, 10), widget);
                });
            } else if (enumeration == "SubElement") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    style->subElementRect(QStyle::SubElement(value), option, widget);
                });
            } else if (enumeration == "PixelMetric") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    style->pixelMetric(QStyle::PixelMetric(value), option, widget);
                });
            } else if (enumeration == "ContentsType") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    style->sizeFromContents(QStyle::ContentsType(value), option, QSize(40, 20), widget);
                });
            } else if (enumeration == "StyleHint") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    const auto hint = QStyle::StyleHint(value);
                    style->styleHint(hint, option, widget);
                    QStyleHintReturn plain;
                    style->styleHint(hint, option, widget, &plain);
                    QStyleHintReturnMask mask;
                    style->styleHint(hint, option, widget, &mask);
                    QStyleHintReturnVariant variant;
                    style->styleHint(hint, option, widget, &variant);
                });
            } else if (enumeration == "StandardPixmap") {
                sweep.run([&](const QStyleOption* option, QWidget* widget) {
                    style->standardIcon(QStyle::StandardPixmap(value), option, widget).pixmap(16);
                });
            }
        }
    }

    void optionsSharingAnAddress_data()
    {
        QTest::addColumn<bool>("withWidget");
        QTest::newRow("no widget") << false;
        QTest::newRow("widget") << true;
    }

    // A caller that keeps one buffer for its options: a slider option, then a
    // button option at the same address (and back), for every request kind.
    void optionsSharingAnAddress()
    {
        QFETCH(bool, withWidget);
        QStyle* style = QApplication::style();
        QPushButton button(QStringLiteral("Real"));
        QWidget* widget = withWidget ? &button : nullptr;
        alignas(QStyleOptionSlider) alignas(QStyleOptionButton) alignas(QStyleOptionMenuItem) unsigned char
            buffer[std::max({ sizeof(QStyleOptionSlider), sizeof(QStyleOptionButton), sizeof(QStyleOptionMenuItem) })];

        const auto inTurn = [&](const std::function<void(const QStyleOption*)>& request) {
            for (int round = 0; round < 2; ++round) {
                auto* slider = new (buffer) QStyleOptionSlider;
                slider->rect = QRect(0, 0, 60, 20);
                slider->maximum = 100;
                request(slider);
                slider->~QStyleOptionSlider();
                auto* pushButton = new (buffer) QStyleOptionButton;
                pushButton->rect = QRect(0, 0, 60, 20);
                pushButton->text = QStringLiteral("Button");
                request(pushButton);
                pushButton->~QStyleOptionButton();
                auto* menuItem = new (buffer) QStyleOptionMenuItem;
                menuItem->rect = QRect(0, 0, 60, 20);
                menuItem->text = QStringLiteral("Item");
                request(menuItem);
                menuItem->~QStyleOptionMenuItem();
            }
        };
        for (const int value : enumerators("ControlElement")) {
            inTurn([&](const QStyleOption* option) {
                paint([&](QPainter* painter) {
                    style->drawControl(QStyle::ControlElement(value), option, painter, widget);
                });
            });
        }
        for (const int value : enumerators("PrimitiveElement")) {
            inTurn([&](const QStyleOption* option) {
                paint([&](QPainter* painter) {
                    style->drawPrimitive(QStyle::PrimitiveElement(value), option, painter, widget);
                });
            });
        }
        for (const int value : enumerators("PixelMetric")) {
            inTurn([&](const QStyleOption* option) { style->pixelMetric(QStyle::PixelMetric(value), option, widget); });
        }
        for (const int value : enumerators("SubElement")) {
            inTurn(
                [&](const QStyleOption* option) { style->subElementRect(QStyle::SubElement(value), option, widget); });
        }
        for (const int value : enumerators("ContentsType")) {
            inTurn([&](const QStyleOption* option) {
                style->sizeFromContents(QStyle::ContentsType(value), option, QSize(40, 20), widget);
            });
        }
        for (const int value : enumerators("ComplexControl")) {
            inTurn([&](const QStyleOption* option) {
                if (option->type < QStyleOption::SO_Complex) {
                    return;
                }
                const auto* complex = static_cast<const QStyleOptionComplex*>(option);
                paint([&](QPainter* painter) {
                    style->drawComplexControl(QStyle::ComplexControl(value), complex, painter, widget);
                });
                style->subControlRect(QStyle::ComplexControl(value), complex, QStyle::SC_SliderHandle, widget);
            });
        }
    }
};

int main(int argc, char** argv)
{
    QuiltTest::TemporaryXdg xdg;
    qputenv("QUILT_STYLE_NAME", "halcyon");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    QApplication application(argc, argv);
    QApplication::setStyle(new QuiltStyle);
    previousHandler = qInstallMessageHandler(recordMessage);
    tst_Robustness test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_robustness.moc"
