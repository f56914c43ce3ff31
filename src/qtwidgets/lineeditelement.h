#pragma once

#include "abstractelement.h"

class QStyleOptionFrame;

// Single-line text fields: panel, frame, contents rectangle and icon metrics.
// The editors inside combo boxes and spin boxes paint nothing, so the
// surrounding control shows through.
class LineEditElement : public AbstractElement
{
    Q_OBJECT

public:
    LineEditElement(const QStyleOptionFrame* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;
    QSizeF iconSize() const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    const QStyleOptionFrame* m_frameOption = nullptr;
    bool m_hasFrame = true;
    QSizeF m_iconSize;
};
