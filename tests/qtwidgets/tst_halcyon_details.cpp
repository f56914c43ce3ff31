// Details of halcyon that real applications showed: cells that keep their
// padding, whole button titles, a checked button unlike the default one,
// mirrored arrows and headers, a selection that stands out, the desktop's
// own icon names asked for first, and the style's own symbols in the
// scheme's colours.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "contrast.h"
#include "directionrows.h"
#include "noicontheme.h"
#include "quiltstyle.h"
#include "styleregistry.h"
#include "testfixture.h"

#include <algorithm>
#include <memory>
#include <tuple>

namespace
{
using QuiltTest::contrast;

// The style, telling the tests what it drew where.
class RecordingStyle : public QuiltStyle
{
public:
    struct Text
    {
        QRect rect;
        int flags;
        QString text;
    };
    mutable QList<Text> texts;
    mutable QList<QRect> pixmaps;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole) const override
    {
        texts.append({ painter->transform().mapRect(rect), flags, text });
        QuiltStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    }

    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const override
    {
        pixmaps.append(painter->transform().mapRect(rect));
        QuiltStyle::drawItemPixmap(painter, rect, alignment, pixmap);
    }

    void forget() const
    {
        texts.clear();
        pixmaps.clear();
    }

    std::optional<Text> textOf(const QString& prefix) const
    {
        for (const Text& text : texts) {
            if (text.text.startsWith(prefix)) {
                return text;
            }
        }
        return std::nullopt;
    }
};

RecordingStyle* recorder()
{
    return static_cast<RecordingStyle*>(qApp->style());
}

bool showAndWait(QWidget* widget)
{
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}

QImage grab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The first and last columns of `rect` that hold ink: pixels at 3:1 or more
// against `ground`. An empty pair when there is none.
std::pair<int, int> inkColumns(const QImage& image, const QRect& rect, const QColor& ground)
{
    int first = -1;
    int last = -1;
    const QRect area = rect.intersected(image.rect());
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (contrast(image.pixelColor(x, y), ground) >= 3.0) {
                if (first < 0) {
                    first = x;
                }
                last = x;
                break;
            }
        }
    }
    return { first, last };
}
} // namespace

