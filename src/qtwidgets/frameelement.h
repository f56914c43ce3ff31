#pragma once

#include "abstractelement.h"

class QStyleOptionFrame;

// Frames of QFrame-like widgets (scroll areas, views, text editors, dock and
// window frames), and the frame width those widgets reserve.
class FrameElement : public AbstractElement
{
    Q_OBJECT

public:
    FrameElement(const QStyleOptionFrame* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    // A frame's contents are measured whenever a frame is made or restyled:
    // a combo box's hidden list alone has several frames.
    static constexpr bool sharesRectAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawBorder(QPainter* painter) override;
    QVariantMap attributes() const override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    double frameWidth() const;

    const QStyleOptionFrame* m_frameOption = nullptr;
};
