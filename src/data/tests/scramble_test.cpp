#include "data/group_data.h"

#include <gtest/gtest.h>

using namespace rekol;

namespace {

PublisherRecord WithText(std::size_t offset, std::initializer_list<std::uint8_t> text)
{
    PublisherRecord r;
    std::size_t j = offset;
    for (std::uint8_t c : text)
        r.bytes[j++] = c;
    return r;
}

} // namespace

TEST(Scramble, EncodesByPositionAndDecodesBack)
{
    PublisherRecord r = WithText(layout::FirstName, {0x41, 0x6E, 0x61}); // "Ana"
    ScrambleRecord(+1, r);
    EXPECT_EQ(r.bytes[2], 0x75);
    EXPECT_EQ(r.bytes[3], 0xA3);
    EXPECT_EQ(r.bytes[4], 0x97);
    ScrambleRecord(-1, r);
    EXPECT_EQ(r.Text(layout::FirstName), QByteArray("Ana"));
}

TEST(Scramble, CcExceptionsOfNamesAndEmail)
{
    // A name byte 0xCC is never transformed; a 0x98 at position 0 encodes
    // to 0xCC and so reads back as 0xCC.
    PublisherRecord r = WithText(layout::LastName, {0x98, 0xCC, 0x41});
    ScrambleRecord(+1, r);
    EXPECT_EQ(r.bytes[23], 0xCC);
    EXPECT_EQ(r.bytes[24], 0xCC);
    EXPECT_EQ(r.bytes[25], 0x41 + 54);
    ScrambleRecord(-1, r);
    EXPECT_EQ(r.bytes[23], 0xCC);
    EXPECT_EQ(r.bytes[24], 0xCC);
    EXPECT_EQ(r.bytes[25], 0x41);

    // In the e-mail field 0xCC is kept only at positions 0..29.
    PublisherRecord e;
    for (std::size_t j = 0; j < 32; ++j)
        e.bytes[layout::Email + j] = 'a';
    e.bytes[layout::Email + 29] = 0xCC;
    e.bytes[layout::Email + 31] = 0xCC;
    ScrambleRecord(+1, e);
    EXPECT_EQ(e.bytes[layout::Email + 29], 0xCC);
    EXPECT_EQ(e.bytes[layout::Email + 31], static_cast<std::uint8_t>(0xCC + 31 + 52));
}

TEST(Scramble, ByteEncodingToZeroEndsTheText)
{
    // 204 - j at position j becomes 0.
    PublisherRecord r = WithText(layout::FirstName, {'J', 0xCB, 'x'});
    ScrambleRecord(+1, r);
    EXPECT_EQ(r.bytes[3], 0);
    ScrambleRecord(-1, r);
    EXPECT_EQ(r.Text(layout::FirstName), QByteArray("J"));

    PublisherRecord e;
    for (std::size_t j = 0; j < 32; ++j)
        e.bytes[layout::Email + j] = 'm';
    e.bytes[layout::Email + 30] = 0xAE;
    ScrambleRecord(+1, e);
    ScrambleRecord(-1, e);
    EXPECT_EQ(e.Text(layout::Email).size(), 30);
}

TEST(Scramble, UnterminatedPhone2RunsIntoPhone3AndRoundTrips)
{
    PublisherRecord r;
    for (std::size_t j = 0; j < 15; ++j)
        r.bytes[layout::Phone2 + j] = static_cast<std::uint8_t>('0' + j % 10);
    r.SetText(layout::Phone3, 15, "5551234");
    const PublisherRecord plain = r;
    ScrambleRecord(+1, r);
    // phone3's first byte is transformed twice: as position 15 of phone2's
    // text and as position 0 of its own.
    EXPECT_EQ(r.bytes[layout::Phone3], static_cast<std::uint8_t>('5' + 15 + 52 + 52));
    ScrambleRecord(-1, r);
    EXPECT_EQ(r.bytes, plain.bytes);
    EXPECT_EQ(r.Text(layout::Phone2), QByteArray("012345678901234") + "5551234");
}

TEST(Scramble, LateFlagsAreScrambledAsText)
{
    PublisherRecord r = WithText(layout::LateFlags1, {1, 1, 0, 1});
    ScrambleRecord(+1, r);
    EXPECT_EQ(r.bytes[152], 53);
    EXPECT_EQ(r.bytes[153], 54);
    EXPECT_EQ(r.bytes[154], 0);
    EXPECT_EQ(r.bytes[155], 1);
}

TEST(Scramble, ForcesTerminatorsAndTouchesNothingElse)
{
    PublisherRecord r;
    for (std::size_t j = 0; j < r.bytes.size(); ++j)
        r.bytes[j] = static_cast<std::uint8_t>(j * 7 + 3);
    const PublisherRecord before = r;
    ScrambleRecord(+1, r);
    for (std::size_t z : {22, 43, 106, 121, 160, 169})
        EXPECT_EQ(r.bytes[z], 0) << z;
    for (std::size_t j = 0; j < r.bytes.size(); ++j)
        if (j < 2 || j >= 170) {
            EXPECT_EQ(r.bytes[j], before.bytes[j]) << j;
        }
}
