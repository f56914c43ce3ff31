#pragma once

#include "abstractelement.h"

class QStyleOptionTitleBar;

// The title bars that widgets paint themselves (MDI sub-windows): panel,
// title, window icon and the buttons with their symbolic icons.
class TitleBarElement : public AbstractElement
{
    Q_OBJECT

public:
    TitleBarElement(const QStyleOptionTitleBar* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subControlRect(QStyle::SubControl control) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;
    SubElementLayout layout(const Quilt::ElementChain& chain, const QStyleOption* option,
                            const QStringList& names) override;

private:
    bool showsTitle() const;

    const QStyleOptionTitleBar* m_titleBarOption = nullptr;
};
