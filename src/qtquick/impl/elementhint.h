#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QVariant>
#include <QtQml/qqmlregistration.h>

#include "quickimplglobal.h"

namespace Quilt::Quick
{
class QuickElement;

// One entry of an Element's hints: the name counts while `when` is true.
class QUILT_QUICK_EXPORT ElementHint : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged FINAL)
    Q_PROPERTY(bool when READ when WRITE setWhen NOTIFY whenChanged FINAL)
    QML_ELEMENT

public:
    explicit ElementHint(QObject* parent = nullptr);
    ~ElementHint() override;

    QString name() const;
    void setName(const QString& name);

    bool when() const;
    void setWhen(bool when);

    QuickElement* element() const;
    // Makes `element` the owner, which then takes this entry into account.
    void setElement(QuickElement* element);

    // Lets the owner rebuild the list this entry belongs to.
    virtual void update();

Q_SIGNALS:
    void nameChanged();
    void whenChanged();

private:
    QPointer<QuickElement> m_element;
    QString m_name;
    bool m_when = true;
};

// One entry of an Element's attributes: set while `when` is true and the value
// is valid, removed otherwise.
class QUILT_QUICK_EXPORT ElementAttribute : public ElementHint
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue RESET resetValue NOTIFY valueChanged FINAL)
    QML_ELEMENT

public:
    explicit ElementAttribute(QObject* parent = nullptr);
    ~ElementAttribute() override;

    QVariant value() const;
    void setValue(const QVariant& value);
    void resetValue();

    void update() override;
    // Whether the attribute belongs in the element's map: active, with a
    // valid value that the element's key can hold.
    bool isUsable();

Q_SIGNALS:
    void valueChanged();

private:
    QVariant m_value;
    bool m_streamable = true;
    bool m_warned = false;
};
} // namespace Quilt::Quick
