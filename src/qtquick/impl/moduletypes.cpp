#include "moduletypes_p.h"

#include <QtQml/QJSValue>

#include "stylepropertygroup.h"

namespace
{
// The meta-types that the module's values travel in, known before the first
// document reads one. (The names of the element's enumerations come with the
// generated type registration.)
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
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(registerMetaTypes)
