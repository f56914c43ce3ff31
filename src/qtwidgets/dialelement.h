#pragma once

#include "abstractelement.h"

class QStyleOptionSlider;

// Dials: a round face, the notches around it and the handle that orbits the
// face's centre, each styled by an element of its own ("Dial", "TickMark",
// "Handle").
class DialElement : public AbstractElement
{
    Q_OBJECT

public:
    DialElement(const QStyleOptionSlider* option, QuiltStyle* style, const QWidget* widget);
    ~DialElement() override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QRectF subControlRect(QStyle::SubControl control) override;
    void update() override;
    QString elementType(const QStyleOption* option) const override;

    // The angle of a value, in degrees counter-clockwise from three o'clock,
    // as QDial maps its positions to the pointer's.
    static double angleOf(const QStyleOptionSlider& option, qint64 value);

private:
    QSizeF tickSize() const;
    // The face's radius and centre.
    double faceRadius() const;
    void drawTicks(QPainter* painter);

    const QStyleOptionSlider* m_sliderOption = nullptr;
    Quilt::ElementChain m_tickElements;
    const Properties* m_tickProperties = nullptr;
    std::shared_ptr<const Properties> m_tickPropertiesHold;
    QStringList m_tickHints;
    QStringList m_activeTickHints;
};
