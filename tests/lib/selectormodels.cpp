#include "selectormodels.h"

#include <QBuffer>

using namespace Qt::StringLiterals;
using namespace Quilt;
using namespace Quilt::detail;

namespace
{
template<SelectorType Kind, typename Data> std::shared_ptr<const SelectorPrivateModel<Kind, Data>> model(Data data)
{
    return std::make_shared<const SelectorPrivateModel<Kind, Data>>(std::move(data));
}

template<typename Model> QString describe(const Model& model, Element* element)
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        model.Model::writeData(stream);
    }
    return u"%1 weight=%2 type=%3 combinator=%4 matches=%5 data=%6"_s.arg(model.Model::toString())
        .arg(model.Model::weight())
        .arg(qint32(model.Model::type()))
        .arg(model.Model::isCombinator())
        .arg(model.Model::matches(element))
        .arg(QString::fromLatin1(bytes.toHex()));
}

auto models()
{
    return std::make_tuple(model<SelectorType::Type>(u"a"_s), model<SelectorType::Id>(u"b"_s),
                           model<SelectorType::State>(Element::State::Hovered), model<SelectorType::Hint>(u"c"_s),
                           model<SelectorType::AttributeExists>(u"d"_s),
                           model<SelectorType::AttributeEquals>(std::pair<QString, QVariant>(u"e"_s, 1)),
                           model<SelectorType::AttributeSubstringMatch>(std::pair<QString, QString>(u"f"_s, u"g"_s)),
                           model<SelectorType::AnyElement>(Empty {}), model<SelectorType::Child>(Empty {}),
                           model<SelectorType::Descendant>(Empty {}));
}
} // namespace

namespace SelectorModels
{
SelectorList makeAll()
{
    SelectorList list;
    std::apply([&](const auto&... m) { (list.append(Selector(m)), ...); }, models());
    return list;
}

QStringList describeAll(Element* element)
{
    QStringList lines;
    std::apply([&](const auto&... m) { (lines.append(describe(*m, element)), ...); }, models());
    return lines;
}
} // namespace SelectorModels
