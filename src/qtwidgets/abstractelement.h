#pragma once

#include "subelementlayout.h"

#include "element.h"

#include <QFontMetrics>
#include <QIcon>
#include <QMarginsF>
#include <QObject>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QVariantMap>
#include <QVarLengthArray>

#include <memory>
#include <optional>

class QPainter;
class QStyleOption;
class QWidget;
class QuiltStyle;

namespace Quilt
{
class ElementQuery;
namespace Properties
{
class StylePropertyGroup;
}
} // namespace Quilt

// The base of every element class: one object answers the style requests of
// one kind of widget part for one request site. It describes the part and its
// ancestors as an element chain, queries the default style for it and for its
// named sub-elements, lays those out and paints background, border, icon and
// text. Subclasses say only what is their own: their type, states, hints and
// part names, and the requests they serve.
class AbstractElement : public QObject
{
    Q_OBJECT

public:
    enum Flag
    {
        SubtractHalfPadding = 0x1,
        Mnemonic = 0x2,
        // The data's alignment places the text even where the style aligns
        // it: a header's label stands above its cells as they stand.
        DataAlignmentFirst = 0x4,
    };

    using Properties = Quilt::Properties::StylePropertyGroup;

    AbstractElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);
    ~AbstractElement() override;

    // Forgets what was derived from the former request, then updates. The
    // dispatch calls this before each paint and rectangle request. A class
    // that names what its update reads (ownInputs()) skips the update while
    // none of it changed since the last one.
    void refresh();
    // Takes the current request as the one the last update answered; for a
    // freshly made element, whose constructor has just updated.
    void rememberInputs();

    // Serves another request site with the same object: the shared elements
    // that answer metrics and sizes for every widget. False for a class that
    // cannot (the dispatch then makes an element per site); a class that can
    // sets its typed option and calls setTarget().
    virtual bool retarget(const QStyleOption* option, const QWidget* widget);
    // Whether a class's elements may serve as those shared elements.
    static constexpr bool sharesAnswers = false;
    // Whether they answer sub-element rectangles too: for a class whose
    // rectangles are asked for while widgets are made and laid out, not on
    // every paint, where sites taking turns would update the one element
    // again and again.
    static constexpr bool sharesRectAnswers = false;
    // Whether the dispatch keeps a class's elements per option rectangle.
    static constexpr bool keptPerPlace = false;

    // Marks an element busy with a request, so that a request made from
    // within it does not retarget it underneath.
    class Answering
    {
    public:
        explicit Answering(AbstractElement& element)
            : m_element(element)
            , m_was(element.m_answering)
        {
            element.m_answering = true;
        }
        ~Answering() { m_element.m_answering = m_was; }
        Answering(const Answering&) = delete;
        Answering& operator=(const Answering&) = delete;

    private:
        AbstractElement& m_element;
        bool m_was;
    };
    bool isAnswering() const { return m_answering; }

    virtual void draw(QPainter* painter, int control, int complex, int primitive);
    virtual void query();
    virtual QSizeF sizeFromContents(const QSizeF& contents);
    virtual QRectF subElementRect(QStyle::SubElement element);
    virtual QRectF subControlRect(QStyle::SubControl control);
    virtual double pixelMetric(QStyle::PixelMetric metric);
    virtual int styleHint(QStyle::StyleHint hint);
    virtual QIcon standardIcon(QStyle::StandardPixmap pixmap);
    virtual void update();
    virtual void drawText(QPainter* painter);
    virtual void drawIcon(QPainter* painter);
    virtual void drawBackgroundAndBorder(QPainter* painter);
    virtual void drawBorder(QPainter* painter);
    virtual void drawBackground(QPainter* painter);
    virtual void drawIndicator(QPainter* painter);
    virtual QVariantMap attributes() const;
    virtual QStringList hints() const;
    virtual Quilt::Element::States states() const;
    virtual void updateSubElementNames();
    virtual QSizeF sizeOf(const QStringList& names);
    virtual Quilt::ElementChain elementList(const QStyleOption* option, const QWidget* widget,
                                            const QStringList& extraNames);
    virtual QString elementType(const QStyleOption* option) const;
    virtual const Properties* queryProperties(const Quilt::ElementChain& chain);
    virtual SubElementLayout layout(const Quilt::ElementChain& chain, const QStyleOption* option,
                                    const QStringList& names);
    virtual QMarginsF padding() const;
    virtual QMarginsF borderSizes() const;
    virtual double height() const;
    virtual double width() const;
    virtual double spacing() const;
    virtual QSizeF secondarySize() const;
    virtual QSizeF iconSize() const;
    // The font the request's own data asks for (a menu action's), taken
    // where the style sets none; unset, the widget's.
    virtual std::optional<QFont> dataFont() const { return std::nullopt; }

    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon& icon) { m_icon = icon; }
    bool hasIcon() const { return !m_icon.isNull(); }
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    bool hasText() const { return !m_text.isEmpty(); }
    QIcon indicatorIcon() const { return m_indicatorIcon; }
    void setIndicatorIcon(const QIcon& icon) { m_indicatorIcon = icon; }
    bool hasIndicatorIcon() const { return !m_indicatorIcon.isNull(); }
    bool isValid() const { return m_valid; }
    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }
    void setFlag(int flag, bool on);

    // Mirrors the laid-out places for a right-to-left request (a second call
    // mirrors them back): elements whose geometry answers stay left to right
    // paint between two calls, so that what they paint sits where their
    // mirrored rectangles and hit tests say.
    void mirrorPlaces();

    const Quilt::ElementChain& elementChain() const { return m_elements; }
    const Quilt::ElementChain& subElementChain() const { return m_subElements; }
    const SubElementLayout& subElementLayout() const { return m_layout; }

    QSizeF sizeFromContents(const QSizeF& contents, const Properties* properties);
    void drawText(QPainter* painter, const QString& text, const QRectF& rect, const Properties* properties);
    // The same, with the alignment and font that the request's data asks for
    // (a model's alignment and font roles, a header's text alignment) where
    // the style sets none of its own.
    void drawText(QPainter* painter, const QString& text, const QRectF& rect, const Properties* properties,
                  Qt::Alignment dataAlignment, const QFont* dataFont);
    void drawIcon(QPainter* painter, const QIcon& icon, const Properties* properties, const QRectF& rect);
    // Draws `icon` like drawIcon(); where neither the style nor the icon theme
    // gives one, draws `fallback` (an arrow, plus or minus, or
    // PE_IndicatorTabClose for a cross) in the element's icon colour, so that
    // a control never loses its arrow or button to a missing theme.
    void drawSymbol(QPainter* painter, const QIcon& icon, const Properties* properties, const QRectF& rect,
                    QStyle::PrimitiveElement fallback);
    void drawFallbackSymbol(QPainter* painter, const Properties* properties, const QRectF& rect,
                            QStyle::PrimitiveElement symbol) const;
    // The two halves of drawSymbol(), for an element that paints the same
    // symbol on every paint and keeps what the first half gives: the icon
    // that `icon` resolves to (null where none does), and painting it.
    QIcon resolveSymbol(const QIcon& icon, const Properties* properties) const;
    void drawResolvedSymbol(QPainter* painter, const QIcon& resolved, const Properties* properties, const QRectF& rect,
                            QStyle::PrimitiveElement fallback);
    // While the element shows keyboard focus, frames its label (text and
    // icon places) with the style's focus frame: the one mark of focus that
    // a checked indicator cannot hide.
    void drawLabelFocus(QPainter* painter);
    QString elidedText(const QString& text, const QRectF& rect, const Properties* properties) const;
    std::shared_ptr<Quilt::Element> elementForName(const QString& name);

    double averagePadding() const;
    double horizontalPadding() const;
    double verticalPadding() const;
    double averageBorderSize() const;

    // How many chain elements all element objects have made so far; a warm
    // update makes none.
    static quint64 createdChainElements();

