#include "titlebarelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetslogging.h"

#include <QStyleOption>

namespace
{
struct TitleBarButton
{
    Qt::WindowType flag;
    const QString& name;
    const char* iconName;
};

// In the order they are laid out and painted.
const TitleBarButton s_buttons[] = {
    { Qt::WindowContextHelpButtonHint, ElementNames::HelpButton, "help-contextual-symbolic" },
    { Qt::WindowMinimizeButtonHint, ElementNames::MinimizeButton, "window-minimize-symbolic" },
    { Qt::WindowMaximizeButtonHint, ElementNames::MaximizeButton, "window-maximize-symbolic" },
    { Qt::WindowCloseButtonHint, ElementNames::CloseButton, "window-close-symbolic" },
    { Qt::WindowSystemMenuHint, ElementNames::SystemMenu, "application-menu-symbolic" },
    { Qt::WindowShadeButtonHint, ElementNames::ShadeButton, "window-shade-symbolic" },
};
} // namespace

TitleBarElement::TitleBarElement(const QStyleOptionTitleBar* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_titleBarOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString TitleBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::TitleBar;
}

SubElementLayout TitleBarElement::layout(const Quilt::ElementChain& chain, const QStyleOption* option,
                                         const QStringList& names)
{
    const auto* titleBar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (!titleBar) {
        return AbstractElement::layout(chain, option, names);
    }
    // The layout measures the text of the option types that carry one, and a
    // title bar's is not among them: without this its title would get a place
    // without width and run under the buttons. A dock widget's title is
    // measured, and its icon size is unset like the title bar's.
    QStyleOptionDockWidget measured;
    static_cast<QStyleOption&>(measured) = *titleBar;
    measured.type = QStyleOptionDockWidget::Type;
    measured.version = QStyleOptionDockWidget::Version;
    measured.title = titleBar->text;
    return AbstractElement::layout(chain, &measured, names);
}

QStringList TitleBarElement::hints() const
{
    QStringList result;
    if (!m_titleBarOption) {
        return result;
    }
    if (m_titleBarOption->titleBarState & Qt::WindowMaximized) {
        result.append(QStringLiteral("maximized"));
    }
    if (m_titleBarOption->titleBarState & Qt::WindowMinimized) {
        result.append(QStringLiteral("minimized"));
    }
    return result;
}

bool TitleBarElement::showsTitle() const
{
    return m_titleBarOption && !m_titleBarOption->text.isEmpty()
        && (m_titleBarOption->titleBarFlags & (Qt::WindowTitleHint | Qt::WindowSystemMenuHint));
}

void TitleBarElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (!m_titleBarOption) {
        return;
    }
    if (showsTitle()) {
        m_subElementNames.append(ElementNames::Text);
    }
    if (!m_titleBarOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    for (const TitleBarButton& button : s_buttons) {
        if (m_titleBarOption->titleBarFlags & button.flag) {
            m_subElementNames.append(button.name);
        }
    }
}

void TitleBarElement::update()
{
    if (!m_titleBarOption) {
        return;
    }
    m_icon = m_titleBarOption->icon;
    m_text = m_titleBarOption->text;
    updateSubElementNames();
    query();
}

void TitleBarElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::TitleBar });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_layout = layout(m_elements, m_option, m_subElementNames);
    m_valid = true;
}

void TitleBarElement::draw(QPainter* painter, int, int, int)
{
    if (!m_valid || !m_titleBarOption) {
        return;
    }
    drawBackgroundAndBorder(painter);
    if (showsTitle()) {
        drawText(painter);
    }
    if (!m_icon.isNull()) {
        drawIcon(painter, m_icon, m_properties, m_layout.value(ElementNames::Icon).rect);
    }
    for (const TitleBarButton& button : s_buttons) {
        if (!(m_titleBarOption->titleBarFlags & button.flag)) {
            continue;
        }
        // Painted at once: the button's result needs no keeping.
        const Quilt::ElementChain chain = elementList(m_option, m_widget, { ElementNames::TitleBar, button.name });
        const QIcon icon = m_style->resolveIcon(queryProperties(chain), QString::fromLatin1(button.iconName));
        drawIcon(painter, icon, m_properties, m_layout.value(button.name).rect);
    }
}

QSizeF TitleBarElement::sizeFromContents(const QSizeF& contents)
{
    return contents;
}

QRectF TitleBarElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    const QString* name = nullptr;
    switch (control) {
    case QStyle::SC_TitleBarLabel:
        name = &ElementNames::Text;
        break;
    case QStyle::SC_TitleBarContextHelpButton:
        name = &ElementNames::HelpButton;
        break;
    case QStyle::SC_TitleBarMinButton:
        name = &ElementNames::MinimizeButton;
        break;
    case QStyle::SC_TitleBarMaxButton:
        name = &ElementNames::MaximizeButton;
        break;
    case QStyle::SC_TitleBarCloseButton:
        name = &ElementNames::CloseButton;
        break;
    case QStyle::SC_TitleBarSysMenu:
        name = &ElementNames::SystemMenu;
        break;
    case QStyle::SC_TitleBarShadeButton:
    case QStyle::SC_TitleBarUnshadeButton:
        name = &ElementNames::ShadeButton;
        break;
    case QStyle::SC_TitleBarNormalButton:
        name = &ElementNames::NormalButton;
        break;
    default:
        return QRectF(0, 0, 0, 0);
    }
    const auto place = m_layout.constFind(*name);
    return place == m_layout.cend() ? QRectF(0, 0, 0, 0) : place->rect;
}

double TitleBarElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_TitleBarHeight:
        return height();
    case QStyle::PM_TitleBarButtonIconSize:
        return iconSize().width();
    case QStyle::PM_TitleBarButtonSize:
        return sizeOf({ ElementNames::TitleBar, ElementNames::NormalButton }).width();
    default:
        return 0;
    }
}
