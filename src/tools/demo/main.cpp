// A short tour of what libQuilt does today: describe an element chain, match
// selector lists against it, and resolve colours and property groups.
#include <QCoreApplication>
#include <QTextStream>

#include "backgroundpropertygroup.h"
#include "color.h"
#include "element.h"
#include "selector.h"
#include "stylepropertygroup.h"

using namespace Quilt;

namespace
{
template<SelectorType Kind, typename Data> Selector make(Data data)
{
    return Selector(std::make_shared<const detail::SelectorPrivateModel<Kind, Data>>(std::move(data)));
}

Selector typeSelector(const QString& type)
{
    return make<SelectorType::Type>(type);
}

Selector combinator(SelectorType kind)
{
    if (kind == SelectorType::Child) {
        return make<SelectorType::Child>(detail::Empty {});
    }
    return make<SelectorType::Descendant>(detail::Empty {});
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    auto window = Element::create();
    window->setType(QStringLiteral("Window"));
    auto button = Element::create();
    button->setType(QStringLiteral("Button"));
    button->setId(QStringLiteral("ok"));
    button->setStates(Element::State::Hovered | Element::State::Pressed);
    button->setHint(QStringLiteral("flat"), true);
    const ElementChain chain { window, button };

    out << "Element chain:\n";
    for (const auto& element : chain) {
        out << "  " << element->toString() << '\n';
    }

    const QList<SelectorList> lists {
        SelectorList(QList<Selector> { typeSelector(QStringLiteral("Button")) }),
        SelectorList(QList<Selector> { typeSelector(QStringLiteral("Window")), combinator(SelectorType::Child),
                                       typeSelector(QStringLiteral("Button")),
                                       make<SelectorType::State>(Element::State::Hovered) }),
        SelectorList(QList<Selector> { typeSelector(QStringLiteral("Dialog")), combinator(SelectorType::Descendant),
                                       typeSelector(QStringLiteral("Button")) }),
        SelectorList(QList<Selector> { make<SelectorType::Id>(QStringLiteral("ok")),
                                       make<SelectorType::Hint>(QStringLiteral("flat")) }),
    };
    out << "\nSelector lists against the chain:\n";
    for (const auto& list : lists) {
        out << "  " << (list.matches(chain) ? "matches   " : "no match  ") << "weight " << qSetFieldWidth(3)
            << list.weight() << qSetFieldWidth(0) << "  " << list.toString() << '\n';
    }

    const Color base = Color::rgba(40, 90, 160, 255);
    const Color hover = Color::mix(base, Color::rgba(255, 255, 255, 255), 0.25);
    const Color shade = Color::multiply(hover, Color::rgba(230, 230, 230, 255));
    out << "\nColours are expressions, resolved when painted:\n";
    out << "  " << shade.toString() << '\n';
    out << "  resolves to " << shade.toQColor().name(QColor::HexArgb) << '\n';

    // Two rules' properties merged first value wins, as a query does.
    Properties::StylePropertyGroup heavier;
    auto background = std::make_unique<Properties::BackgroundPropertyGroup>();
    background->setColor(hover);
    heavier.setBackground(std::move(background));
    Properties::StylePropertyGroup lighter;
    auto fallback = std::make_unique<Properties::BackgroundPropertyGroup>();
    fallback->setColor(base);
    lighter.setBackground(std::move(fallback));

    Properties::StylePropertyGroup resolved;
    Properties::StylePropertyGroup::resolveProperties(&heavier, &resolved);
    Properties::StylePropertyGroup::resolveProperties(&lighter, &resolved);
    out << "\nResolved properties (the heavier rule's background wins):\n"
        << resolved.toString(0, Properties::ToStringFlag::MultiLine);
    return 0;
}
