#include <QTest>

#include "element.h"

using namespace Qt::StringLiterals;

class bench_Element : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cacheKey()
    {
        auto element = Quilt::Element::create();
        element->setType(u"Button"_s);
        element->setId(u"okButton"_s);
        element->setStates(Quilt::Element::State::Hovered | Quilt::Element::State::Pressed);
        element->setHints({ u"flat"_s, u"default"_s });
        element->setAttribute(u"position"_s, u"top"_s);

        // Each key seeds the next, so no call can be dropped.
        size_t key = 0;
        QBENCHMARK
        {
            key = element->cacheKey(key);
        }
        Q_UNUSED(key);
    }
};

QTEST_GUILESS_MAIN(bench_Element)
#include "bench_element.moc"
