#pragma once

#include "abstractelement.h"

class QStyleOptionProgressBar;

// Progress bars: the groove, the track that shows the progress (the whole
// groove while busy), the percentage label and single chunks.
class ProgressBarElement : public AbstractElement
{
    Q_OBJECT

public:
    ProgressBarElement(const QStyleOptionProgressBar* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawText(QPainter* painter) override;
    void drawBackgroundAndBorder(QPainter* painter) override;
    void drawIndicator(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

private:
    bool isBusy() const;
    const Properties* chunkProperties();

    const QStyleOptionProgressBar* m_progressOption = nullptr;
    bool m_horizontal = true;
};
