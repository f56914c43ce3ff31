#pragma once

#include <QIcon>
#include <QRect>
#include <QSize>
#include <QStyle>

#include <cstddef>
#include <memory>

class AbstractElement;
class QPainter;
class QStyleOption;
class QStyleOptionComplex;
class QStyleHintReturn;
class QWidget;
class QuiltStyle;

// How QuiltStyle's requests reach their element objects: a key made from the
// request site finds the element in the element cache; on a miss, the factory
// of the enumerator checks the option's type and makes the element. Requests
// without an element fall to the common style.
namespace ElementDispatch
{
// Mixed first into every key. Drawing a complex control and asking for its
// sub-control geometry share one number, and so one element.
enum RequestKind
{
    DrawControl = 1,
    DrawComplexControl = 2,
    SubControlRect = 2,
    DrawPrimitive = 3,
    SizeFromContents = 4,
    SubElementRect = 5,
    PixelMetric = 7,
    StandardIcon = 8,
    StyleHint = 9,
    // Added to the kind of a request that a shared element answers.
    SharedAnswers = 100,
};

// One request site: what a cached element was made for. The contents size
// counts for sizes only; the pixmap of a standard icon does not count at all,
// the element receives it with each request.
struct RequestSite
{
    RequestSite() = default;
    RequestSite(int kind, int enumerator, const QStyleOption* option, const QWidget* widget, QSize contents = {},
                QRect place = {})
        : kind(kind)
        , enumerator(enumerator)
        , option(option)
        , widget(widget)
        , contents(contents)
        , place(place)
    { }

    int kind = 0;
    int enumerator = 0;
    const QStyleOption* option = nullptr;
    const QWidget* widget = nullptr;
    QSize contents;
    // The option's rectangle, for classes whose elements are kept per place:
    // the rows of a menu and the sections of a header are painted from one
    // option object in turn, and each would otherwise undo the last one's
    // work. Null for every other site.
    QRect place;

    std::size_t key() const;
};

// The element cached for a site, null when there is none or it was made for
// another site that happens to share the key; for a metric or size that a
// shared element answers, that element while the site is the last it
// answered. Does not create one.
std::shared_ptr<AbstractElement> cachedElement(const RequestSite& site);

// The answers' conversions: a metric is truncated toward zero (into the int
// range), a size rounded per dimension, halves away from zero.
int toMetric(double value);
QSize toSize(const QSizeF& size);

void drawControl(const QuiltStyle* style, QStyle::ControlElement control, const QStyleOption* option, QPainter* painter,
                 const QWidget* widget);
void drawComplexControl(const QuiltStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                        QPainter* painter, const QWidget* widget);
QRect subControlRect(const QuiltStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                     QStyle::SubControl subControl, const QWidget* widget);
void drawPrimitive(const QuiltStyle* style, QStyle::PrimitiveElement primitive, const QStyleOption* option,
                   QPainter* painter, const QWidget* widget);
QSize sizeFromContents(const QuiltStyle* style, QStyle::ContentsType type, const QStyleOption* option,
                       const QSize& contents, const QWidget* widget);
QRect subElementRect(const QuiltStyle* style, QStyle::SubElement element, const QStyleOption* option,
                     const QWidget* widget);
int pixelMetric(const QuiltStyle* style, QStyle::PixelMetric metric, const QStyleOption* option, const QWidget* widget);
int styleHint(const QuiltStyle* style, QStyle::StyleHint hint, const QStyleOption* option, const QWidget* widget,
              QStyleHintReturn* returnData);
QIcon standardIcon(const QuiltStyle* style, QStyle::StandardPixmap pixmap, const QStyleOption* option,
                   const QWidget* widget);
QStyle::SubControl hitTestComplexControl(const QuiltStyle* style, QStyle::ComplexControl control,
                                         const QStyleOptionComplex* option, const QPoint& position,
                                         const QWidget* widget);
} // namespace ElementDispatch
