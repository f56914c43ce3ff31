#pragma once

#include "ruleindex_p.h"
#include "selector_p.h"
#include "style.h"

#include <QDataStream>
#include <QList>

#include <filesystem>
#include <memory>

namespace Quilt
{
// Written and restored directly by the style cache.
class StylePrivate
{
public:
    std::unique_ptr<StyleLoader> loader;
    std::filesystem::path path;
    bool loadedFromSource = false;
    bool hasErrors = false;
    // Parallel lists: one modification time per recorded source file.
    QList<std::filesystem::path> cachePaths;
    QList<std::filesystem::file_time_type> cacheTimes;
    QList<std::shared_ptr<StyleRule>> rules;
    // Built from the rules on the first query that needs it.
    RuleIndex index;

    // For the registry, which hands a style's data to the style cache.
    static const StylePrivate& get(const Style& style) { return *style.d; }
};

// Identifies a style for the whole life of the process; never reused.
quint64 styleSerial(const Style& style);

// The record of one rule in a style cache file: the selector list, a bool
// telling whether a property group follows, and the group.
QUILT_EXPORT void writeRuleRecord(QDataStream& stream, const StyleRule& rule);
// Fills an existing rule. Without a group in the record the rule keeps the
// group it had. The caller judges the stream's status.
QUILT_EXPORT void readRuleRecord(QDataStream& stream, StyleRule& rule,
                                 UnknownSelectorKinds unknownKinds = UnknownSelectorKinds::Skip);

} // namespace Quilt
