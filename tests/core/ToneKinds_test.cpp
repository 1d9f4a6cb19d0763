#include "DefaultSegments.h"
#include "TestSupport.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"
#include "core/session/SessionRows.h"
#include "core/session/ToneKinds.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct CountedFindings : EncoderFindings
{
    std::vector<EncoderFinding> all;
    void found(const EncoderFinding &finding) override { all.push_back(finding); }
};

// The device code the encoder writes for a tone cell in a session of kind.
int encodedToneCode(SessionKind kind, const QString &tone, int *findings)
{
    const Session session = sessionOfDefaultSegments(kind, 1, {{ToneRow, tone}});
    SessionImage::Record record{};
    CountedFindings found;
    encodeSegment(session, 0, record, found);
    *findings = int(found.all.size());
    return record[0] >> 5;
}
} // namespace

TEST(ToneKinds, CodesFitTheirBitsAndNamesAreDistinct)
{
    std::set<int> codes;
    std::set<QString> names;
    for (const ToneKindEntry &entry : ToneKinds::entries()) {
        SCOPED_TRACE(entry.name.toString().toStdString());
        EXPECT_GE(entry.deviceCode, 0);
        EXPECT_LT(entry.deviceCode, 8);
        EXPECT_TRUE(codes.insert(entry.deviceCode).second);
        EXPECT_TRUE(names.insert(entry.name.toString()).second);
        // A dual session's sixth row is always its second pitch.
        EXPECT_EQ(entry.session == DualBinauralSession, entry.sixthRow == SixthRow::Pitch2);
    }
    for (const ToneAlias &alias : ToneKinds::aliases()) {
        SCOPED_TRACE(alias.name.toString().toStdString());
        EXPECT_EQ(ToneKinds::find(alias.name), nullptr);
        EXPECT_NE(ToneKinds::find(alias.tone), nullptr);
    }
}

TEST(ToneKinds, LookupIsExactAndAliasesResolve)
{
    const struct
    {
        QString name;
        const char16_t *found; // nullptr: no entry
        const char16_t *unaliased;
    } cases[] = {
        {u"PFr"_s, u"PFr", u"PFr"},  {u"pfr"_s, nullptr, u"pfr"}, {u"F-S"_s, nullptr, u"PSu"},
        {u"bbP"_s, nullptr, u"bb"},  {u"dbb"_s, u"dbb", u"dbb"},  {QString(), nullptr, u""},
        {u"PFr "_s, nullptr, u"PFr "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const ToneKindEntry *entry = ToneKinds::find(c.name);
        EXPECT_EQ(entry ? entry->name.toString() : QString(), c.found ? QString::fromUtf16(c.found) : QString());
        EXPECT_EQ(ToneKinds::unaliased(c.name).toString(), QString::fromUtf16(c.unaliased));
    }
}

// The encoder and the stepping lists follow the table: a tone
// encodes as its entry's code in its own session, without a finding, in any
// case of letters, and an alias as the tone it stands for.
TEST(ToneKinds, EveryNameEncodesAsItsEntrysCode)
{
    for (const ToneKindEntry &entry : ToneKinds::entries()) {
        const QString name = entry.name.toString();
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(ToneKinds::names(entry.session).contains(name));
        EXPECT_FALSE(ToneKinds::names(entry.session == PulsedSession ? DualBinauralSession : PulsedSession).contains(name));
        for (const QString &spelled : {name, name.toUpper()}) {
            int findings = 0;
            EXPECT_EQ(encodedToneCode(entry.session, spelled, &findings), entry.deviceCode);
            EXPECT_EQ(findings, 0);
        }
    }
    for (const ToneAlias &alias : ToneKinds::aliases()) {
        const ToneKindEntry &tone = *ToneKinds::find(alias.tone);
        int findings = 0;
        EXPECT_EQ(encodedToneCode(tone.session, alias.name.toString(), &findings), tone.deviceCode);
        EXPECT_EQ(findings, 0);
    }
}
