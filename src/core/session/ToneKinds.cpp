#include "core/session/ToneKinds.h"

#include <array>

namespace {
constexpr std::array<ToneKindEntry, 7> Entries = {{
    {u"PFr", 0, PulsedSession, ToneKind::Isochronic, SixthRow::Unused, false},
    {u"PSu", 1, PulsedSession, ToneKind::Smooth, SixthRow::Unused, true},
    {u"PCh", 2, PulsedSession, ToneKind::Chord, SixthRow::Chord, false},
    {u"bb", 3, PulsedSession, ToneKind::Binaural, SixthRow::Unused, false},
    {u"bbS", 4, DualBinauralSession, ToneKind::Dual, SixthRow::Pitch2, true},
    {u"dbb", 5, DualBinauralSession, ToneKind::Dual, SixthRow::Pitch2, false},
    {u"dSb", 6, DualBinauralSession, ToneKind::Dual, SixthRow::Pitch2, true},
}};

constexpr std::array<ToneAlias, 2> Aliases = {{
    {u"F-S", u"PSu"},
    {u"bbP", u"bb"},
}};
} // namespace

namespace ToneKinds {
TableEntries<ToneKindEntry> entries()
{
    return {Entries.data(), Entries.data() + Entries.size()};
}

TableEntries<ToneAlias> aliases()
{
    return {Aliases.data(), Aliases.data() + Aliases.size()};
}

const ToneKindEntry *find(QStringView name)
{
    for (const ToneKindEntry &entry : Entries) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

QStringView unaliased(QStringView name)
{
    for (const ToneAlias &alias : Aliases) {
        if (name == alias.name)
            return alias.tone;
    }
    return name;
}

QStringList names(SessionKind kind)
{
    QStringList list;
    for (const ToneKindEntry &entry : Entries) {
        if (entry.session == kind)
            list.append(entry.name.toString());
    }
    return list;
}

QStringList namesAndAliases()
{
    QStringList list;
    for (const ToneKindEntry &entry : Entries)
        list.append(entry.name.toString());
    for (const ToneAlias &alias : Aliases)
        list.append(alias.name.toString());
    return list;
}
} // namespace ToneKinds
