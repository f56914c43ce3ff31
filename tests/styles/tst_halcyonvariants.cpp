#include "testfixture.h"

#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "color.h"
#include "cornerspropertygroup.h"
#include "displaypropertygroup.h"
#include "element.h"
#include "elementquery.h"
#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "linepropertygroup.h"
#include "outlinepropertygroup.h"
#include "shadowpropertygroup.h"
#include "style.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"
#include "textpropertygroup.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Properties;

namespace
{
using Chain = QList<std::shared_ptr<Element>>;

// Images are found in each package's own folder.
QString packageFolder;
QString variantFolder;

template<typename Group> QString text(Group* group)
{
    QString result = group ? group->toString(0, {}) : QString();
    if (!variantFolder.isEmpty()) {
        result.replace(variantFolder, packageFolder);
    }
    return result;
}

// A line that draws nothing reads as "none", however the sheet said so.
QString line(LinePropertyGroup* line)
{
    if (!line || !line->size() || *line->size() <= 0) {
        return QStringLiteral("none");
    }
    return line->toString(0, {});
}

QString swapSides(QString name)
{
    name.replace(QStringLiteral("left"), QStringLiteral("\x01"));
    name.replace(QStringLiteral("right"), QStringLiteral("left"));
    name.replace(QStringLiteral("\x01"), QStringLiteral("right"));
    return name;
}

// An element from one compound selector of a sheet ("ToolButton.raised:hover",
// "TabButton[direction=\"left\"]"); null for what it cannot describe.
std::shared_ptr<Element> elementFor(const QString& compound)
{
    static const QRegularExpression part(QStringLiteral("([.:]?)([A-Za-z*][\\w-]*)|\\[(\\w+)(?:=\"([^\"]*)\")?\\]"));
    static const QHash<QString, Element::State> states {
        { "hover", Element::State::Hovered },
        { "pressed", Element::State::Pressed },
        { "checked", Element::State::Checked },
        { "disabled", Element::State::Disabled },
        { "active-focus", Element::State::ActiveFocus },
        { "visual-focus", Element::State::VisualFocus },
        { "highlighted", Element::State::Highlighted },
    };
    auto element = Element::create();
    QStringList hints;
    QVariantMap attributes;
    Element::States elementStates;
    qsizetype position = 0;
    auto it = part.globalMatch(compound);
    while (it.hasNext()) {
        const auto match = it.next();
        if (match.capturedStart() != position) {
            return nullptr;
        }
        position = match.capturedEnd();
        if (!match.captured(3).isEmpty()) {
            attributes.insert(match.captured(3), match.captured(4));
        } else if (match.captured(1) == u".") {
            hints.append(match.captured(2));
        } else if (match.captured(1) == u":") {
            if (!states.contains(match.captured(2))) {
                return nullptr;
            }
            elementStates |= states.value(match.captured(2));
        } else if (match.captured(2) != u"*") {
            element->setType(match.captured(2));
        }
    }
    if (position != compound.size()) {
        return nullptr;
    }
    element->setHints(hints);
    element->setAttributes(attributes);
    element->setStates(elementStates);
    return element;
}

// Every selector of halcyon's sheets as the chain it selects.
QList<std::pair<QString, Chain>> halcyonChains()
{
    const QString folder
        = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                 QStringLiteral("quilt/styles/halcyon/contents/css"), QStandardPaths::LocateDirectory);
    QList<std::pair<QString, Chain>> chains;
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression rule(QStringLiteral("([^{}@;]+)\\{[^}]*\\}"));
    for (const QString& name : QDir(folder).entryList({ QStringLiteral("*.css") })) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString sheet = QString::fromUtf8(file.readAll()).remove(comment);
        auto it = rule.globalMatch(sheet);
        while (it.hasNext()) {
            for (const QString& selector : it.next().captured(1).split(u',')) {
                Chain chain;
                for (const QString& compound : selector.simplified().split(u' ', Qt::SkipEmptyParts)) {
                    if (auto element = elementFor(compound)) {
                        chain.append(element);
                    } else {
                        chain.clear();
                        break;
                    }
                }
                if (!chain.isEmpty()) {
                    chains.append({ selector.simplified(), chain });
                }
            }
        }
    }
    return chains;
}

std::shared_ptr<const StylePropertyGroup> query(const std::shared_ptr<Style>& style, const Chain& chain)
{
    ElementQuery query(style);
    query.setElements(chain);
    query.execute();
    return query.sharedProperties();
}
} // namespace

