#pragma once

#include <QDebug>
#include <QEvent>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

#include "quiltglobal.h"

namespace Quilt
{
class ElementPrivate;

// The description of one user-interface element that style rules are matched
// against. Changes to the fields that selectors can see are announced first as
// an ElementChangedEvent sent to the element itself, then as signals, so that
// an event filter on the element learns of a change before any binding does.
class QUILT_EXPORT Element : public QObject, public std::enable_shared_from_this<Element>
{
    Q_OBJECT
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(QString id READ id WRITE setId NOTIFY idChanged)
    Q_PROPERTY(States states READ states WRITE setStates NOTIFY statesChanged)
    Q_PROPERTY(ColorSet colorSet READ colorSet WRITE setColorSet NOTIFY colorSetChanged)
    Q_PROPERTY(QStringList hints READ hints WRITE setHints NOTIFY hintsChanged)
    Q_PROPERTY(QVariantMap attributes READ attributes WRITE setAttributes NOTIFY attributesChanged)

public:
    enum class State : qint32
    {
        None = 0,
        Hovered = 0x1,
        ActiveFocus = 0x2,
        VisualFocus = 0x4,
        Pressed = 0x8,
        Checked = 0x10,
        Disabled = 0x20,
        Highlighted = 0x40,
    };
    Q_DECLARE_FLAGS(States, State)
    Q_FLAG(States)

    enum class ColorSet : qint32
    {
        None = 0,
        View = 1,
        Window = 2,
        Button = 3,
        Selection = 4,
        Tooltip = 5,
        Complementary = 6,
        Header = 7,
    };
    Q_ENUM(ColorSet)

    enum class Change
    {
        Nothing = 0,
        Type = 0x1,
        Id = 0x2,
        States = 0x4,
        Hints = 0x8,
        Attributes = 0x10,
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    static std::shared_ptr<Element> create();

    // Use create(): shared_from_this() only works for elements made by it.
    explicit Element(std::unique_ptr<ElementPrivate>&& dd);
    ~Element() override;

    QString type() const;
    void setType(const QString& type);

    QString id() const;
    void setId(const QString& id);

    States states() const;
    void setStates(States states);

    ColorSet colorSet() const;
    void setColorSet(ColorSet colorSet);

    QStringList hints() const;
    void setHints(const QStringList& hints);
    // Appends (also a hint already present) or removes every exact match.
    void setHint(const QString& name, bool present);
    bool hasHint(const QString& name) const;

    QVariantMap attributes() const;
    void setAttributes(const QVariantMap& attributes);
    void setAttribute(const QString& key, const QVariant& value);
    // Exact key.
    bool hasAttribute(const QString& key) const;
    // First key, in map order, that equals `key` without regard to case.
    QVariant attribute(const QString& key) const;

    void sendChangeEvent(Changes changes);

    QString toString() const;
    // Equal for elements with equal type, id, states, hints (in order) and
    // attributes; only meaningful within one process.
    size_t cacheKey(size_t seed) const;

Q_SIGNALS:
    void typeChanged();
    void idChanged();
    void statesChanged();
    void colorSetChanged();
    void hintsChanged();
    void attributesChanged();
    void updated();

private:
    friend class ElementPrivate;

    void announce(Change change);

    std::unique_ptr<ElementPrivate> d;
};

// From the outermost ancestor to the queried element, which comes last.
using ElementChain = QList<std::shared_ptr<Element>>;

class QUILT_EXPORT ElementChangedEvent : public QEvent
{
public:
    explicit ElementChangedEvent(Element::Changes changes);

    Element::Changes changes;

    static int s_type;
};

QUILT_EXPORT QDebug operator<<(QDebug debug, const std::shared_ptr<Element>& element);

} // namespace Quilt

Q_DECLARE_OPERATORS_FOR_FLAGS(Quilt::Element::States)
Q_DECLARE_OPERATORS_FOR_FLAGS(Quilt::Element::Changes)
