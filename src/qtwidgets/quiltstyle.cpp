#include "quiltstyle.h"

#include "compositing.h"
#include "iconnames_p.h"
#include "resolvedcolors.h"

#include "element.h"
#include "elementcache.h"
#include "elementnames.h"
#include "elementquery.h"
#include "iconpropertygroup.h"
#include "paintcounters.h"
#include "platformplugin.h"
#include "style.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"
#include "stylerule.h"
#include "textpropertygroup.h"
#include "widgetfacts.h"
#include "widgetslogging.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QColumnView>
#include <QComboBox>
#include <QDial>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFocusFrame>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRubberBand>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace
{
template<typename T> bool isA(const QObject* object)
{
    return qobject_cast<const T*>(object) != nullptr;
}

// The element type of one object of a widget's parent chain; empty for an
// object that is none of these. The order matters: the first test that holds
// wins, so a QToolButton is never a "Button" and most QFrame subclasses are a
// "Frame".
QString memberType(const QObject* object)
{
    using namespace ElementNames;
    if (isA<QCheckBox>(object)) {
        return CheckBox;
    }
    if (isA<QRadioButton>(object)) {
        return RadioButton;
    }
    if (isA<QPushButton>(object)) {
        return Button;
    }
    if (isA<QToolButton>(object)) {
        return ToolButton;
    }
    if (isA<QAbstractButton>(object)) {
        return Button;
    }
    if (isA<QDial>(object)) {
        return Dial;
    }
    if (isA<QScrollBar>(object)) {
        return ScrollBar;
    }
    if (isA<QSlider>(object) || isA<QAbstractSlider>(object)) {
        return Slider;
    }
    if (isA<QColumnView>(object)) {
        return Column;
    }
    if (isA<QHeaderView>(object)) {
        return HeaderView;
    }
    if (isA<QTableView>(object)) {
        return TableView;
    }
    if (isA<QTreeView>(object)) {
        return TreeView;
    }
    if (isA<QListView>(object)) {
        return object->inherits("QComboBoxListView") ? Popup : ListView;
    }
    if (isA<QPlainTextEdit>(object) || isA<QTextEdit>(object)) {
        return TextArea;
    }
    if (isA<QGraphicsView>(object)) {
        return GraphicsView;
    }
    if (isA<QScrollArea>(object)) {
        return ScrollArea;
    }
    if (isA<QLabel>(object)) {
        return Label;
    }
    if (object->inherits("LoomSideTabBar")) {
        return TabBar;
    }
    if (isA<QFrame>(object)) {
        return Frame;
    }
    if (isA<QAbstractSpinBox>(object)) {
        return SpinBox;
    }
    if (isA<QGroupBox>(object)) {
        return GroupBox;
    }
    if (isA<QKeySequenceEdit>(object)) {
        return KeySequenceEdit;
    }
    if (isA<QComboBox>(object)) {
        return ComboBox;
    }
    if (isA<QDialog>(object)) {
        return Dialog;
    }
    if (isA<QDialogButtonBox>(object)) {
        return DialogButtonBox;
    }
    if (isA<QDockWidget>(object)) {
        return Dock;
    }
    if (isA<QFocusFrame>(object)) {
        return FocusFrame;
    }
    if (isA<QLineEdit>(object)) {
        return TextField;
    }
    if (isA<QMainWindow>(object)) {
        return ApplicationWindow;
    }
    if (isA<QMdiSubWindow>(object)) {
        return MdiSubWindow;
    }
    if (isA<QMenu>(object)) {
        return Menu;
    }
    if (isA<QMenuBar>(object)) {
        return MenuBar;
    }
    if (isA<QProgressBar>(object) || object->inherits("LoomMeterBar")) {
        return ProgressBar;
    }
    if (isA<QRubberBand>(object)) {
        return RubberBand;
    }
    if (isA<QSizeGrip>(object)) {
        return SizeGrip;
    }
    if (isA<QStatusBar>(object)) {
        return StatusBar;
    }
    if (isA<QTabBar>(object)) {
        return TabBar;
    }
    if (isA<QTabWidget>(object)) {
        return TabWidget;
    }
    if (isA<QToolBar>(object)) {
        return ToolBar;
    }
    return QString();
}

void updateTopLevelWidgets()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        widget->update();
    }
}
} // namespace

