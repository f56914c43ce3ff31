#include "cssloader.h"

#include "csslogging_p.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

#include <QByteArray>
#include <QFileInfo>
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

void CssLoader::recordImage(const std::filesystem::path& path, bool found) const
{
    if (!m_style) {
        return;
    }
    if (found) {
        m_style->addCachePath(path);
    } else {
        m_style->addAbsentCachePath(path);
    }
}

bool CssLoader::load(std::shared_ptr<Style> style)
{
    m_mainStyleSheetPath = style->path() / "contents" / "css" / "style.css";

    cssparser::StyleSheet sheet(m_mainStyleSheetPath);
    // The first data folder that holds the default sheet wins. The earlier
    // ones are recorded too: a sheet installed there later (a user's own copy
    // in the data home) must take over, so the cache must not outlive it.
    QString defaults;
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : dataFolders) {
        const QString candidate = folder + u'/' + defaultStyleSheet;
        if (QFileInfo(candidate).isFile()) {
            defaults = candidate;
            break;
        }
        style->addAbsentCachePath(std::filesystem::path(candidate.toStdString()));
    }
    // An empty path, when no data folder has the default sheet, is passed on
    // as well: the parser ignores it.
    sheet.import(std::filesystem::path(defaults.toStdString()));

    m_style = style.get();
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
    m_style = nullptr;
    m_refused.clear();
    return true;
}

} // namespace Quilt::Css
