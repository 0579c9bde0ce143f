#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "detection/DetectionValidators.h"

using namespace tarnveil;
namespace V = tarnveil::DetectionValidators;

namespace {

struct TextCase {
    std::string text;
    bool expected;
};

void expectAll(bool (*predicate)(std::string_view), std::initializer_list<TextCase> cases)
{
    for (const auto& c : cases) {
        EXPECT_EQ(predicate(c.text), c.expected) << '"' << c.text << '"';
    }
}

} // namespace

TEST(DetectionValidators, IsValidIPv4)
{
    expectAll(V::isValidIPv4, {
        {"1.2.3.4", true},
        {"255.255.255.255", true},
        {"0.0.0.0", true},
        {"010.001.000.009", true}, // leading zeros are accepted
        {"1.2.3", false},
        {"1.2.3.4.5", false},
        {"1.2.3.4.", false},
        {".1.2.3", false},
        {"256.1.1.1", false},
        {"1.2.3.256", false},
        {"1..2.3", false},
        {"0001.2.3.4", false}, // four characters in one piece
        {"+1.2.3.4", false},
        {"1.2.3.-4", false},
        {" 1.2.3.4", false},
        {"1.2.3.4 ", false},
        {"1.2.3.a", false},
        {"\xD9\xA1.2.3.4", false}, // ARABIC-INDIC DIGIT ONE is a number but not an ASCII digit
        {"\xEF\xBC\x91.2.3.4", false}, // FULLWIDTH DIGIT ONE
        {"", false},
    });
}