class tst_HalcyonDetails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(Quilt::StyleRegistry::instance()->defaultStyle());
        QuiltTest::clearIconTheme();
    }

    // Cell text keeps the item's padding from the cell's edges on both sides:
    // a right-aligned number in one cell and the text of the next no longer
    // read as one word.
    void cellTextKeepsPadding_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("alignment");
        for (const char* view : { "table", "list", "tree" }) {
            QTest::newRow(qPrintable(QStringLiteral("%1 left").arg(QLatin1StringView(view))))
                << QString::fromLatin1(view) << int(Qt::AlignLeft | Qt::AlignVCenter);
            QTest::newRow(qPrintable(QStringLiteral("%1 right").arg(QLatin1StringView(view))))
                << QString::fromLatin1(view) << int(Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    void cellTextKeepsPadding()
    {
        QFETCH(QString, view);
        QFETCH(int, alignment);
        QStandardItemModel model(2, 1);
        for (int row = 0; row < 2; ++row) {
            auto* item = new QStandardItem(QStringLiteral("2350"));
            item->setTextAlignment(Qt::Alignment(alignment));
            model.setItem(row, 0, item);
        }
        std::unique_ptr<QAbstractItemView> widget;
        if (view == QLatin1String("table")) {
            auto* table = new QTableView;
            table->setShowGrid(false);
            widget.reset(table);
        } else if (view == QLatin1String("list")) {
            widget = std::make_unique<QListView>();
        } else {
            auto* tree = new QTreeView;
            tree->setRootIsDecorated(false);
            tree->setHeaderHidden(true);
            widget.reset(tree);
        }
        widget->setModel(&model);
        widget->resize(240, 160);
        QVERIFY(showAndWait(widget.get()));
        const QRect cell = widget->visualRect(model.index(1, 0));
        const QImage image = grab(widget->viewport());
        const QColor ground = image.pixelColor(cell.center().x(), cell.top() + 1);
        const auto [first, last] = inkColumns(image, cell, ground);
        QVERIFY2(first >= 0, "no text drawn");
        QVERIFY2(
            first - cell.left() >= 4 && cell.right() - last >= 4,
            qPrintable(QStringLiteral("ink %1..%2 in %3..%4").arg(first).arg(last).arg(cell.left()).arg(cell.right())));
    }

    // A title that does not fit is elided, never cut; icon and title stay
    // together as one label where the button is wider than both.
    void buttonTitleWholeAndBesideItsIcon_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("elided");
        QTest::newRow("narrow") << 100 << true;
        QTest::newRow("wide") << 260 << false;
    }

    void buttonTitleWholeAndBesideItsIcon()
    {
        QFETCH(int, width);
        QFETCH(bool, elided);
        QPixmap arrow(16, 16);
        arrow.fill(Qt::darkGray);
        QPushButton button(QIcon(arrow), QStringLiteral("CATEGORIES"));
        button.setFlat(true);
        button.setFixedWidth(width);
        QVERIFY(showAndWait(&button));
        recorder()->forget();
        button.repaint();
        const auto title = recorder()->textOf(QStringLiteral("CAT"));
        QVERIFY(title);
        QCOMPARE(title->text.endsWith(QChar(0x2026)), elided);
        if (!elided) {
            QCOMPARE(title->text, QStringLiteral("CATEGORIES"));
        }
        QVERIFY(title->rect.right() < width);
        QCOMPARE(recorder()->pixmaps.size(), 1);
        const QRect icon = recorder()->pixmaps.constFirst();
        // Beside the icon by the button's spacing, not across the button.
        const int gap = title->rect.left() - icon.right() - 1;
        QVERIFY2(gap >= 0 && gap <= 6, qPrintable(QString::number(gap)));
        if (!elided) {
            const int left = icon.left();
            const int right = width - 1 - title->rect.right();
            QVERIFY2(std::abs(left - right) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(left).arg(right)));
        }
    }

    // A checked toggle button and the default button never look alike, and
    // a disabled default button looks like any disabled button.
    void checkedUnlikeDefault()
    {
        QWidget window;
        QPushButton checked(QStringLiteral("Button"), &window);
        checked.setCheckable(true);
        checked.setChecked(true);
        checked.setAutoDefault(false);
        QPushButton standard(QStringLiteral("Button"), &window);
        standard.setDefault(true);
        QPushButton disabledDefault(QStringLiteral("Button"), &window);
        disabledDefault.setDefault(true);
        disabledDefault.setEnabled(false);
        QPushButton disabled(QStringLiteral("Button"), &window);
        disabled.setAutoDefault(false);
        disabled.setEnabled(false);
        int y = 0;
        for (QPushButton* button : { &checked, &standard, &disabledDefault, &disabled }) {
            button->setGeometry(0, y, 100, 30);
            y += 40;
        }
        QVERIFY(showAndWait(&window));
        const QPoint face(6, 15);
        const QColor checkedFace = grab(&checked).pixelColor(face);
        const QColor defaultFace = grab(&standard).pixelColor(face);
        const int difference = std::max({ std::abs(checkedFace.red() - defaultFace.red()),
                                          std::abs(checkedFace.green() - defaultFace.green()),
                                          std::abs(checkedFace.blue() - defaultFace.blue()) });
        QVERIFY2(difference >= 24, qPrintable(checkedFace.name() + QStringLiteral(" vs ") + defaultFace.name()));
        QCOMPARE(grab(&disabledDefault), grab(&disabled));
    }

    // A translucent popup's panel clears what lies outside its rounded frame,
    // whatever its backing store held there.
    void popupCornersClear()
    {
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        menu.addAction(QStringLiteral("Two"));
        menu.ensurePolished();
        menu.adjustSize();
        menu.setAttribute(Qt::WA_TranslucentBackground, true);
        QImage image(menu.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            QStyleOptionMenuItem option;
            option.initFrom(&menu);
            option.rect = menu.rect();
            menu.style()->drawPrimitive(QStyle::PE_PanelMenu, &option, &painter, &menu);
        }
        const QRect r = image.rect();
        // The corner pixel itself may hold a trace of the frame's curve.
        for (const QPoint corner : { r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight() }) {
            const int alpha = image.pixelColor(corner).alpha();
            QVERIFY2(alpha < 64, qPrintable(QString::number(alpha)));
        }
        QCOMPARE(image.pixelColor(r.center()).alpha(), 255);
    }

    // Text selected in an editor stands out from the field by 3:1 or more,
    // and reads well on the selection, in a light and in a dark scheme.
    void selectionStandsOut_data()
    {
        QTest::addColumn<QByteArray>("scheme");
        QTest::newRow("light") << QByteArray();
        QTest::newRow("dark") << QByteArrayLiteral("[Colors:Window]\n"
                                                   "BackgroundNormal=#202326\n"
                                                   "ForegroundNormal=#fcfcfc\n"
                                                   "[Colors:View]\n"
                                                   "BackgroundNormal=#141618\n"
                                                   "ForegroundNormal=#fcfcfc\n"
                                                   "[Colors:Button]\n"
                                                   "BackgroundNormal=#292c30\n"
                                                   "ForegroundNormal=#fcfcfc\n"
                                                   "[Colors:Selection]\n"
                                                   "BackgroundNormal=#2a6f9c\n"
                                                   "BackgroundAlternate=#1f5a80\n"
                                                   "ForegroundNormal=#fcfcfc\n");
    }

    void selectionStandsOut()
    {
        QFETCH(QByteArray, scheme);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const auto useScheme = [](const QString& path) {
            qApp->setProperty("VYR_COLOR_SCHEME_PATH", path);
            QEvent changed(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(qApp, &changed);
        };
        const auto restore = qScopeGuard([&] {
            useScheme(QString());
            QTest::qWait(50);
        });
        if (!scheme.isEmpty()) {
            const QString path = folder.filePath(QStringLiteral("dark.colors"));
            QVERIFY(QuiltTest::writeFile(path, scheme));
            useScheme(path);
            QTRY_VERIFY(QuiltTest::luminance(QApplication::palette().color(QPalette::Base)) < 0.1);
        }
        const QPalette palette = QApplication::palette();
        for (const auto group : { QPalette::Active, QPalette::Inactive }) {
            const QColor base = palette.color(group, QPalette::Base);
            const QColor highlight = palette.color(group, QPalette::Highlight);
            const QColor text = palette.color(group, QPalette::HighlightedText);
            QVERIFY2(contrast(highlight, base) >= 3.0,
                     qPrintable(highlight.name() + QStringLiteral(" on ") + base.name()));
            QVERIFY2(contrast(text, highlight) >= 4.5,
                     qPrintable(text.name() + QStringLiteral(" on ") + highlight.name()));
        }

        // As an editor paints it: the selected blanks show the selection's
        // band alone, without letters in it.
        QLineEdit edit(QStringLiteral("        MMMM"));
        edit.resize(240, 30);
        QVERIFY(showAndWait(&edit));
        edit.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setSelection(0, 8);
        const QImage image = grab(&edit);
        const QColor field = image.pixelColor(edit.width() - 12, edit.height() / 2);
        double best = 0;
        for (int x = 4; x < 30; ++x) {
            best = std::max(best, contrast(image.pixelColor(x, edit.height() / 2), field));
        }
        QVERIFY2(best >= 3.0, qPrintable(QString::number(best)));
    }

    // The style asks the desktop's icon theme for an element's own name
    // first, then for its common twin, and draws its own symbol without
    // either.
    void iconNamesOwnFirst_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("primitive");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("common");
        const std::tuple<const char*, QStyle::PrimitiveElement, const char*, const char*> symbols[] = {
            { "up", QStyle::PE_IndicatorArrowUp, "arrow-up-symbolic", "pan-up-symbolic" },
            { "down", QStyle::PE_IndicatorArrowDown, "arrow-down-symbolic", "pan-down-symbolic" },
            { "left", QStyle::PE_IndicatorArrowLeft, "arrow-left-symbolic", "pan-start-symbolic" },
            { "right", QStyle::PE_IndicatorArrowRight, "arrow-right-symbolic", "pan-end-symbolic" },
            { "increase", QStyle::PE_IndicatorSpinPlus, "spinbox-increase", "list-add-symbolic" },
            { "decrease", QStyle::PE_IndicatorSpinMinus, "spinbox-decrease", "list-remove-symbolic" },
        };
        for (const auto& [what, primitive, own, common] : symbols) {
            for (const char* theme : { "own", "common", "both", "none" }) {
                QTest::newRow(
                    qPrintable(QStringLiteral("%1, %2 names").arg(QLatin1StringView(what), QLatin1StringView(theme))))
                    << QString::fromLatin1(theme) << int(primitive) << QString::fromLatin1(own)
                    << QString::fromLatin1(common);
            }
        }
    }

    void iconNamesOwnFirst()
    {
        QFETCH(QString, theme);
        QFETCH(int, primitive);
        QFETCH(QString, own);
        QFETCH(QString, common);
        const QColor ownColor(0xd0, 0x20, 0x30);
        const QColor commonColor(0x20, 0xa0, 0x40);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString name = QStringLiteral("fixture-") + theme;
        const QString root = folder.filePath(name);
        QVERIFY(QDir().mkpath(root + QStringLiteral("/16x16/actions")));
        QVERIFY(QuiltTest::writeFile(root + QStringLiteral("/index.theme"),
                                     "[Icon Theme]\nName=Fixture\nDirectories=16x16/actions\n\n"
                                     "[16x16/actions]\nSize=16\nType=Fixed\n"));
        const auto icon = [&](const QString& iconName, const QColor& color) {
            QImage image(16, 16, QImage::Format_ARGB32);
            image.fill(color);
            return image.save(root + QStringLiteral("/16x16/actions/") + iconName + QStringLiteral(".png"));
        };
        if (theme == QLatin1String("own") || theme == QLatin1String("both")) {
            QVERIFY(icon(own, ownColor));
        }
        if (theme == QLatin1String("common") || theme == QLatin1String("both")) {
            QVERIFY(icon(common, commonColor));
        }
        QIcon::setThemeSearchPaths({ folder.path() });
        QIcon::setThemeName(name);
        const auto restore = qScopeGuard([] {
            QIcon::setThemeSearchPaths({});
            QIcon::setThemeName(QString());
        });

        QSpinBox spinBox;
        spinBox.setButtonSymbols(QAbstractSpinBox::PlusMinus);
        QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            QStyleOptionSpinBox option;
            option.initFrom(&spinBox);
            option.rect = image.rect();
            option.buttonSymbols = QAbstractSpinBox::PlusMinus;
            option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
            qApp->style()->drawPrimitive(QStyle::PrimitiveElement(primitive), &option, &painter, &spinBox);
        }
        const auto shows = [&](const QColor& color) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.alpha() > 200 && std::abs(c.red() - color.red()) < 8
                        && std::abs(c.green() - color.green()) < 8 && std::abs(c.blue() - color.blue()) < 8) {
                        return true;
                    }
                }
            }
            return false;
        };
        const bool ownShown = shows(ownColor);
        const bool commonShown = shows(commonColor);
        QCOMPARE(ownShown, theme == QLatin1String("own") || theme == QLatin1String("both"));
        QCOMPARE(commonShown, theme == QLatin1String("common"));
        if (theme == QLatin1String("none")) {
            // The style's own symbol.
            bool ink = false;
            for (int y = 0; y < image.height() && !ink; ++y) {
                for (int x = 0; x < image.width() && !ink; ++x) {
                    ink = image.pixelColor(x, y).alpha() > 200;
                }
            }
            QVERIFY(ink);
        }
    }

    // Halcyon's own symbols, from the files it installs into the "hicolor"
    // theme, which no desktop plug-in colours here: a combo box's arrow, a
    // spin box's arrows and a dock widget's float button stand out from
    // their ground by 3:1 or more in a light and in a dark scheme, not in
    // the files' one grey.
    void ownSymbolsFollowScheme_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("light") << QString();
        QTest::newRow("dark") << QStringLiteral(QUILT_TEST_DARK_SCHEME);
    }

    void ownSymbolsFollowScheme()
    {
        QFETCH(QString, scheme);
        const QString icons = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("icons/hicolor"), QStandardPaths::LocateDirectory);
        QVERIFY(!icons.isEmpty());
        QIcon::setThemeSearchPaths({ QFileInfo(icons).path() });
        QIcon::setThemeName(QStringLiteral("hicolor"));
        const auto useScheme = [](const QString& path) {
            qApp->setProperty("VYR_COLOR_SCHEME_PATH", path);
            QEvent changed(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(qApp, &changed);
        };
        const auto restore = qScopeGuard([&] {
            QuiltTest::clearIconTheme();
            useScheme(QString());
            QTest::qWait(50);
        });
        useScheme(scheme);
        if (!scheme.isEmpty()) {
            QTRY_VERIFY(QuiltTest::luminance(QApplication::palette().color(QPalette::Base)) < 0.1);
        }

        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* combo = new QComboBox;
        combo->addItems({ QStringLiteral("One"), QStringLiteral("Two") });
        auto* spin = new QSpinBox;
        layout->addWidget(combo);
        layout->addWidget(spin);
        window.resize(220, 100);
        QVERIFY(showAndWait(&window));

        const auto symbolIn = [](QWidget* widget, QStyle::ComplexControl control, QStyle::SubControl part) {
            QStyleOptionComplex* option = nullptr;
            QStyleOptionComboBox comboOption;
            QStyleOptionSpinBox spinOption;
            if (control == QStyle::CC_ComboBox) {
                comboOption.initFrom(widget);
                comboOption.editable = false;
                comboOption.frame = true;
                option = &comboOption;
            } else {
                spinOption.initFrom(widget);
                spinOption.buttonSymbols = QAbstractSpinBox::UpDownArrows;
                spinOption.frame = true;
                spinOption.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
                option = &spinOption;
            }
            // Inside the place, off any frame around it.
            const QRect rect = widget->style()->subControlRect(control, option, part, widget).adjusted(1, 1, -1, -1);
            const QImage image = grab(widget);
            // The ground: the commonest colour of the place; the symbol: the
            // colour that stands out from it most.
            QHash<QRgb, int> counts;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    ++counts[image.pixel(x, y)];
                }
            }
            const QRgb ground
                = std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; }).key();
            double best = 0;
            for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
                best = std::max(best, contrast(QColor::fromRgb(it.key()), QColor::fromRgb(ground)));
            }
            return std::pair { best, QStringLiteral("%1 on %2").arg(rect.width()).arg(QColor::fromRgb(ground).name()) };
        };
        for (const auto& [widget, control, part] :
             { std::tuple { static_cast<QWidget*>(combo), QStyle::CC_ComboBox, QStyle::SC_ComboBoxArrow },
               std::tuple { static_cast<QWidget*>(spin), QStyle::CC_SpinBox, QStyle::SC_SpinBoxUp },
               std::tuple { static_cast<QWidget*>(spin), QStyle::CC_SpinBox, QStyle::SC_SpinBoxDown } }) {
            const auto [best, ground] = symbolIn(widget, control, part);
            QVERIFY2(best >= 3.0,
                     qPrintable(QStringLiteral("%1 %2: %3:1 at most, %4")
                                    .arg(QLatin1StringView(widget->metaObject()->className()))
                                    .arg(int(part))
                                    .arg(best, 0, 'f', 2)
                                    .arg(ground)));
        }

        // A dock widget's float button, a symbol of one colour whose name
        // does not say so, on the window's colour.
        QDockWidget dock(QStringLiteral("Dock"));
        QStyleOptionDockWidget dockOption;
        dockOption.initFrom(&dock);
        dockOption.floatable = true;
        const QImage floatIcon = dock.style()
                                     ->standardIcon(QStyle::SP_TitleBarNormalButton, &dockOption, &dock)
                                     .pixmap(QSize(16, 16), 1.0)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
        const QColor surface = QApplication::palette().color(QPalette::Window);
        double best = 0;
        for (int y = 0; y < floatIcon.height(); ++y) {
            for (int x = 0; x < floatIcon.width(); ++x) {
                const QColor ink = floatIcon.pixelColor(x, y);
                if (ink.alpha() == 255) {
                    best = std::max(best, contrast(ink, surface));
                }
            }
        }
        QVERIFY2(best >= 3.0,
                 qPrintable(QStringLiteral("float button: %1:1 on %2").arg(best, 0, 'f', 2).arg(surface.name())));
    }

    // Right to left, a push button's menu arrow stands at its left end.
    void menuArrowAtTheEnd_data() { QuiltTest::directionRows(); }

    void menuArrowAtTheEnd()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QPushButton button;
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        button.setMenu(&menu);
        button.setLayoutDirection(direction);
        button.setFixedSize(120, 30);
        QVERIFY(showAndWait(&button));
        const QImage image = grab(&button);
        const QColor ground = image.pixelColor(60, 15);
        const auto [first, last] = inkColumns(image, QRect(4, 4, 112, 22), ground);
        QVERIFY2(first >= 0, "no arrow drawn");
        if (direction == Qt::LeftToRight) {
            QVERIFY2(first > 80, qPrintable(QString::number(first)));
        } else {
            QVERIFY2(last < 40, qPrintable(QString::number(last)));
        }
    }

    // A menu row reads in the menu's direction: right to left the text
    // stands right of its shortcut, and a submenu's arrow (halcyon's own,
    // named as it points left to right) sits at the left end, pointing left.
    void menuRowsFollowDirection_data() { QuiltTest::directionRows(); }

    void menuRowsFollowDirection()
    {
        QFETCH(Qt::LayoutDirection, direction);
        const QString icons = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("icons/hicolor"), QStandardPaths::LocateDirectory);
        QVERIFY(!icons.isEmpty());
        QIcon::setThemeSearchPaths({ QFileInfo(icons).path() });
        QIcon::setThemeName(QStringLiteral("hicolor"));
        const auto restore = qScopeGuard([] { QuiltTest::clearIconTheme(); });

        QMenu menu;
        menu.setLayoutDirection(direction);
        QAction* open = menu.addAction(QStringLiteral("Open"));
        open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
        open->setShortcutVisibleInContextMenu(true);
        QMenu* recent = menu.addMenu(QStringLiteral("Recent"));
        recent->addAction(QStringLiteral("One"));
        QVERIFY(showAndWait(&menu));
        recorder()->texts.clear();
        recorder()->pixmaps.clear();
        const QImage image = grab(&menu);

        QRect text;
        QRect shortcut;
        for (const auto& drawn : std::as_const(recorder()->texts)) {
            if (drawn.text == QLatin1StringView("Open")) {
                text = drawn.rect;
            } else if (drawn.text == QLatin1StringView("Ctrl+O")) {
                shortcut = drawn.rect;
            }
        }
        QVERIFY(!text.isNull() && !shortcut.isNull());
        const QRect row = menu.actionGeometry(recent->menuAction());
        QRect arrow;
        for (const QRect& drawn : std::as_const(recorder()->pixmaps)) {
            if (row.contains(drawn.center())) {
                arrow = drawn;
            }
        }
        QVERIFY2(!arrow.isNull(), "no arrow drawn");
        const bool rightToLeft = direction == Qt::RightToLeft;
        QCOMPARE(text.center().x() > shortcut.center().x(), rightToLeft);
        QCOMPARE(arrow.center().x() < menu.width() / 2, rightToLeft);

        // The tip is the arrow's narrow end: fewer inked pixels in its
        // column than in the column of the base.
        const QColor ground = image.pixelColor(arrow.topLeft());
        const auto inkHeight = [&](int x) {
            int count = 0;
            for (int y = arrow.top(); y <= arrow.bottom(); ++y) {
                count += contrast(image.pixelColor(x, y), ground) >= 1.5 ? 1 : 0;
            }
            return count;
        };
        const auto [first, last] = inkColumns(image, arrow, ground);
        QVERIFY2(first >= 0, "no ink in the arrow");
        const int leftEnd = inkHeight(first);
        const int rightEnd = inkHeight(last);
        const QString where = QStringLiteral("%1 px high at the left, %2 at the right").arg(leftEnd).arg(rightEnd);
        QVERIFY2(rightToLeft ? leftEnd < rightEnd : leftEnd > rightEnd, qPrintable(where));
    }

    // Header labels stand as the section's alignment says, mirrored right to
    // left as the cells below them are.
    void headerLabelFollowsItsAlignment_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("side"); // -1 near the left edge, 0 centred, 1 near the right
        QTest::newRow("ltr right") << Qt::LeftToRight << int(Qt::AlignRight) << 1;
        QTest::newRow("ltr centre") << Qt::LeftToRight << int(Qt::AlignHCenter) << 0;
        QTest::newRow("ltr left") << Qt::LeftToRight << int(Qt::AlignLeft) << -1;
        QTest::newRow("rtl right") << Qt::RightToLeft << int(Qt::AlignRight) << -1;
        QTest::newRow("rtl centre") << Qt::RightToLeft << int(Qt::AlignHCenter) << 0;
        QTest::newRow("rtl left") << Qt::RightToLeft << int(Qt::AlignLeft) << 1;
    }

    void headerLabelFollowsItsAlignment()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(int, alignment);
        QFETCH(int, side);
        QStandardItemModel model(1, 1);
        model.setHorizontalHeaderLabels({ QStringLiteral("Sum") });
        model.setHeaderData(0, Qt::Horizontal, alignment | int(Qt::AlignVCenter), Qt::TextAlignmentRole);
        QTableView table;
        table.setLayoutDirection(direction);
        table.setModel(&model);
        table.horizontalHeader()->resizeSection(0, 160);
        table.resize(260, 120);
        QVERIFY(showAndWait(&table));
        QHeaderView* header = table.horizontalHeader();
        const int left = header->sectionViewportPosition(0);
        const QRect section(left, 0, header->sectionSize(0), header->height());
        const QImage image = grab(header->viewport());
        const QColor ground = image.pixelColor(section.center().x(), 2);
        const auto [first, last] = inkColumns(image, section.adjusted(2, 2, -2, -2), ground);
        QVERIFY2(first >= 0, "no label drawn");
        const int before = first - section.left();
        const int after = section.right() - last;
        const QString where = QStringLiteral("%1 before, %2 after").arg(before).arg(after);
        if (side < 0) {
            QVERIFY2(before < after - 40, qPrintable(where));
        } else if (side > 0) {
            QVERIFY2(after < before - 40, qPrintable(where));
        } else {
            QVERIFY2(std::abs(before - after) <= 6, qPrintable(where));
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
    QApplication::setStyle(new RecordingStyle);
    tst_HalcyonDetails test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_halcyon_details.moc"
