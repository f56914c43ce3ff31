#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// How an icon is tinted: its opaque parts take the text colour.
class LoomIconTint
{
public:
    LoomIconTint() = default;

    QColor text() const { return m_text; }
    void setText(const QColor& color) { m_text = color; }

private:
    QColor m_text;
};

// Where themed icons come from; a null source means the icon theme of the
// desktop (QIcon::fromTheme).
class LoomIconSource
{
public:
    virtual ~LoomIconSource();
    virtual QIcon icon(const QString& name) const = 0;
};

namespace Loom
{
// The named icon of the icon theme (or of `source`).
QIcon themedIcon(const QString& name, const LoomIconSource* source);
// The same icon with every pixel that is not fully transparent painted in the
// tint's text colour, keeping its alpha. An invalid text colour leaves the icon
// as it is; a missing icon stays a null icon.
QIcon themedIcon(const QString& name, const LoomIconTint& tint, const LoomIconSource* source);
} // namespace Loom
