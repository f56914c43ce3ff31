#pragma once

#include <QCommonStyle>
#include <QIcon>
#include <QStringList>

#include <QPalette>

#include <memory>
#include <optional>

namespace Quilt
{
class Style;
namespace Properties
{
class StylePropertyGroup;
}
} // namespace Quilt

// The dynamic property that keeps a widget's member list (the element types of
// its ancestors and its own), written when the style polishes the widget.
inline constexpr char MemberListProperty[] = "_quilt_member_list";

// The widget style: QStyle requests that it handles are answered from the
// engine's default style, everything else by the common style.
class QuiltStyle : public QCommonStyle
{
    Q_OBJECT
    Q_CLASSINFO("X-VYR-CustomElements", "false")

public:
    QuiltStyle();
    ~QuiltStyle() override;

    // Follows the Alt key and the application state for the mnemonics, and
    // application palette changes (see polish(QApplication*)); never
    // consumes an event.
    bool eventFilter(QObject* watched, QEvent* event) override;

    void polish(QWidget* widget) override;
    // Makes the application palette from the default style's rules. While
    // the application keeps that palette, a change of the application
    // palette (as when the desktop's colour scheme changes) makes it again
    // from the rules' current colours and repaints the windows.
    void polish(QApplication* application) override;
    using QCommonStyle::polish;

    // Sets the roles that Qt's widgets and item views read (text, fields,
    // buttons, selection, tool tips, bevels) in every colour group from what
    // `style` resolves for the elements that stand for them; a role the
    // style leaves open keeps its colour in `palette`.
    static void applyStylePalette(const std::shared_ptr<Quilt::Style>& style, QPalette& palette);

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;

    void drawPrimitive(PrimitiveElement primitive, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement control, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option, const QPoint& position,
                                     const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // Whether the underlined shortcut letters are shown (while Alt is held).
    bool mnemonicsVisible() const;
    // Repaints every top-level widget when the state changes.
    void setMnemonicsVisible(bool visible);

    // The icon an element's properties name, coloured by the platform, or the
    // theme icon `fallback` when they name none.
    QIcon resolveIcon(const Quilt::Properties::StylePropertyGroup* properties, const QString& fallback) const;
    // Changes whenever the icons resolveIcon() gave may no longer be the ones
    // it gives (a new style generation, platform or icon theme): pixmaps made
    // from them are kept under it.
    quint64 iconEpoch() const;

    // The element types of a widget and its QObject ancestors, outermost
    // first; what the elements' chains are built from.
    static QStringList memberListForWidget(const QWidget* widget);

private:
    // The application palette made from the default style's rules; none
    // without a default style or without a rule for the window.
    std::optional<QPalette> stylePalette() const;
    void followPaletteChange();

    bool m_mnemonicsVisible = false;
    // What QApplication::palette() was right after this style set it.
    std::optional<QPalette> m_appliedPalette;
    bool m_paletteUpdatePending = false;
};

// The text flags that drawItemText paints with: a request to show or to hide
// the mnemonic is turned into what the current mnemonic state wants.
int mnemonicTextFlags(int flags, bool mnemonicsVisible);
