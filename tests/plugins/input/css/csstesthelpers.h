#pragma once

// Runs declarations as they stand in a style sheet through the parser and the
// property dispatcher, for the handler tests' tables:
//
//     auto group = QuiltCssTest::parse("padding: 1px 2px;");
//     QCOMPARE(group->layout()->padding()->left(), 2.0);

#include "color.h"
#include "cssloader.h"
#include "stylepropertygroup.h"

#include <cssweave.h>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtDebug>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <vector>

namespace QuiltCssTest
{
// The rules of a style sheet text, as the parser reads them. Parse errors go
// to `errors` when given, else to the test log as warnings.
inline std::vector<cssparser::Rule> rules(const QByteArray& sheetText, QStringList* errors = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.css"));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly)) {
        qWarning() << "Cannot write the style sheet" << path;
        return {};
    }
    file.write(sheetText);
    file.close();

    cssparser::StyleSheet sheet(std::filesystem::path(QFile::encodeName(path).toStdString()));
    sheet.parse();
    for (const cssparser::Error& error : sheet.errors()) {
        const QString text
            = QStringLiteral("%1:%2: %3").arg(error.line).arg(error.column).arg(QString::fromStdString(error.message));
        if (errors) {
            errors->append(text);
        } else {
            qWarning().noquote() << "Style sheet error:" << text;
        }
    }
    return sheet.rules();
}

// The properties of `* { <declarations> }` as the parser reads them.
inline std::vector<cssparser::Property> properties(const QByteArray& declarations, QStringList* errors = nullptr)
{
    const std::vector<cssparser::Rule> parsed = rules("* { " + declarations + " }\n", errors);
    if (parsed.empty()) {
        return {};
    }
    return parsed.front().properties();
}

// The selector parts of `<selector> { width: 1px }`.
inline std::vector<cssparser::SelectorPart> selectorParts(const QByteArray& selector, QStringList* errors = nullptr)
{
    const std::vector<cssparser::Rule> parsed = rules(selector + " { width: 1px }\n", errors);
    if (parsed.empty()) {
        return {};
    }
    return parsed.front().selectors();
}

// Dispatches the declarations into an existing group, which keeps what the
// declarations do not set. `mainStyleSheetPath` is what background images
// resolve against.
inline void parseInto(Quilt::Properties::StylePropertyGroup& group, const QByteArray& declarations,
                      const std::filesystem::path& mainStyleSheetPath = {}, QStringList* errors = nullptr)
{
    Quilt::Css::CssLoader loader;
    loader.setMainStyleSheetPath(mainStyleSheetPath);
    loader.parseProperties(group, properties(declarations, errors));
}

// The style group that a rule with these declarations gets.
inline std::unique_ptr<Quilt::Properties::StylePropertyGroup>
parse(const QByteArray& declarations, const std::filesystem::path& mainStyleSheetPath = {},
      QStringList* errors = nullptr)
{
    auto group = std::make_unique<Quilt::Properties::StylePropertyGroup>();
    parseInto(*group, declarations, mainStyleSheetPath, errors);
    return group;
}

// A property built by hand, for values that no style sheet text yields.
inline cssparser::Property property(const std::string& name, std::vector<cssparser::Value> values)
{
    return cssparser::Property { name, std::move(values) };
}
// Short texts for the tables: "#rrggbb" for an RGBA colour, the text form for
// any other kind, "invalid" for the invalid colour and "-" for an unset value.
inline QString describeColor(const Quilt::Color& color)
{
    if (!color.isValid()) {
        return QStringLiteral("invalid");
    }
    return color.type() == Quilt::Color::Rgba ? QColor(color.red(), color.green(), color.blue()).name()
                                              : color.toString();
}

inline QString describeColor(const std::optional<Quilt::Color>& color)
{
    return color ? describeColor(*color) : QStringLiteral("-");
}

inline QString describeNumber(const std::optional<double>& number)
{
    return number ? QString::number(*number) : QStringLiteral("-");
}
} // namespace QuiltCssTest