int mnemonicTextFlags(int flags, bool mnemonicsVisible)
{
    constexpr int both = Qt::TextShowMnemonic | Qt::TextHideMnemonic;
    if ((flags & Qt::TextHideMnemonic) && mnemonicsVisible) {
        return (flags & ~both) | Qt::TextShowMnemonic;
    }
    if ((flags & Qt::TextShowMnemonic) && !mnemonicsVisible) {
        return (flags & ~both) | Qt::TextHideMnemonic;
    }
    return flags;
}

QuiltStyle::QuiltStyle()
{
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    } else {
        qCWarning(lcQtWidgets) << "No application object: mnemonics will not follow the Alt key";
    }
    Quilt::StyleRegistry::instance()->load();
    advanceStyleGeneration();
}

QuiltStyle::~QuiltStyle()
{
    // Elements keep raw pointers to the style that made them.
    elementCache().clear();
    forgetAllWidgetFacts();
    advanceStyleGeneration();
}

bool QuiltStyle::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
            setMnemonicsVisible(true);
        }
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
            setMnemonicsVisible(false);
        }
        break;
    case QEvent::ApplicationStateChange:
        // Alt may be released in another application, where we never see it.
        setMnemonicsVisible(false);
        break;
    case QEvent::DynamicPropertyChange:
    case QEvent::ParentChange:
        forgetWidgetFacts(watched);
        break;
    // What elements keep of their last answer holds until one of these:
    // window activation decides the "inactive" hint, and the application's
    // palette, font and direction reach every widget.
    case QEvent::ApplicationPaletteChange:
        if (watched == QCoreApplication::instance()) {
            followPaletteChange();
        }
        advanceStyleGeneration();
        break;
    case QEvent::ApplicationFontChange:
    case QEvent::ApplicationLayoutDirectionChange:
    case QEvent::ThemeChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
        advanceStyleGeneration();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool QuiltStyle::mnemonicsVisible() const
{
    return m_mnemonicsVisible;
}

void QuiltStyle::setMnemonicsVisible(bool visible)
{
    if (m_mnemonicsVisible == visible) {
        return;
    }
    m_mnemonicsVisible = visible;
    updateTopLevelWidgets();
}

void QuiltStyle::polish(QWidget* widget)
{
    if (widget) {
        widget->setAttribute(Qt::WA_Hover);
        widget->setProperty(MemberListProperty, memberListForWidget(widget));
        forgetWidgetFacts(widget);
        // Popups that the style paints with rounded or shadowed backgrounds:
        // translucent only where something blends them, else their corners
        // and shadows would come out black.
        if (widget->inherits("QTipLabel") || widget->inherits("QComboBoxPrivateContainer")) {
            widget->setAttribute(Qt::WA_TranslucentBackground, platformComposites());
        }
        QObject* parent = widget->parent();
        if (parent && parent->inherits("QComboBoxListView")) {
            widget->setAttribute(Qt::WA_TranslucentBackground);
            widget->setAutoFillBackground(false);
        }
        if (qobject_cast<QAbstractSpinBox*>(widget)) {
            widget->setAutoFillBackground(false);
        }
    }
    if (qobject_cast<QScrollBar*>(widget)) {
        widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    if (qobject_cast<QMenu*>(widget)) {
        widget->setAttribute(Qt::WA_TranslucentBackground, platformComposites());
    }
    QCommonStyle::polish(widget);
}

void QuiltStyle::polish(QApplication* application)
{
    QCommonStyle::polish(application);
    advanceStyleGeneration();

    if (const auto palette = stylePalette()) {
        QApplication::setPalette(*palette);
        m_appliedPalette = QApplication::palette();
    }
}

void QuiltStyle::followPaletteChange()
{
    // An application that set a palette of its own keeps it.
    if (!m_appliedPalette || m_paletteUpdatePending || !(QApplication::palette() == *m_appliedPalette)) {
        return;
    }
    // Later: colour providers drop what they resolved for the old palette in
    // filters of their own, which may run after this one.
    m_paletteUpdatePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_paletteUpdatePending = false;
            if (!m_appliedPalette || !(QApplication::palette() == *m_appliedPalette)) {
                return;
            }
            if (const auto palette = stylePalette(); palette && !(*palette == *m_appliedPalette)) {
                // Sends another palette change, which finds the palette made
                // here unchanged and stops.
                QApplication::setPalette(*palette);
                m_appliedPalette = QApplication::palette();
            }
            // Colours outside the palette may have changed all the same.
            advanceStyleGeneration();
            updateTopLevelWidgets();
        },
        Qt::QueuedConnection);
}

