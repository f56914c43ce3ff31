#pragma once

#include "abstractelement.h"

class QStyleOptionHeader;

// Sections of item-view headers: background, icon, label and sort arrow, the
// header's margins and default section sizes.
class HeaderElement : public AbstractElement
{
    Q_OBJECT

public:
    HeaderElement(const QStyleOptionHeader* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool keptPerPlace = true;
    // For requests that may come with any option: only a header option is
    // kept, with any other the element stays invalid.
    HeaderElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawText(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    QIcon sortArrow() const;

    const QStyleOptionHeader* m_headerOption = nullptr;
    bool m_horizontal = false;
};
