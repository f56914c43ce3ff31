#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <filesystem>
#include <memory>

#include "element.h"
#include "pathmetatype.h"
#include "quiltglobal.h"
#include "stylerule.h"

namespace Quilt
{
class Style;
class StylePrivate;

// Fills a style from its sources. Input plug-ins implement it; the style owns
// its loader and calls it from Style::load().
class StyleLoader
{
public:
    virtual ~StyleLoader() = default;
    virtual bool load(std::shared_ptr<Style> style) = 0;
};

// Sent to a style, synchronously, when the application's palette changes, so
// that whoever filters the style's events can refresh colours.
class QUILT_EXPORT StyleChangedEvent : public QEvent
{
public:
    StyleChangedEvent()
        : QEvent(QEvent::Type(s_type))
    { }

    static int s_type;
};

// One loaded style package: its rules in insertion order and the source files
// that decide whether its cache file is still valid.
class QUILT_EXPORT Style : public QObject, public std::enable_shared_from_this<Style>
{
    Q_OBJECT
    Q_PROPERTY(std::filesystem::path path READ path CONSTANT)
    Q_PROPERTY(QString id READ id CONSTANT)
    Q_PROPERTY(bool hasErrors READ hasErrors WRITE setHasErrors NOTIFY hasErrorsChanged)

public:
    static std::shared_ptr<Style> create(const std::filesystem::path& path, std::unique_ptr<StyleLoader>&& loader);

    // Takes over a private object, such as one restored from the style cache.
    // Hold the style in a shared pointer made by std::make_shared.
    explicit Style(std::unique_ptr<StylePrivate>&& dd);
    ~Style() override;

    std::filesystem::path path() const;
    // The package folder's name.
    QString id() const;

    bool hasErrors() const;
    void setHasErrors(bool hasErrors);

    // Null for a style restored from the cache.
    StyleLoader* loader() const;
    bool load();

    // Records a source file whose modification time validates the cache file.
    void addCachePath(const std::filesystem::path& path);
    // Records a file that the loader looked for and did not find (an image, a
    // candidate default sheet): the cache file stays valid only while nothing
    // appears there. What is recorded is the nearest existing folder above
    // it, whose modification time changes when an entry is added to it.
    void addAbsentCachePath(const std::filesystem::path& path);

    void insert(std::shared_ptr<StyleRule> rule);
    QList<std::shared_ptr<StyleRule>> rules() const;

    // The rules whose selectors match, heaviest first; among rules of equal
    // weight the one inserted later comes first.
    QList<std::shared_ptr<StyleRule>> matches(const ElementChain& chain) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void hasErrorsChanged();

private:
    friend class StylePrivate;
    friend quint64 styleSerial(const Style& style);

    std::unique_ptr<StylePrivate> d;
    // Unique in the process, unlike the address, which a later style may
    // reuse; renewed by each inserted rule, so that no answer cached before
    // it is taken for the style's answer after it.
    std::atomic<quint64> m_serial;
};

} // namespace Quilt
