#pragma once

#include <QDataStream>
#include <QDebug>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <type_traits>
#include <utility>

#include "element.h"
#include "quiltglobal.h"

namespace Quilt
{
// The kinds of selector; 0 stands for no selector (an invalid Selector).
enum class SelectorType : qint32
{
    Type = 1,
    Id = 2,
    State = 3,
    Hint = 4,
    AttributeExists = 5,
    AttributeEquals = 6,
    AttributeSubstringMatch = 7,
    AnyElement = 8,
    Child = 9,
    Descendant = 10,
};

namespace detail
{
struct Empty
{ };

// libQuilt's own look at a selector's model and value.
class SelectorAccess;

// Immutable; shared between copies of a selector and of its list.
class QUILT_EXPORT SelectorPrivateConcept
{
public:
    virtual ~SelectorPrivateConcept();
    virtual int weight() const = 0;
    virtual bool matches(Element* element) const = 0;
    virtual QString toString() const = 0;
    virtual SelectorType type() const = 0;
    virtual bool isCombinator() const = 0;
    // The data only; the kind is written by the caller.
    virtual void writeData(QDataStream& stream) const = 0;
};

template<SelectorType Kind> consteval auto selectorDataTag()
{
    if constexpr (Kind == SelectorType::Type || Kind == SelectorType::Id || Kind == SelectorType::Hint
                  || Kind == SelectorType::AttributeExists) {
        return std::type_identity<QString> {};
    } else if constexpr (Kind == SelectorType::State) {
        return std::type_identity<Element::State> {};
    } else if constexpr (Kind == SelectorType::AttributeEquals) {
        return std::type_identity<std::pair<QString, QVariant>> {};
    } else if constexpr (Kind == SelectorType::AttributeSubstringMatch) {
        return std::type_identity<std::pair<QString, QString>> {};
    } else {
        return std::type_identity<Empty> {};
    }
}

// weight(), matches() and toString() live in libQuilt for the ten kinds, each
// over the data type it is declared with below; type(), isCombinator() and
// writeData() are inline so that a plug-in making models compiles them itself.
template<SelectorType Kind, typename Data> class SelectorPrivateModel final : public SelectorPrivateConcept
{
    static_assert(std::is_same_v<Data, typename decltype(selectorDataTag<Kind>())::type>,
                  "selector kind and data type do not belong together");

public:
    explicit SelectorPrivateModel(Data data)
        : m_data(std::move(data))
    { }

    int weight() const override;
    bool matches(Element* element) const override;
    QString toString() const override;

    SelectorType type() const override { return Kind; }

    bool isCombinator() const override { return Kind == SelectorType::Child || Kind == SelectorType::Descendant; }

    void writeData(QDataStream& stream) const override
    {
        if constexpr (std::is_same_v<Data, QString>) {
            stream << m_data;
        } else if constexpr (std::is_same_v<Data, Element::State>) {
            stream << qint32(m_data);
        } else if constexpr (std::is_same_v<Data, Empty>) {
            Q_UNUSED(stream);
        } else {
            stream << m_data.first << m_data.second;
        }
    }

private:
    friend class SelectorAccess;

    Data m_data;
};

extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::Type, QString>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::Id, QString>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::State, Element::State>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::Hint, QString>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::AttributeExists, QString>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::AttributeEquals, std::pair<QString, QVariant>>;
extern template class QUILT_EXPORT
    SelectorPrivateModel<SelectorType::AttributeSubstringMatch, std::pair<QString, QString>>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::AnyElement, Empty>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::Child, Empty>;
extern template class QUILT_EXPORT SelectorPrivateModel<SelectorType::Descendant, Empty>;
} // namespace detail

// One test of a style rule on one element of a chain, or a combinator relating
// two elements. A null model makes an invalid selector, which never matches.
class QUILT_EXPORT Selector
{
public:
    Selector() = default;
    explicit Selector(std::shared_ptr<const detail::SelectorPrivateConcept> model);

    bool isValid() const;
    int weight() const;
    SelectorType type() const;
    bool matches(Element* element) const;
    QString toString() const;
    bool isCombinator() const;
    void writeToDataStream(QDataStream& stream) const;

private:
    friend class detail::SelectorAccess;

    std::shared_ptr<const detail::SelectorPrivateConcept> m_model;
};

// The selector of a rule as written: compounds from the outermost element to
// the queried one, with a combinator between two compounds.
class QUILT_EXPORT SelectorList : public QList<Selector>
{
public:
    using QList<Selector>::QList;
    SelectorList(const QList<Selector>& selectors)
        : QList<Selector>(selectors)
    { }
    SelectorList(QList<Selector>&& selectors)
        : QList<Selector>(std::move(selectors))
    { }

    bool matches(const ElementChain& chain) const;
    int weight() const;
    QString toString() const;
};

QUILT_EXPORT QDebug operator<<(QDebug debug, const Selector& selector);
QUILT_EXPORT QDebug operator<<(QDebug debug, const SelectorList& list);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const SelectorList& list);
// Appends to `list`; stops at the first read that fails and leaves the judging
// of the stream's status to the caller.
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, SelectorList& list);

} // namespace Quilt
