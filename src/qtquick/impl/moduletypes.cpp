#include "moduletypes_p.h"

#include <QtQml/QJSValue>

#include "stylepropertygroup.h"

namespace
{
// The meta-types that the module's values travel in, known before the first
// document reads one, and the names under which properties declared with
// the element's enumerations resolve.
void registerMetaTypes()
{
    qRegisterMetaType<QJSValue>();
    qRegisterMetaType<Quilt::Properties::AlignmentContainer>();
    qRegisterMetaType<Quilt::Properties::Alignment>();
    qRegisterMetaType<Quilt::Properties::LineStyle>();
    qRegisterMetaType<Quilt::Properties::TextWrapMode>();
    qRegisterMetaType<Quilt::Properties::TextElide>();
    qRegisterMetaType<Quilt::Properties::ImageFlags>();
    qRegisterMetaType<std::filesystem::path>();
    qRegisterMetaType<QList<Quilt::Quick::Sizes>>();
    qRegisterMetaType<QList<QQuickItem*>>();
    qRegisterMetaType<Quilt::Element::States>("Quilt::Element::State");
    qRegisterMetaType<Quilt::Element::Changes>("Quilt::Element::Change");
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(registerMetaTypes)
