#include "element.h"
#include "elementquery.h"
#include "properties.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMetaEnum>

#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{
void print(const QByteArray& text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
}

// The element being described on the command line, and what it gathers until
// the next --child closes it.
class ChainBuilder
{
public:
    void setType(const QString& type) { m_current->setType(type); }
    void setId(const QString& id) { m_current->setId(id); }
    void addState(Quilt::Element::State state) { m_states |= state; }
    void addHint(const QString& hint) { m_hints.append(hint); }
    void setAttribute(const QString& key, const QString& value) { m_attributes.insert(key, value); }

    void finishElement()
    {
        m_current->setStates(m_states);
        m_current->setHints(m_hints);
        m_current->setAttributes(m_attributes);
        m_chain.append(m_current);
        m_current = Quilt::Element::create();
        m_states = {};
        m_hints.clear();
        m_attributes.clear();
    }

    const Quilt::ElementChain& chain() const { return m_chain; }

private:
    Quilt::ElementChain m_chain;
    std::shared_ptr<Quilt::Element> m_current = Quilt::Element::create();
    Quilt::Element::States m_states;
    QStringList m_hints;
    QVariantMap m_attributes;
};

// The values of one option in command-line order, taken one per occurrence.
class ValueCursor
{
public:
    ValueCursor(const QCommandLineParser& parser, const QString& name)
        : m_values(parser.values(name))
    { }

    QString next() { return m_next < m_values.size() ? m_values.at(m_next++) : QString(); }

private:
    QStringList m_values;
    qsizetype m_next = 0;
};

// Walks the options in the order given: --child closes the element described
// so far, and the first element is the outermost one.
Quilt::ElementChain buildChain(const QCommandLineParser& parser)
{
    static const QMetaEnum states = [] {
        const QMetaObject& meta = Quilt::Element::staticMetaObject;
        return meta.enumerator(meta.indexOfEnumerator("States"));
    }();

    ValueCursor types(parser, u"type"_s);
    ValueCursor ids(parser, u"id"_s);
    ValueCursor stateNames(parser, u"state"_s);
    ValueCursor hints(parser, u"hint"_s);
    ValueCursor attributes(parser, u"attribute"_s);
    ChainBuilder builder;

    const QStringList names = parser.optionNames();
    for (const QString& name : names) {
        if (name == u"type") {
            builder.setType(types.next());
        } else if (name == u"id") {
            builder.setId(ids.next());
        } else if (name == u"state") {
            const QString stateName = stateNames.next();
            bool ok = false;
            const int value = states.keyToValue(stateName.toUtf8().constData(), &ok);
            if (ok) {
                builder.addState(Quilt::Element::State(value));
            } else {
                // The lookup's failure value would set every flag.
                print("Ignoring unknown state " + stateName.toLocal8Bit() + '\n');
            }
        } else if (name == u"hint") {
            builder.addHint(hints.next());
        } else if (name == u"attribute") {
            const QString attribute = attributes.next();
            const QStringList parts = attribute.split(u'=', Qt::KeepEmptyParts, Qt::CaseSensitive);
            if (parts.size() == 2) {
                builder.setAttribute(parts.at(0), parts.at(1));
            } else {
                print("Ignoring invalid attribute" + attribute.toUtf8());
            }
        } else if (name == u"child") {
            builder.finishElement();
        }
    }
    builder.finishElement();
    return builder.chain();
}
// The application object takes "--style" (and "--style=") for itself and
// removes it from the arguments it keeps, so the tool's own style option never
// reached the parser. The style options are therefore held back from the
// application object and handed to the parser after the rest; the walk over
// the options passes them over, so their place among the others is immaterial.
class Arguments
{
public:
    Arguments(int argc, char** argv)
    {
        for (int i = 0; i < argc; ++i) {
            const QByteArray argument(argv[i]);
            if (i > 0 && argument == "--style") {
                m_styleOptions.append(QString::fromLocal8Bit(argument));
                if (i + 1 < argc) {
                    m_styleOptions.append(QString::fromLocal8Bit(argv[++i]));
                }
            } else if (i > 0 && argument.startsWith("--style=")) {
                m_styleOptions.append(QString::fromLocal8Bit(argument));
            } else {
                m_forApplication.push_back(argv[i]);
            }
        }
        m_forApplication.push_back(nullptr);
        m_count = int(m_forApplication.size()) - 1;
    }

    int& count() { return m_count; }
    char** values() { return m_forApplication.data(); }
    // After the application object has taken its own options.
    QStringList forParser() const { return QCoreApplication::arguments() + m_styleOptions; }

private:
    std::vector<char*> m_forApplication;
    QStringList m_styleOptions;
    int m_count = 0;
};
} // namespace

int main(int argc, char** argv)
{
    // The tool opens no window. Without a display the session's platform
    // would abort at start, so it runs offscreen then; with a display the
    // session's platform stays, since the platform plug-in is chosen by it.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Arguments arguments(argc, argv);
    QGuiApplication app(arguments.count(), arguments.values());
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"A tool to inspect Quilt's style rules"_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        { u"style"_s, u"The style to use. This needs to be specified before any other arguments."_s, u"style"_s },
        { u"verbose"_s, u"Verbose logging, including full query matching logs."_s },
        { u"type"_s, u"The type to match"_s, u"type"_s },
        { u"id"_s, u"The ID to match"_s, u"id"_s },
        { u"state"_s, u"The state to match. Can be specified multiple times per element."_s, u"state"_s },
        { u"hint"_s, u"The hint to match. Can be specified multiple times per element."_s, u"hint"_s },
        { u"attribute"_s,
          u"An attribute and value to match, specified as \"key=value\". Can be specified multiple times per element."_s,
          u"attribute"_s },
        { u"child"_s, u"Indicates that the following arguments apply to a new element."_s },
    });
    parser.process(arguments.forParser());
    // The tool takes no positional arguments: a stray word (a second type
    // without its --type) would otherwise be dropped without a word.
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty()) {
        parser.showMessageAndExit(QCommandLineParser::MessageType::Error,
                                  u"Unexpected argument: %1\n\n"_s.arg(stray.constFirst()) + parser.helpText(), 1);
    }

    if (parser.isSet(u"verbose"_s)) {
        QLoggingCategory::setFilterRules(u"quilt.query*=true"_s);
    }

    const std::shared_ptr<Quilt::StyleRegistry> registry = Quilt::StyleRegistry::instance();
    registry->load();
    const std::shared_ptr<Quilt::Style> style
        = parser.isSet(u"style"_s) ? registry->style(parser.value(u"style"_s)) : registry->defaultStyle();
    if (!style) {
        print("No usable style found!\n");
        return 1;
    }

    Quilt::ElementQuery query(style);
    query.setElements(buildChain(parser));
    query.execute();
    if (!query.hasMatches() || !query.properties()) {
        print("Query had no result!\n");
        return 2;
    }

    print("Matched properties:\n");
    print("\n");
    std::fflush(stdout);
    print(query.properties()->toString(0, Quilt::Properties::ToStringFlag::MultiLine).toLocal8Bit());
    return 0;
}
