#include "cssloader.h"

#include "csslogging_p.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

#include <QByteArray>
#include <QStandardPaths>

namespace Quilt::Css
{
namespace
{
const QString defaultStyleSheet = QStringLiteral("quilt/css/defaults/default.css");
} // namespace

CssLoader::CssLoader() = default;
CssLoader::~CssLoader() = default;

std::filesystem::path CssLoader::mainStyleSheetPath() const
{
    return m_mainStyleSheetPath;
}

void CssLoader::setMainStyleSheetPath(const std::filesystem::path& path)
{
    m_mainStyleSheetPath = path;
}

bool CssLoader::load(std::shared_ptr<Style> style)
{
    m_mainStyleSheetPath = style->path() / "contents" / "css" / "style.css";

    cssparser::StyleSheet sheet(m_mainStyleSheetPath);
    // An empty path, when no data folder has the default sheet, is passed on
    // as well: the parser ignores it.
    const QString defaults
        = QStandardPaths::locate(QStandardPaths::GenericDataLocation, defaultStyleSheet, QStandardPaths::LocateFile);
    sheet.import(std::filesystem::path(defaults.toStdString()));
    sheet.parse();

    for (const std::filesystem::path& path : sheet.paths()) {
        style->addCachePath(path);
    }

    const std::vector<cssparser::Error>& errors = sheet.errors();
    if (!errors.empty()) {
        style->setHasErrors(true);
        if (lcCss().isWarningEnabled()) {
            qCWarning(lcCss) << "Errors encountered while parsing CSS:";
            for (const cssparser::Error& error : errors) {
                // The message ends at its first NUL, as a C string would.
                qCWarning(lcCss) << "In file" << QByteArray::fromStdString(error.file) << "on line" << error.line
                                 << "column" << error.column << error.message.c_str();
            }
        }
    }

    for (const cssparser::Rule& cssRule : sheet.rules()) {
        if (cssRule.properties().empty()) {
            continue;
        }
        std::shared_ptr<StyleRule> rule = StyleRule::create();
        rule->setSelectors(parseSelectors(cssRule.selectors()));
        auto properties = std::make_unique<Properties::StylePropertyGroup>();
        parseProperties(*properties, cssRule.properties());
        rule->setProperties(std::move(properties));
        style->insert(std::move(rule));
    }
    return true;
}

} // namespace Quilt::Css
