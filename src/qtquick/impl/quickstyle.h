#pragma once

#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtQml/qqmlregistration.h>
#include <QtQuickControls2/QQuickAttachedPropertyPropagator>

#include <memory>

#include "quickimplglobal.h"
#include "stylepropertygroupquick.h"

class QQmlEngine;

namespace Quilt
{
class ElementQuery;
}

namespace Quilt::Quick
{
class QuickElement;
class StyleApplier;

// Sent by a Style to itself, and passed on to its item, after it took a new
// result (or found that its element has none).
class QUILT_QUICK_EXPORT QuickStyleUpdatedEvent : public QEvent
{
public:
    QuickStyleUpdatedEvent();
    ~QuickStyleUpdatedEvent() override;

    static int s_type;
};

// Sent by a Style to itself, and passed on to its item, after a palette change
// made its colour values read anew.
class QUILT_QUICK_EXPORT QuickStyleColorsChangedEvent : public QEvent
{
public:
    QuickStyleColorsChangedEvent();
    ~QuickStyleColorsChangedEvent() override;

    static int s_type;
};

// The attached `Style`: the resolved properties of the item's own Element, or
// of the nearest enclosing one, as values that QML binds to.
class QUILT_QUICK_EXPORT QuickStyle : public QQuickAttachedPropertyPropagator
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::StylePropertyGroupQuick* properties READ properties CONSTANT FINAL)
    Q_PROPERTY(QString applied READ applied WRITE setApplied FINAL)
    QML_NAMED_ELEMENT(Style)
    QML_UNCREATABLE("Attached Property")
    QML_ATTACHED(QuickStyle)

public:
    // The values a Style writes onto its item itself, each time its result
    // changes, so that the item needs no binding of its own for them. QML
    // names them in a string ("padding insets spacing font"): a string is
    // assigned as it stands, where a combination of flags would need a
    // binding on every item.
    enum AppliedValue
    {
        Padding = 0x1, // leftPadding, rightPadding, topPadding, bottomPadding
        Insets = 0x2, // leftInset, rightInset, topInset, bottomInset
        Spacing = 0x4,
        Font = 0x8,
        // A button's icon: name, source, width, height and colour, each on
        // its own, so that an Action's icon still fills what the style leaves.
        Icon = 0x10,
        // `color` from the text colour: for items whose default colour is
        // the one to show where the style gives none.
        Color = 0x20,
    };
    Q_DECLARE_FLAGS(AppliedValues, AppliedValue)

    QuickStyle(QQmlEngine* engine, QObject* attachee);
    ~QuickStyle() override;

    static QuickStyle* qmlAttachedProperties(QObject* object);

    void update();

    StylePropertyGroupQuick* properties() const;
    QQmlEngine* engine() const;
    // The query of the element followed, null when it follows none.
    Quilt::ElementQuery* query() const;
    QuickElement* element() const;
    void setElement(QuickElement* element);
    QString applied() const;
    // Meant to be chosen once, by the item's own document: a change starts
    // afresh, leaving the values written so far where they are.
    void setApplied(const QString& values);
    AppliedValues appliedValues() const;
    void setAppliedValues(AppliedValues values);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void attachedParentChange(QQuickAttachedPropertyPropagator* newParent,
                              QQuickAttachedPropertyPropagator* oldParent) override;

Q_SIGNALS:
    void updated();

private Q_SLOTS:
    void appliedTargetChanged();

private:
    QuickElement* findElement() const;
    void show(std::shared_ptr<const Properties::StylePropertyGroup> result);

    // Made when QML first reads it: items that paint from the raw result
    // (every styled rectangle has a Style of its own) never need the tree.
    mutable std::unique_ptr<StylePropertyGroupQuick> m_properties;
    QPointer<QuickElement> m_element;
    QPointer<QQmlEngine> m_engine;
    std::unique_ptr<StyleApplier> m_applier;
    QString m_applied;
    // What the tree shows. Held here, since the element's query and the
    // result cache may both let go of it while the tree still points into it.
    std::shared_ptr<const Properties::StylePropertyGroup> m_shown;
    bool m_inert = false;
    // Whether the last query of the element matched nothing: the painters
    // were told so and must hear of a match again, even of the same result.
    bool m_unmatched = false;
};
} // namespace Quilt::Quick

Q_DECLARE_OPERATORS_FOR_FLAGS(Quilt::Quick::QuickStyle::AppliedValues)