protected:
    // What update() reads beyond the common inputs (the option's state,
    // rectangle, direction, palette, font, text and icon size; the font the
    // request's data asks for; the widget's
    // member list, properties, font and enabled state; the style
    // generation), as numbers that compare. False, the default, for a class
    // that does not say: its update then runs on every refresh.
    using InputValues = QVarLengthArray<qint64, 16>;
    virtual bool ownInputs(InputValues& values) const;
    // True for a class whose update reads nothing but what describes its
    // chain (the option's type and state, the widget's member list,
    // properties, enabled state and window): a shared element of it then
    // serves requests of other places, options and widgets without updating.
    virtual bool updatesFromDescriptionOnly() const;

    void setTarget(const QStyleOption* option, const QWidget* widget);

    // The common inputs of one update, compared in full.
    struct Inputs
    {
        const QStyleOption* option = nullptr;
        const QWidget* widget = nullptr;
        int optionType = -1;
        int optionVersion = -1;
        int state = 0;
        QRect rect;
        int direction = 0;
        qint64 palette = 0;
        std::optional<QFontMetrics> fontMetrics;
        // A menu action's font changes without its option's metrics.
        std::optional<QFont> dataFont;
        const QObject* styleObject = nullptr;
        QString text;
        QSizeF iconSize;
        QStringList memberNames;
        bool highlightNeutral = false;
        bool enabled = true;
        bool hasWidget = false;
        const QWidget* window = nullptr;
        QFont widgetFont;
        quint64 generation = 0;
        InputValues own;

        bool operator==(const Inputs& other) const;
    };
    bool collectInputs(Inputs& inputs) const;

    // Runs the query on `chain` and keeps its result alive in `hold`, past
    // later queries and past its eviction from the engine's cache. A result
    // read before the next query needs no hold.
    const Properties* queryAndKeep(const Quilt::ElementChain& chain, std::shared_ptr<const Properties>& hold);

    const QStyleOption* m_option = nullptr;
    QuiltStyle* m_style = nullptr;
    const QWidget* m_widget = nullptr;
    QIcon m_icon;
    QString m_text;
    QIcon m_indicatorIcon;
    // Drawn in the indicator's place when no icon resolves; PE_CustomBase
    // for none.
    QStyle::PrimitiveElement m_indicatorSymbol = QStyle::PE_CustomBase;
    Quilt::ElementChain m_elements;
    Quilt::ElementChain m_subElements;
    Quilt::ElementChain m_secondaryElements;
    const Properties* m_properties = nullptr;
    const Properties* m_subProperties = nullptr;
    const Properties* m_secondaryProperties = nullptr;
    SubElementLayout m_layout;
    QStringList m_subElementNames;
    bool m_valid = false;
    int m_flags = 0;
    std::unique_ptr<Quilt::ElementQuery> m_query;

    std::shared_ptr<const Properties> m_propertiesHold;
    std::shared_ptr<const Properties> m_subPropertiesHold;
    std::shared_ptr<const Properties> m_secondaryPropertiesHold;

private:
    void paintIcon(QPainter* painter, const QIcon& resolved, const QRectF& rect) const;
    // The element's properties, or a copy without corners in `square` where
    // the element paints an opaque popup window.
    const Properties* panelProperties();
    void clearOutsideFrame(QPainter* painter) const;

    // What every chain element of one update carries, worked out once.
    struct Description
    {
        QStringList memberNames;
        Quilt::Element::States states;
        QVariantMap attributes;
        QStringList hints;
        QStringList windowHints;
    };
    const Description& description();

    Description m_description;
    bool m_describeAgain = true;
    std::optional<Inputs> m_inputs;
    bool m_answering = false;
    // The corner-less copy of the properties that an opaque popup paints,
    // made once per properties object.
    std::shared_ptr<const Properties> m_squareSource;
    std::unique_ptr<Properties> m_square;
    // Chain elements by type, reused from update to update.
    QHash<QString, std::shared_ptr<Quilt::Element>> m_namedElements;
};
