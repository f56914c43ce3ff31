#include "attributevalue_p.h"

#include <QMetaType>
#include <QString>

namespace Quilt
{
bool attributeValueEquals(const QVariant& attribute, const QVariant& value)
{
    const QMetaType text = QMetaType::fromType<QString>();
    if (attribute.metaType() == text) {
        if (!QMetaType::canConvert(value.metaType(), text)) {
            return false;
        }
        return attribute.toString().compare(value.toString(), Qt::CaseInsensitive) == 0;
    }
    return attribute == value;
}
} // namespace Quilt