TEST(DetectionValidators, IPv4ToUInt32)
{
    EXPECT_EQ(V::ipv4ToUInt32("10.0.0.1"), 167772161u);
    EXPECT_EQ(V::ipv4ToUInt32("192.168.1.10"), 0xC0A8010Au);
    EXPECT_EQ(V::ipv4ToUInt32("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(V::ipv4ToUInt32("0.0.0.0"), 0u);
    EXPECT_EQ(V::ipv4ToUInt32("010.001.000.009"), 0x0A010009u);
    EXPECT_EQ(V::ipv4ToUInt32("10.0.0"), std::nullopt);
    EXPECT_EQ(V::ipv4ToUInt32("300.0.0.1"), std::nullopt);
}

TEST(DetectionValidators, IPv4InCIDR)
{
    struct Case {
        const char* address;
        const char* network;
        int prefix;
        bool expected;
    };
    const Case cases[] = {
        {"172.31.255.255", "172.16.0.0", 12, true},
        {"172.16.0.0", "172.16.0.0", 12, true},
        {"172.32.0.0", "172.16.0.0", 12, false},
        {"172.15.255.255", "172.16.0.0", 12, false},
        {"10.1.2.3", "10.255.255.255", 8, true}, // only the top bits of the network count
        {"10.0.0.1", "10.0.0.0", 31, true},
        {"10.0.0.2", "10.0.0.0", 31, false},
        {"0.0.0.0", "0.0.0.0", 32, true},
        {"0.0.0.1", "0.0.0.0", 32, false},
        {"127.255.255.255", "0.0.0.0", 1, true},
        {"128.0.0.0", "0.0.0.0", 1, false},
        {"8.8.8.8", "192.168.0.0", 0, true}, // every address lies in a /0 network
        {"1.2.3.4", "1.2.3.4", 33, false},
        {"1.2.3.4", "1.2.3.4", -1, false},
        {"1.2.3", "0.0.0.0", 0, false}, // an invalid address is never inside
        {"1.2.3.4", "1.2.3", 0, false},
        {"1.2.3.4", "1.2.3.x", 8, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(V::ipv4(c.address, c.network, c.prefix), c.expected)
            << c.address << " in " << c.network << "/" << c.prefix;
    }
}

TEST(DetectionValidators, IsValidIPv6)
{
    expectAll(V::isValidIPv6, {
        {"::", true},
        {"::1", true},
        {"1::", true},
        {"fe80::1", true},
        {"FE80::1FF:FE23:4567:890A", true},
        {"2001:db8::8a2e:370:7334", true},
        {"2001:db8:0:0:0:0:0:1", true},
        {"1:2:3:4:5:6:7:8", true},
        {"1:2:3:4:5:6:7::", true},
        {"::2:3:4:5:6:7:8", true},
        {"::ffff:192.0.2.1", true},
        {"::1.2.3.4", true},
        {"1:2:3:4:5:6:1.2.3.4", true}, // the embedded address counts as two groups
        {"12:34", false},               // two groups and no "::"
        {"12:34:56", false},            // a clock time
        {"1:2:3:4:5:6:7", false},
        {"1:2:3:4:5:6:7:8:9", false},
        {"1:2:3:4:5:6:7:8::", false},   // eight groups leave nothing for "::"
        {"1:2:3:4::5:6:7:8", false},
        {"1:2:3:4:5:6:7:1.2.3.4", false},
        {"1::2::3", false},
        {":::", false},
        {":1:2:3:4:5:6:7", false},
        {"1:2:3:4:5:6:7:", false},
        {"abcde::1", false},            // a group of five digits
        {"g::1", false},
        {"::ffff:1.2.3.256", false},
        {"::ffff:1.2.3", false},
        {"::1.2.3.4:5", false},         // an embedded address must come last
        {"1.2.3.4", false},             // no colon at all
        {"", false},
    });
}

TEST(DetectionValidators, IsValidCreditCard)
{
    expectAll(V::isValidCreditCard, {
        {"4111 1111 1111 1111", true},
        {"4111-1111-1111-1111", true},
        {"4111111111111111", true},
        {"5555555555554444", true},   // doubled digits of 5 and more
        {"378282246310005", true},    // 15 digits
        {"4111 1111 1111 1112", false},
        {"4111111111111121", false},
        {"411111111117", false},      // 12 digits pass the check but are too few
        {"1234567890128", true},      // 13 digits
        {"4111111111111111110", true}, // 19 digits
        {"41111111111111111115", false}, // 20 digits
        {"\xEF\xBC\x94\xEF\xBC\x91\xEF\xBC\x91\xEF\xBC\x91" "111111111111", true}, // fullwidth digits are numbers
        {"", false},
    });
}

TEST(DetectionValidators, IsValidIBAN)
{
    expectAll(V::isValidIBAN, {
        {"GB82 WEST 1234 5698 7654 32", true},
        {"GB82WEST12345698765432", true},
        {"gb82 west 1234 5698 7654 32", true},
        {"DE89370400440532013000", true},
        {"FR1420041010050500013M02606", true},
        {"NO9386011117947", true},    // 15 characters, the shortest accepted
        {"GB82 WEST 1234 5698 7654 33", false},
        {"GB82WEST12345698765423", false},
        {"GB81WEST12345698765432", false}, // remainder 0, not 1
        {"NO938601111794", false},    // 14 characters
        {"GB82-WEST-1234-5698-7654-32", false},
        {"GB82\tWEST12345698765432", false}, // only " " is removed
        {"1B82WEST12345698765432", false},
        {"GBX2WEST12345698765432", false},
        {"GB82WEST1234569876543200000000000000", false}, // more than 34 characters
        {"", false},
    });
}

TEST(DetectionValidators, IsHostNameRejectsFileExtensions)
{
    expectAll(V::isHostName, {
        {"config.yaml", false},
        {"CONFIG.YAML", false},
        {"readme.md", false},
        {"report.Pdf", false},
        {"archive.tar.gz", false},
        {"font.woff2", false},
        {"db.sqlite3", false},
        {"build.gradle.kts", true},
        {"www.bbc.co.uk", true},
        {"api.internal.corp", true},
        {"host.", true},  // empty pieces are dropped: the last label is "host"
        {".", false},     // nothing left
        {"", false},
    });
}

TEST(DetectionValidators, UserNamePredicatesRejectOnlyTheSharedFoldersExactly)
{
    expectAll(V::isPersonalMacUserName, {
        {"Shared", false},
        {"shared", true},
        {"Shared ", true},
        {"alice", true},
    });
    expectAll(V::isPersonalWindowsUserName, {
        {"Public", false},
        {"Default", false},
        {"All Users", false},
        {"Default User", false},
        {"public", true},
        {"DefaultUser", true},
        {"All", true},
        {"Alice", true},
    });
}
