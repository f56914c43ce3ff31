#pragma once

#include "quickimplglobal.h"

#include <QColor>
#include <QIcon>
#include <QPointer>
#include <QQuickItem>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <QUrl>

namespace Quilt::Quick
{
class QuickStyle;

// Shows a themed icon by name, or an image file by local or resource URL,
// centred and aligned to device pixels at the best size the icon offers. It
// can follow a Quick Controls control's `icon` settings, falling back to the
// style's icon size.
class QUILT_QUICK_EXPORT Icon : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QString name READ name WRITE setName RESET resetName NOTIFY nameChanged FINAL)
    Q_PROPERTY(QUrl source READ source WRITE setSource RESET resetSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(QColor color READ color WRITE setColor RESET resetColor NOTIFY colorChanged FINAL)
    Q_PROPERTY(QQuickItem* control READ control WRITE setControl RESET resetControl NOTIFY controlChanged FINAL)

public:
    explicit Icon(QQuickItem* parent = nullptr);
    ~Icon() override;

    QString name() const;
    void setName(const QString& name);
    void resetName();
    QUrl source() const;
    void setSource(const QUrl& source);
    void resetSource();
    QColor color() const;
    void setColor(const QColor& color);
    void resetColor();
    // Whether a colour tints a picture from a file too, as a button's own
    // icon is tinted; otherwise a file is shown as it is.
    void setTintsFiles(bool tints);
    QQuickItem* control() const;
    void setControl(QQuickItem* control);
    void resetControl();

    // Whether the icon shows anything: a local file, or a name the platform
    // finds. A control's icon that shows nothing must not claim room.
    bool showsAnything();

public Q_SLOTS:
    void onControlIconChanged();

Q_SIGNALS:
    void nameChanged();
    void sourceChanged();
    void colorChanged();
    void controlChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;
    void updatePolish() override;

private:
    QSize chooseIconSize(const QSizeF& size) const;

    QString m_name;
    QUrl m_source;
    QColor m_color = Qt::transparent;
    QIcon m_icon;
    bool m_textureDirty = true;
    bool m_tintsFiles = false;
    // Hidden when it was to look its icon up: done once it shows.
    bool m_lookupPending = false;
    QSize m_iconSize { -1, -1 };
    double m_textureRatio = 1.0;
    QPointer<QQuickItem> m_control;
    QPointer<QuickStyle> m_style;
    // The last name showsAnything() looked up, and whether the platform has it.
    QString m_foundName;
    bool m_found = false;
};
} // namespace Quilt::Quick
