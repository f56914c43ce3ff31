// An application of the installed library: the headers by their folder, so
// that a header of the same name elsewhere cannot be taken instead.
#include <Quilt/element.h>
#include <Quilt/selector.h>
#include <Quilt/stylepropertygroup.h>

#include <cstdio>

int main()
{
    const std::shared_ptr<Quilt::Element> element = Quilt::Element::create();
    element->setType(QStringLiteral("Button"));
    Quilt::Properties::StylePropertyGroup group;
    if (group.hasAnyValue()) {
        return 1;
    }
    std::printf("%s\n", qPrintable(element->type()));
    return 0;
}