std::optional<QPalette> QuiltStyle::stylePalette() const
{
    const auto element = Quilt::Element::create();
    element->setType(ElementNames::ApplicationWindow);
    const auto style = Quilt::StyleRegistry::instance()->defaultStyle();
    if (!style) {
        return std::nullopt;
    }
    const auto rules = style->matches({ element });
    if (rules.isEmpty()) {
        return std::nullopt;
    }

    // Roles come from the style or from the common style's palette, never
    // from the desktop's: light text of a dark desktop palette on the style's
    // light surfaces would vanish.
    QPalette palette = standardPalette();
    applyStylePalette(style, palette);
    // Only the heaviest rule counts, also when it sets no window colour.
    const auto windowColor = [](const auto& matched) -> std::optional<QColor> {
        const auto* properties = !matched.isEmpty() && matched.first() ? matched.first()->properties() : nullptr;
        if (properties && properties->background()) {
            if (const auto color = properties->background()->color()) {
                return color->toQColor();
            }
        }
        return std::nullopt;
    };
    if (const auto color = windowColor(rules)) {
        palette.setBrush(QPalette::All, QPalette::Window, QBrush(*color, Qt::SolidPattern));
    }
    // An inactive window is the same element with the hint "inactive".
    element->setHints({ QStringLiteral("inactive") });
    if (const auto color = windowColor(style->matches({ element }))) {
        palette.setBrush(QPalette::Inactive, QPalette::Window, QBrush(*color, Qt::SolidPattern));
    }
    return palette;
}

namespace
{
// Where a palette role comes from: the chain (outermost first, each entry a
// type with its hints after dots) and which colour of its result.
struct PaletteSource
{
    QPalette::ColorRole role;
    QStringList chain;
    bool background;
    Quilt::Element::States states = Quilt::Element::State::None;
};

// With `inactiveWindow`, the chain sits in a window that carries the hint
// "inactive", as the elements of a widget in an inactive window do.
std::optional<QColor> resolvedColor(const std::shared_ptr<Quilt::Style>& style, const PaletteSource& source,
                                    Quilt::Element::States states, bool inactiveWindow)
{
    Quilt::ElementChain chain;
    for (const QString& entry : source.chain) {
        QStringList parts = entry.split(QLatin1Char('.'));
        auto element = Quilt::Element::create();
        element->setType(parts.takeFirst());
        element->setHints(parts);
        chain.append(element);
    }
    chain.last()->setStates(source.states | states);
    if (inactiveWindow) {
        if (chain.first()->type() != ElementNames::ApplicationWindow) {
            auto window = Quilt::Element::create();
            window->setType(ElementNames::ApplicationWindow);
            chain.prepend(window);
        }
        chain.first()->setHints(chain.first()->hints() << QStringLiteral("inactive"));
    }
    Quilt::ElementQuery query(style);
    query.setElements(chain);
    if (!query.execute() || !query.hasMatches() || !query.properties()) {
        return std::nullopt;
    }
    const Quilt::Properties::StylePropertyGroup* properties = query.properties();
    std::optional<Quilt::Color> color;
    if (source.background) {
        if (properties->background()) {
            color = properties->background()->color();
        }
    } else if (properties->text()) {
        color = properties->text()->color();
    }
    if (!color) {
        return std::nullopt;
    }
    return color->toQColor();
}
} // namespace

