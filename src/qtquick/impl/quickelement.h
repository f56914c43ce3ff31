#pragma once

#include <QtCore/QEvent>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtQml/QJSValue>
#include <QtQml/QQmlListProperty>
#include <QtQml/QQmlParserStatus>
#include <QtQml/qqmlregistration.h>
#include <QtQuickControls2/QQuickAttachedPropertyPropagator>

#include <memory>

#include "element.h"
#include "elementhint.h"
#include "quickimplglobal.h"
#include "statesgroup.h"

namespace Quilt
{
class ElementQuery;
class Style;
} // namespace Quilt

namespace Quilt::Quick
{
class QuickElementPrivate;

// Sent by an Element to itself after every re-query; the Style that follows
// the element re-reads the result on it.
class QUILT_QUICK_EXPORT QuickElementUpdatedEvent : public QEvent
{
public:
    QuickElementUpdatedEvent();
    ~QuickElementUpdatedEvent() override;

    static int s_type;
};

// The attached `Element`: how an item describes itself to the style engine.
// Once complete it re-queries synchronously on every change of its
// description, of its style or of its attached parent, and then has every
// attached child re-query, since their chains contain it.
class QUILT_QUICK_EXPORT QuickElement : public QQuickAttachedPropertyPropagator, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(Quilt::Quick::QuickElement* parentElement READ parentElement NOTIFY updated FINAL)
    Q_PROPERTY(QString styleId READ styleId WRITE setStyleId NOTIFY styleIdChanged FINAL)
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY typeChanged FINAL)
    Q_PROPERTY(QString elementId READ elementId WRITE setElementId NOTIFY elementIdChanged FINAL)
    Q_PROPERTY(Quilt::Quick::StatesGroup* states READ states CONSTANT FINAL)
    Q_PROPERTY(QString stateProperties READ stateProperties WRITE setStateProperties FINAL)
    Q_PROPERTY(QQmlListProperty<Quilt::Quick::ElementHint> hints READ hints NOTIFY hintsChanged FINAL)
    Q_PROPERTY(QJSValue hintFlags READ hintFlags WRITE setHintFlags NOTIFY hintFlagsChanged FINAL)
    Q_PROPERTY(QStringList activeHints READ activeHints NOTIFY hintsChanged FINAL)
    Q_PROPERTY(
        QQmlListProperty<Quilt::Quick::ElementAttribute> attributes READ attributes NOTIFY attributesChanged FINAL)
    QML_NAMED_ELEMENT(Element)
    QML_UNCREATABLE("Attached property")
    QML_ATTACHED(QuickElement)

public:
    explicit QuickElement(QObject* attachee);
    ~QuickElement() override;

    static QuickElement* qmlAttachedProperties(QObject* object);

    void update();
    // Queries with the description as it stands, before completion, for a
    // Style read by bindings that run before it: they get the values on their
    // first run instead of undefined and a second run. Completion queries
    // again, and only values that differ are announced then.
    void queryAhead();
    void updateHints();
    void updateAttributes();
    void updateStyleFromParent();

    QString styleId() const;
    void setStyleId(const QString& styleId);
    std::shared_ptr<Quilt::Style> style() const;
    void setStyle(const std::shared_ptr<Quilt::Style>& style);

    QString type() const;
    void setType(const QString& type);
    QString elementId() const;
    void setElementId(const QString& elementId);

    QQmlListProperty<ElementHint> hints();
    QQmlListProperty<ElementAttribute> attributes();
    // Hints by name, each on while its value is true: one map where `hints`
    // needs an object per hint. A control declares here the hints it always
    // has; an entry of `hints` with the same name wins over its flag.
    // In the order the map names them, as `activeHints` lists them.
    QJSValue hintFlags() const;
    void setHintFlags(const QJSValue& flags);
    // The first entry of `hints` with exactly this name, else null. A name
    // only `hintFlags` holds gets its entry here, on first demand, which from
    // then on decides the hint in the flag's place.
    Q_INVOKABLE QObject* hint(const QString& name) const;
    QStringList activeHints() const;

    StatesGroup* states() const;
    void setActiveStates(Quilt::Element::States states);
    // States that the item's own boolean properties give, by name, each
    // followed through its change signal instead of a binding of its own:
    // "hovered enabled pressed:down" reads `hovered`, `enabled` and, for
    // the pressed state, `down`. Names are those of `states`; a name the
    // item lacks is left out with a warning.
    QString stateProperties() const;
    void setStateProperties(const QString& properties);

    // Null before the first update (or a query ahead of completion) and while
    // there is no style.
    Quilt::ElementQuery* query() const;
    std::shared_ptr<Quilt::Element> element() const;
    QuickElement* parentElement() const;
    bool isCompleted() const;

    void classBegin() override;
    void componentComplete() override;

    void attachedParentChange(QQuickAttachedPropertyPropagator* newParent,
                              QQuickAttachedPropertyPropagator* oldParent) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void styleIdChanged();
    void typeChanged();
    void elementIdChanged();
    void hintsChanged();
    void hintFlagsChanged();
    void attributesChanged();
    void updated();

private Q_SLOTS:
    void readStateProperties();

private:
    friend class QuickElementPrivate;
    std::unique_ptr<QuickElementPrivate> d;
};
} // namespace Quilt::Quick