class TestHalcyonVariants : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        StyleRegistry::instance()->load();
        m_halcyon = StyleRegistry::instance()->style(QStringLiteral("halcyon"));
        QVERIFY(m_halcyon);
        m_chains = halcyonChains();
        QVERIFY(m_chains.size() > 100);
    }

    void variantsLoadCleanly_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("rtl") << "halcyon-rtl";
        QTest::newRow("mobile") << "halcyon-mobile";
    }

    void variantsLoadCleanly()
    {
        QFETCH(QString, id);
        const auto style = StyleRegistry::instance()->style(id);
        QVERIFY(style);
        QVERIFY(!style->hasErrors());
        QVERIFY(style->rules().size() > m_halcyon->rules().size());
    }

    // Right to left: the same style, with the lines of one side and the
    // sideways arrows on the other.
    void rightToLeftMirrorsOnlySides()
    {
        const auto rtl = StyleRegistry::instance()->style(QStringLiteral("halcyon-rtl"));
        QVERIFY(rtl);
        useFolders(rtl);
        int swapped = 0;
        for (const auto& [selector, chain] : std::as_const(m_chains)) {
            const auto ltrResult = query(m_halcyon, chain);
            const auto rtlResult = query(rtl, chain);
            QVERIFY2(ltrResult && rtlResult, qPrintable(selector));
            const auto context = qPrintable(selector);
            QVERIFY2(text(ltrResult->display()) == text(rtlResult->display()), context);
            QVERIFY2(text(ltrResult->layout()) == text(rtlResult->layout()), context);
            QVERIFY2(text(ltrResult->text()) == text(rtlResult->text()), context);
            QVERIFY2(text(ltrResult->background()) == text(rtlResult->background()), context);
            QVERIFY2(text(ltrResult->outline()) == text(rtlResult->outline()), context);
            QVERIFY2(text(ltrResult->corners()) == text(rtlResult->corners()), context);
            QVERIFY2(text(ltrResult->shadow()) == text(rtlResult->shadow()), context);

            BorderPropertyGroup* ltrBorder = ltrResult->border();
            BorderPropertyGroup* rtlBorder = rtlResult->border();
            QCOMPARE(!ltrBorder, !rtlBorder);
            if (ltrBorder) {
                QVERIFY2(line(ltrBorder->top()) == line(rtlBorder->top()), context);
                QVERIFY2(line(ltrBorder->bottom()) == line(rtlBorder->bottom()), context);
                QVERIFY2(line(ltrBorder->left()) == line(rtlBorder->right()), context);
                QVERIFY2(line(ltrBorder->right()) == line(rtlBorder->left()), context);
                swapped += line(ltrBorder->left()) != line(ltrBorder->right());
            }
            const QString ltrIcon = ltrResult->icon() ? ltrResult->icon()->name().value_or(QString()) : QString();
            const QString rtlIcon = rtlResult->icon() ? rtlResult->icon()->name().value_or(QString()) : QString();
            QVERIFY2(swapSides(ltrIcon) == rtlIcon, context);
            // The rest of the icon group is halcyon's.
            if (ltrResult->icon()) {
                QVERIFY2(text(ltrResult->icon()).replace(ltrIcon, QString())
                             == text(rtlResult->icon()).replace(rtlIcon, QString()),
                         context);
            }
        }
        QVERIFY(swapped >= 4);
    }

    // Touch: larger handles, indicators and rows; the same colours.
    void mobileSizesForTouch()
    {
        const auto mobile = StyleRegistry::instance()->style(QStringLiteral("halcyon-mobile"));
        QVERIFY(mobile);
        useFolders(mobile);
        auto heightOf = [&](const Chain& chain, bool width) {
            const auto result = query(mobile, chain);
            LayoutPropertyGroup* layout = result ? result->layout() : nullptr;
            return layout ? (width ? layout->width() : layout->height()).value_or(0.0) : 0.0;
        };
        auto chain = [](std::initializer_list<const char*> compounds) {
            Chain result;
            for (const char* compound : compounds) {
                result.append(elementFor(QString::fromLatin1(compound)));
            }
            return result;
        };
        QVERIFY(heightOf(chain({ "Slider", "Handle" }), true) >= 24);
        QVERIFY(heightOf(chain({ "Slider", "Handle" }), false) >= 24);
        QVERIFY(heightOf(chain({ "CheckBox", "Indicator" }), false) >= 22);
        QVERIFY(heightOf(chain({ "RadioDelegate", "Indicator" }), true) >= 22);
        QVERIFY(heightOf(chain({ "ItemDelegate" }), false) >= 40);
        QVERIFY(heightOf(chain({ "ItemViewItem" }), false) >= 40);
        QVERIFY(heightOf(chain({ "ScrollBar.vertical" }), true) >= 16);

        for (const auto& [selector, elements] : std::as_const(m_chains)) {
            const auto base = query(m_halcyon, elements);
            const auto touch = query(mobile, elements);
            const auto context = qPrintable(selector);
            QVERIFY2(text(base->text()) == text(touch->text()), context);
            QVERIFY2(text(base->background()) == text(touch->background()), context);
            QVERIFY2(text(base->icon()) == text(touch->icon()), context);
        }
    }

private:
    void useFolders(const std::shared_ptr<Style>& variant)
    {
        packageFolder = QString::fromStdString(m_halcyon->path().string());
        variantFolder = QString::fromStdString(variant->path().string());
    }

    std::shared_ptr<Style> m_halcyon;
    QList<std::pair<QString, Chain>> m_chains;
};

int main(int argc, char** argv)
{
    QuiltTest::TemporaryXdg xdg;
    // The build's styles stay visible; the temporary home adds none.
    QGuiApplication app(argc, argv);
    TestHalcyonVariants test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_halcyonvariants.moc"
