#include "loomicons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

LoomIconSource::~LoomIconSource() = default;

namespace
{
class TintedIconEngine : public QIconEngine
{
public:
    TintedIconEngine(const QIcon& icon, const QColor& color)
        : m_icon(icon)
        , m_color(color)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap = m_icon.pixmap(size, scale, mode, state);
        if (pixmap.isNull()) {
            return pixmap;
        }
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRect(QPoint(0, 0), pixmap.deviceIndependentSize().toSize()), m_color);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.availableSizes(mode, state);
    }

    QString iconName() override { return m_icon.name(); }
    bool isNull() override { return m_icon.isNull(); }
    QString key() const override { return QStringLiteral("LoomTintedIconEngine"); }
    QIconEngine* clone() const override { return new TintedIconEngine(m_icon, m_color); }

private:
    QIcon m_icon;
    QColor m_color;
};
} // namespace

namespace Loom
{
QIcon themedIcon(const QString& name, const LoomIconSource* source)
{
    return source ? source->icon(name) : QIcon::fromTheme(name);
}

QIcon themedIcon(const QString& name, const LoomIconTint& tint, const LoomIconSource* source)
{
    const QIcon icon = themedIcon(name, source);
    if (icon.isNull() || !tint.text().isValid()) {
        return icon;
    }
    return QIcon(new TintedIconEngine(icon, tint.text()));
}
} // namespace Loom
