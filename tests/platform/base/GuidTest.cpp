#include "platform/base/Guid.h"

#include <gtest/gtest.h>

#include <set>

using platform::Guid;

namespace {

const Guid kDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

TEST(Guid, ParsesEitherFormAndCaseAndFormatsUpperCase)
{
    const char* forms[] = {
        "{00020400-0000-0000-C000-000000000046}",
        "00020400-0000-0000-c000-000000000046",
        "{00020400-0000-0000-c000-000000000046}",
    };
    for (const char* text : forms) {
        const auto guid = Guid::parse(text);
        ASSERT_TRUE(guid) << text;
        EXPECT_EQ(*guid, kDispatch) << text;
    }
    EXPECT_EQ(kDispatch.toString(), "00020400-0000-0000-C000-000000000046");
    EXPECT_EQ(kDispatch.toRegistryString(), "{00020400-0000-0000-C000-000000000046}");

    const Guid mixed{0xAbCdEf01, 0x2345, 0x6789, {0xab, 0xcd, 0xef, 0x01, 0x23, 0x45, 0x67, 0x89}};
    EXPECT_EQ(mixed.toString(), "ABCDEF01-2345-6789-ABCD-EF0123456789");
    EXPECT_EQ(Guid::parse(mixed.toString()), mixed);
    EXPECT_EQ(Guid::parse(mixed.toRegistryString()), mixed);
}

TEST(Guid, RejectsAnythingButTheExactForm)
{
    const std::string rejected[] = {
        "",
        "{}",
        "00020400-0000-0000-C000-00000000004",     // a digit short
        "00020400-0000-0000-C000-0000000000460",   // a digit long
        "{00020400-0000-0000-C000-000000000046",   // one brace
        "00020400-0000-0000-C000-000000000046}",
        "(00020400-0000-0000-C000-000000000046)",
        "x00020400-0000-0000-C000-000000000046x",
        "000204000-000-0000-C000-000000000046",    // hyphen moved
        "00020400-0000-0000-C0000-00000000046",
        "00020400_0000_0000_C000_000000000046",
        "0002040G-0000-0000-C000-000000000046",    // not hex
        "+0020400-0000-0000-C000-000000000046",    // sign a number parser would take
        " 0020400-0000-0000-C000-000000000046",
        "00020400-0000-0000-C000-00000000004 ",
        "{00020400-0000-0000-C000-0000000000-6}",
        std::string("00020400-0000-0000-C000-00000000004\0", 36),
    };
    for (const std::string& text : rejected)
        EXPECT_FALSE(Guid::parse(text)) << text;
}

TEST(Guid, StoresData1To3LittleEndian)
{
    const std::array<uint8_t, 16> bytes = {0x01, 0xDF, 0x02, 0x00, 0x34, 0x12, 0x78, 0x56,
                                           0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    const Guid guid = Guid::fromBytes(bytes.data());
    EXPECT_EQ(guid.toString(), "0002DF01-1234-5678-C000-000000000046");
    EXPECT_EQ(guid.toBytes(), bytes);
}

TEST(Guid, CreatesDistinctVersion4Identifiers)
{
    std::set<Guid> seen;
    for (int i = 0; i < 200; ++i) {
        const Guid guid = Guid::create();
        EXPECT_EQ(guid.data3 >> 12, 4) << guid.toString();
        EXPECT_EQ(guid.data4[0] & 0xC0, 0x80) << guid.toString();
        EXPECT_EQ(guid.toString()[14], '4');
        EXPECT_EQ(Guid::parse(guid.toString()), guid);
        EXPECT_FALSE(guid.isNull());
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 200u);
    EXPECT_TRUE(Guid{}.isNull());
}

} // namespace