void QuiltStyle::applyStylePalette(const std::shared_ptr<Quilt::Style>& style, QPalette& palette)
{
    using State = Quilt::Element::State;
    static const QList<PaletteSource> sources {
        { QPalette::WindowText, { ElementNames::ApplicationWindow }, false },
        { QPalette::Base, { ElementNames::TextField }, true },
        { QPalette::Text, { ElementNames::TextField }, false },
        { QPalette::AlternateBase, { ElementNames::ItemViewItem + QStringLiteral(".alternating-colors") }, true },
        { QPalette::Button, { ElementNames::Button }, true },
        { QPalette::ButtonText, { ElementNames::Button }, false },
        { QPalette::Highlight, { ElementNames::ItemViewItem }, true, State::Highlighted },
        { QPalette::HighlightedText, { ElementNames::ItemViewItem }, false, State::Highlighted },
        { QPalette::ToolTipBase, { ElementNames::ToolTip }, true },
        { QPalette::ToolTipText, { ElementNames::ToolTip }, false },
        { QPalette::Link, { QStringLiteral("Link") }, false },
        { QPalette::LinkVisited, { QStringLiteral("Link.visited") }, false },
    };
    // The inactive group answers for widgets in an inactive window: the same
    // chains in a window with the hint "inactive", so that a style's rules
    // for inactive windows (a paler selection, say) reach Qt's own painting.
    struct Group
    {
        QPalette::ColorGroup group;
        Quilt::Element::States states;
        bool inactiveWindow;
    };
    const Group groups[] = {
        { QPalette::Active, State::None, false },
        { QPalette::Inactive, State::None, true },
        { QPalette::Disabled, State::Disabled, false },
    };
    // Qt's editors mark selected text in the highlight colours, which item
    // views keep pale behind dark text: where the style gives selected text
    // colours of its own, those take the roles, so that a selection stands
    // out from the field.
    static const PaletteSource selection { QPalette::Highlight,
                                           { ElementNames::TextField, QStringLiteral("Selection") },
                                           true };
    static const PaletteSource selectedText { QPalette::HighlightedText,
                                              { ElementNames::TextField, QStringLiteral("Selection") },
                                              false };
    for (const auto& [group, states, inactiveWindow] : groups) {
        for (const PaletteSource& source : sources) {
            if (const auto color = resolvedColor(style, source, states, inactiveWindow)) {
                palette.setColor(group, source.role, *color);
            } else if (inactiveWindow) {
                palette.setColor(group, source.role, palette.color(QPalette::Active, source.role));
            }
        }
        if (const auto ground = resolvedColor(style, selection, states, inactiveWindow)) {
            palette.setColor(group, QPalette::Highlight, *ground);
            if (const auto text = resolvedColor(style, selectedText, states, inactiveWindow)) {
                palette.setColor(group, QPalette::HighlightedText, *text);
            }
        }
        // Text that stands for missing text: the field's text, faded only so
        // far that dark text on a light field still reads at 4.5:1.
        QColor placeholder = palette.color(group, QPalette::Text);
        placeholder.setAlphaF(placeholder.alphaF() * 0.7f);
        palette.setColor(group, QPalette::PlaceholderText, placeholder);
        // Bevels as Qt derives them from a button colour.
        const QColor button = palette.color(group, QPalette::Button);
        palette.setColor(group, QPalette::Light, button.lighter(150));
        palette.setColor(group, QPalette::Midlight, button.lighter(125));
        palette.setColor(group, QPalette::Mid, button.darker(150));
        palette.setColor(group, QPalette::Dark, button.darker(200));
        palette.setColor(group, QPalette::Shadow, button.darker(300));
    }
}

void QuiltStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                              const QString& text, QPalette::ColorRole textRole) const
{
    QCommonStyle::drawItemText(painter, rect, mnemonicTextFlags(flags, m_mnemonicsVisible), palette, enabled, text,
                               textRole);
}

namespace
{
// The desktop's platform plug-in wraps each icon it hands out in a new tint
// engine, whose pixmaps Qt's cache never finds again: every paint of an arrow
// would load and tint it anew. The icons are kept per name and tint until
// the style's generation, the platform or the icon theme changes.
class ResolvedIcons
{
public:
    // Forgets the icons when what they were resolved under changed; the
    // count of such changes.
    quint64 validate(const void* platform)
    {
        const quint64 generation = styleGeneration();
        const QString theme = QIcon::themeName();
        if (generation != m_generation || platform != m_platform || theme != m_theme
            || QIcon::themeSearchPaths() != m_paths) {
            m_icons.clear();
            m_generation = generation;
            m_platform = platform;
            m_theme = theme;
            m_paths = QIcon::themeSearchPaths();
            ++m_epoch;
        }
        return m_epoch;
    }

