#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The pages of the widget gallery. Each page is a plain widget holding the
// standard widgets of one family in every state that lasts (checked, partial,
// default, read-only, selected, current, sorted); the widgets that tests
// probe carry object names.
namespace Gallery
{
enum class Variant
{
    Enabled,
    Disabled,
    RightToLeft,
};

QStringList pageNames();
QList<Variant> variants();
// "", "disabled" or "rtl": the suffix of a page's screenshot name.
QString variantName(Variant variant);

// A new page, or null for an unknown name.
QWidget* createPage(const QString& name, Variant variant = Variant::Enabled, QWidget* parent = nullptr);
} // namespace Gallery
