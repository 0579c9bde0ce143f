#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "planning/Profile.h"

using namespace tarnveil;

TEST(Profile, PresetsChooseTheirDetectors)
{
    const auto pentest = Profile::pentestReport();
    EXPECT_EQ(pentest.enabledDetectorIDs.size(), 25u);
    EXPECT_TRUE(pentest.enabledDetectorIDs.contains("privateKey"));
    EXPECT_TRUE(pentest.enabledDetectorIDs.contains("email"));
    EXPECT_FALSE(pentest.enabledDetectorIDs.contains("macHomePath"));
    EXPECT_FALSE(pentest.enabledDetectorIDs.contains("windowsProfilePath"));

    const auto demo = Profile::clientDemo();
    EXPECT_EQ(demo.enabledDetectorIDs.size(), 17u);
    EXPECT_TRUE(demo.enabledDetectorIDs.contains("ipv4"));
    EXPECT_TRUE(demo.enabledDetectorIDs.contains("hostname"));
    EXPECT_FALSE(demo.enabledDetectorIDs.contains("ipv6"));
    EXPECT_FALSE(demo.enabledDetectorIDs.contains("macAddress"));

    EXPECT_EQ(Profile::publicBlog().enabledDetectorIDs.size(), 27u);
}

TEST(Profile, PresetsTable)
{
    struct Case {
        Profile profile;
        std::string id;
        std::string name;
        bool flagRFC1918;
        RedactionStyle style;
        bool suggestChromeScrub;
    };
    const std::vector<Case> cases{
        {Profile::pentestReport(), "pentest-report", "Pentest Report", true, RedactionStyle::labeled(FillColor::black),
         false},
        {Profile::clientDemo(), "client-demo", "Client Demo", false, RedactionStyle::solid(FillColor::black), false},
        {Profile::publicBlog(), "public-blog", "Public / Blog", true, RedactionStyle::solid(FillColor::black), true},
    };
    const auto builtins = Profile::builtins();
    ASSERT_EQ(builtins.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(builtins[i], c.profile);
        EXPECT_EQ(c.profile.id, c.id);
        EXPECT_EQ(c.profile.name, c.name);
        EXPECT_EQ(c.profile.flagRFC1918, c.flagRFC1918) << c.id;
        EXPECT_EQ(c.profile.style.redactionStyle(), c.style) << c.id;
        EXPECT_EQ(c.profile.suggestChromeScrub, c.suggestChromeScrub) << c.id;
        // Private addresses are suppressed exactly when the profile does not flag them.
        const Allowlist allowlist = c.profile.allowlist({"Alice"});
        EXPECT_EQ(allowlist.userValues(), std::set<std::string>{"alice"});
        EXPECT_EQ(allowlist.suppressRFC1918(), !c.flagRFC1918) << c.id;
    }
}

TEST(Profile, StyleKindIdentifiers)
{
    EXPECT_EQ(Profile::Style::kindFromIdentifier("labeled"), Profile::Style::Kind::labeled);
    EXPECT_EQ(Profile::Style::kindFromIdentifier("solid"), Profile::Style::Kind::solid);
    EXPECT_EQ(Profile::Style::kindFromIdentifier("Labeled"), std::nullopt);
    EXPECT_EQ(Profile::Style::kindFromIdentifier("blur"), std::nullopt);
    EXPECT_EQ((Profile::Style{Profile::Style::Kind::solid, FillColor::grey}.redactionStyle()),
              RedactionStyle::solid(FillColor::grey));
}

TEST(Profile, EncodesAndDecodesEveryField)
{
    Profile custom{"mine", "Mine", {"ipv4", "email"}, false, {Profile::Style::Kind::labeled, FillColor::grey}, true};
    for (const auto& profile : {Profile::pentestReport(), Profile::clientDemo(), Profile::publicBlog(), custom}) {
        const auto decoded = Profile::decode(profile.encode());
        ASSERT_TRUE(decoded.ok()) << decoded.error();
        EXPECT_EQ(*decoded, profile);
    }
    const auto json = custom.toJson();
    EXPECT_EQ(json["style"], (nlohmann::json{{"kind", "labeled"}, {"fill", "grey"}}));
    EXPECT_EQ(json["enabledDetectorIDs"], (nlohmann::json{"email", "ipv4"}));
}

TEST(Profile, DecodingFailsOnAnyDefect)
{
    const nlohmann::json valid = Profile::clientDemo().toJson();
    struct Case {
        std::string what;
        nlohmann::json json;
        std::string message;
    };
    std::vector<Case> cases;
    for (const char* key : {"id", "name", "enabledDetectorIDs", "flagRFC1918", "style", "suggestChromeScrub"}) {
        auto json = valid;
        json.erase(key);
        cases.push_back({std::string("without ") + key, json, std::string("missing key \"") + key + "\""});
    }
    auto withKind = [&](nlohmann::json kind) {
        auto json = valid;
        json["style"]["kind"] = std::move(kind);
        return json;
    };
    auto with = [&](const char* key, nlohmann::json value) {
        auto json = valid;
        json[key] = std::move(value);
        return json;
    };
    auto withoutFill = valid;
    withoutFill["style"].erase("fill");
    auto withFill = valid;
    withFill["style"]["fill"] = "gray";
    cases.push_back({"capital kind", withKind("Labeled"), "style.kind must be"});
    cases.push_back({"numeric kind", withKind(1), "style.kind must be a string"});
    cases.push_back({"no fill", withoutFill, "missing key \"fill\" in style"});
    cases.push_back({"unknown fill", withFill, "style.fill must be"});
    cases.push_back({"text flag", with("flagRFC1918", "true"), "flagRFC1918 must be true or false"});
    cases.push_back({"ids not a list", with("enabledDetectorIDs", "ipv4"), "enabledDetectorIDs must be an array"});
    cases.push_back({"id not text", with("enabledDetectorIDs", {"ipv4", 4}), "enabledDetectorIDs[1] must be a string"});
    cases.push_back({"name not text", with("name", nullptr), "name must be a string"});
    cases.push_back({"not an object", nlohmann::json::array(), "the top level must be an object"});

    for (const auto& c : cases) {
        const auto decoded = Profile::decode(c.json.dump());
        ASSERT_FALSE(decoded.ok()) << c.what;
        EXPECT_NE(decoded.error().find(c.message), std::string::npos) << c.what << ": " << decoded.error();
    }
    EXPECT_FALSE(Profile::decode("{\"id\": ").ok());
}
