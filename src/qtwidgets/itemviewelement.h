#pragma once

#include "abstractelement.h"

class QStyleOptionViewItem;

// Items of the item views: the panel with selection and alternating colours,
// the check indicator, the decoration and the text. The parts go where the
// common style puts them inside the style's inset; only the text moves away
// from the icon by the style's spacing.
class ItemViewElement : public AbstractElement
{
    Q_OBJECT

public:
    ItemViewElement(const QStyleOptionViewItem* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subElementRect(QStyle::SubElement element) override;
    void update() override;
    void drawText(QPainter* painter) override;
    void drawIcon(QPainter* painter) override;
    void drawBackgroundAndBorder(QPainter* painter) override;
    void drawIndicator(QPainter* painter) override;
    QVariantMap attributes() const override;
    QStringList hints() const override;
    QString elementType(const QStyleOption* option) const override;

private:
    bool hasDecoration() const;

    const QStyleOptionViewItem* m_viewOption = nullptr;

    // One element serves every item of a view in turn, so the hints and
    // attributes are rebuilt only when what they are made of changes.
    mutable QStringList m_hints;
    mutable quint32 m_hintsKey = ~0u;
    mutable QVariantMap m_attributes;
    mutable quint32 m_attributesKey = ~0u;
};