    // `themeOnly` for an icon asked of the icon theme alone, which may not
    // be the one the platform gives for the same name.
    template<typename Resolve>
    QIcon get(const QString& name, quint64 tint, bool themeOnly, const void* platform, Resolve resolve)
    {
        validate(platform);
        if (m_icons.size() > 512) {
            m_icons.clear();
        }
        const Key key { name, tint | (themeOnly ? Q_UINT64_C(1) << 32 : 0) };
        if (const auto known = m_icons.constFind(key); known != m_icons.constEnd()) {
            return *known;
        }
        QIcon icon = resolve();
        m_icons.insert(key, icon);
        return icon;
    }

private:
    using Key = std::pair<QString, quint64>;
    QHash<Key, QIcon> m_icons;
    quint64 m_generation = 0;
    const void* m_platform = nullptr;
    QString m_theme;
    QStringList m_paths;
    quint64 m_epoch = 0;
};

ResolvedIcons& resolvedIcons()
{
    static ResolvedIcons icons;
    return icons;
}
} // namespace

QIcon QuiltStyle::resolveIcon(const Quilt::Properties::StylePropertyGroup* properties, const QString& fallback) const
{
    ++paintCounters().iconsResolved;
    const Quilt::Properties::IconPropertyGroup* iconGroup = properties ? properties->icon() : nullptr;
    // A name set to an empty text still counts as set, and then falls back.
    QString name = fallback;
    if (iconGroup) {
        if (auto iconName = iconGroup->name()) {
            name = *iconName;
        }
    }
    // Without a platform only after the registry's cleanup, while the
    // application goes away: then the icon theme answers.
    const auto platform = Quilt::StyleRegistry::instance()->platform();

    Quilt::Color color;
    if (iconGroup) {
        if (auto iconColor = iconGroup->color()) {
            color = *iconColor;
        }
    }
    // The style's own symbolic icons, where nobody colours them, take the
    // element's icon colour, else its text colour, as the symbols it draws
    // itself do.
    const QColor iconTint = resolvedColor(color);
    QColor symbolTint = iconTint;
    bool tintFromText = false;
    if (!color.isValid() && properties && properties->text()) {
        if (auto textColor = properties->text()->color(); textColor && textColor->isValid()) {
            symbolTint = resolvedColor(*textColor);
            tintFromText = true;
        }
    }
    // Only the text's colour can differ from the one handed to the platform.
    const quint64 symbolKey = (symbolTint.isValid() ? symbolTint.rgba() : 0) | quint64(tintFromText) << 33;
    if (name.isEmpty()) {
        // Kept under the same platform as the others, or every change from
        // one kind of request to the other would forget them all.
        return resolvedIcons().get(fallback, symbolKey, true, platform.get(), [&] {
            return Quilt::platformSymbolOrTwin(nullptr, fallback, QColor(), symbolTint);
        });
    }

    const QColor tint = platform ? iconTint : QColor();
    return resolvedIcons().get(name, symbolKey, false, platform.get(),
                               [&] { return Quilt::platformSymbolOrTwin(platform.get(), name, tint, symbolTint); });
}

quint64 QuiltStyle::iconEpoch() const
{
    return resolvedIcons().validate(Quilt::StyleRegistry::instance()->platform().get());
}

namespace
{
// The type depends on the class alone, and every widget polished asks for
// those of all its ancestors, each through some forty casts. Kept per class,
// and checked by name, in case a class made at run time leaves its place to
// another one.
QString classMemberType(const QObject* object)
{
    struct Known
    {
        QByteArray className;
        QString type;
    };
    static QHash<const QMetaObject*, Known> known;
    const QMetaObject* meta = object->metaObject();
    const char* className = meta->className();
    if (const auto it = known.constFind(meta); it != known.cend() && it->className == className) {
        return it->type;
    }
    QString type = memberType(object);
    known.insert(meta, Known { QByteArray(className), type });
    return type;
}
} // namespace

QStringList QuiltStyle::memberListForWidget(const QWidget* widget)
{
    QStringList members;
    for (const QObject* object = widget; object; object = object->parent()) {
        QString type = classMemberType(object);
        if (!type.isEmpty()) {
            members.prepend(std::move(type));
        }
    }
    return members;
}
