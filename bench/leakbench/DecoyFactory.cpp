#include "DecoyFactory.h"

#include <cstdio>
#include <vector>

namespace tarnveil::leakbench {

namespace {

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string exampleDomain(Rng& rng)
{
    static const std::vector<std::string> hosts{"www.", "api.", "docs.", "status.", "mail.", ""};
    static const std::vector<std::string> domains{"example.com", "example.org", "example.net"};
    const std::string host = rng.pick(hosts);
    return host + rng.pick(domains);
}

std::string version(Rng& rng)
{
    const int major = rng.between(1, 12);
    const int minor = rng.between(0, 30);
    const int patch = rng.between(0, 20);
    const std::string number = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
    switch (rng.below(4)) {
    case 0: return std::string("v") + number;
    case 1: return std::string("v") + number + ".1";
    case 2: return number + "-rc1";
    default: return number;
    }
}

std::string clockTime(Rng& rng)
{
    const int hours = rng.between(0, 23);
    const int minutes = rng.between(0, 59);
    if (rng.chance(40)) {
        return twoDigits(hours) + ":" + twoDigits(minutes);
    }
    const int seconds = rng.between(0, 59);
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

std::string timestamp(Rng& rng)
{
    const int day = rng.between(1, 28);
    const int hours = rng.between(0, 23);
    const int minutes = rng.between(0, 59);
    const int seconds = rng.between(0, 59);
    return "2024-03-" + twoDigits(day) + " " + twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

const std::vector<std::string> fileNames{"README.md",   "main.cpp",     "config.yaml", "docker-compose.yml",
                                         "app.log",     "notes.txt",    "index.html",  "report.pdf",
                                         "setup.py",    "Makefile.bak", "schema.sql",  "package.json",
                                         "styles.css",  "server.js",    "backup.zip",  "photo-0042.jpg"};

const std::vector<std::string> sentences{
    "Deployment finished without errors",
    "All checks passed on the main branch",
    "Nothing to commit, working tree clean",
    "Remember to rotate the staging credentials on Friday",
    "The nightly backup completed in 4 minutes",
    "Please review the migration before merging",
    "Cache warmed up, serving traffic again",
    "Meeting moved to the small room after lunch",
};

const std::vector<std::string> sharedProfiles{
    "C:\\Users\\Public\\Documents\\readme.txt", "C:\\Users\\Default\\NTUSER.DAT",
    "C:\\Users\\Public\\Desktop\\Shortcuts.lnk"};

} // namespace

std::string DecoyFactory::make(DecoyKind kind, Rng& rng)
{
    switch (kind) {
    case DecoyKind::loopbackIP: return rng.chance(80) ? "127.0.0.1" : "127.0.1.1";
    case DecoyKind::loopbackIPv6: return "::1";
    case DecoyKind::documentationIP: {
        static const std::vector<std::string> networks{"192.0.2.", "198.51.100.", "203.0.113."};
        const std::string network = rng.pick(networks);
        return network + std::to_string(rng.between(1, 254));
    }
    case DecoyKind::exampleDomain: return exampleDomain(rng);
    case DecoyKind::exampleUrl: {
        static const std::vector<std::string> paths{"/docs/setup", "/v2/users", "/status", "/help/billing"};
        const std::string domain = exampleDomain(rng);
        return "https://" + domain + rng.pick(paths);
    }
    case DecoyKind::exampleEmail: {
        static const std::vector<std::string> locals{"support", "noc", "billing", "jane.doe"};
        const std::string local = rng.pick(locals);
        return local + "@" + exampleDomain(rng);
    }
    case DecoyKind::version: return version(rng);
    case DecoyKind::clockTime: return clockTime(rng);
    case DecoyKind::timestamp: return timestamp(rng);
    case DecoyKind::fileName: return rng.pick(fileNames);
    case DecoyKind::sharedProfilePath: return rng.pick(sharedProfiles);
    case DecoyKind::prose: return rng.pick(sentences);
    }
    return {};
}

} // namespace tarnveil::leakbench
