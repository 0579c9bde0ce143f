#include "SceneCatalogue.h"

#include <array>
#include <string_view>

namespace tarnveil::leakbench {

namespace {

using C = DetectionCategory;
using D = DecoyKind;
using R = ColorRole;

LineTemplate mono(std::vector<Piece> pieces) { return {std::move(pieces), FontRole::mono}; }
LineTemplate ui(std::vector<Piece> pieces) { return {std::move(pieces), FontRole::ui}; }
LineTemplate bold(std::vector<Piece> pieces) { return {std::move(pieces), FontRole::uiBold}; }

LineTemplate optional(LineTemplate line)
{
    line.optional = true;
    return line;
}

LineTemplate gap(LineTemplate line)
{
    line.gapBefore = true;
    return line;
}

LineTemplate code(LineTemplate line)
{
    line.codeBlock = true;
    return line;
}

LineTemplate clipped(ClipSide side, LineTemplate line)
{
    line.clip = side;
    return line;
}

LineTemplate blank() { return mono({}); }

std::vector<LineTemplate> uiLines(std::initializer_list<std::string_view> texts, R color = R::chromeText)
{
    std::vector<LineTemplate> lines;
    for (const auto text : texts) {
        lines.push_back(ui({lit(std::string(text), color)}));
    }
    return lines;
}

// A shell prompt followed by a command.
LineTemplate shell(std::vector<Piece> command)
{
    command.insert(command.begin(), lit("deploy@build-07:~$ ", R::accent));
    return mono(std::move(command));
}

SceneDescription terminal()
{
    SceneDescription scene;
    scene.title = "deploy@build-07: ~";
    scene.body = {
        mono({lit("Last login: Tue Mar 12 "), fake(D::clockTime), lit(" from "), val(C::ipv4)}),
        shell({lit("ssh -i ~/.ssh/ops_ed25519 ops@jump-01 -J "), val(C::hostname)}),
        shell({lit("ip addr show eth0")}),
        mono({lit("    link/ether "), val(C::macAddress)}),
        mono({lit("    inet "), val(C::ipv4), lit("/24 scope global eth0")}),
        mono({lit("    inet6 "), val(C::ipv6), lit("/64 scope global dynamic")}),
        mono({lit("    inet6 "), fake(D::loopbackIPv6), lit("/128 scope host")}),
        shell({lit("ping -c 1 "), fake(D::loopbackIP)}),
        mono({lit("64 bytes from "), fake(D::loopbackIP), lit(": icmp_seq=1 ttl=64 time=0.041 ms")}),
        shell({lit("export AWS_ACCESS_KEY_ID="), val(C::awsAccessKey)}),
        shell({lit("export AWS_SECRET_ACCESS_KEY="), val(C::awsSecretKey)}),
        shell({lit("export GITHUB_TOKEN="), val(C::githubToken)}),
        shell({lit("mysql -u admin -p"), val(C::passwordInContext), lit(" orders")}),
        shell({lit("curl -s -H \"Authorization: Bearer "), val(C::authHeader, R::text, "bearer"), lit("\" "),
               fake(D::exampleUrl)}),
        shell({lit("cat ~/.ssh/id_rsa")}),
        mono({val(C::privateKey)}),
        shell({lit("ls /Users/"), val(C::macHomePath), lit("/Projects")}),
        optional(shell({lit("python3 --version")})),
        optional(mono({lit("Python "), fake(D::version)})),
        shell({lit("date")}),
        mono({lit("Tue Mar 12 "), fake(D::clockTime), lit(" UTC 2024")}),
        shell({lit("ls")}),
        mono({fake(D::fileName), lit("   "), fake(D::fileName), lit("   "), fake(D::fileName)}),
        optional(mono({fake(D::prose)})),
        shell({}),
    };
    return scene;
}

// The end of a `cat` of a key scrolled up past the window's top: the opening marker and
// perhaps a row of the body are gone, the commands after it are visible.
SceneDescription terminalKeyTop()
{
    SceneDescription scene;
    scene.title = "deploy@build-07: ~/.ssh";
    scene.body = {
        clipped(ClipSide::top, mono({val(C::privateKey)})),
        shell({lit("chmod 600 ~/.ssh/id_rsa")}),
        shell({lit("ssh -i ~/.ssh/id_rsa ops@jump-01 -J "), val(C::hostname)}),
        mono({lit("Warning: Permanently added '"), val(C::hostname), lit("' (ED25519) to the list of known hosts.")}),
        mono({lit("Last login: Tue Mar 12 "), fake(D::clockTime), lit(" from "), val(C::ipv4)}),
        shell({lit("export SLACK_BOT_TOKEN="), val(C::slackToken)}),
        shell({lit("env | grep AWS")}),
        mono({lit("AWS_ACCESS_KEY_ID="), val(C::awsAccessKey)}),
        mono({lit("AWS_SECRET_ACCESS_KEY="), val(C::awsSecretKey)}),
        optional(shell({lit("uptime")})),
        optional(mono({lit(" "), fake(D::clockTime), lit(" up 41 days,  3 users,  load average: 0.08, 0.11, 0.09")})),
        shell({}),
    };
    return scene;
}

SceneDescription browser()
{
    SceneDescription scene;
    scene.title = "Account settings - Northwind Portal";
    scene.tabs = {"Account settings", "Inbox (3)", "Grafana - Hosts"};
    scene.addressBar = ui({lit("https://"), val(C::hostname), lit("/account/verify?token="),
                           val(C::sensitiveURLParam), lit("&lang=en")});
    scene.sidebar = uiLines({"Profile", "Security", "Billing", "API keys", "Sessions", "Notifications"});
    scene.body = {
        bold({lit("Account")}),
        ui({at(0, lit("Signed in as", R::dim)), at(1, val(C::email))}),
        ui({at(0, lit("Customer ID", R::dim)), at(1, val(C::uuid))}),
        ui({at(0, lit("Phone", R::dim)), at(1, val(C::phoneE164))}),
        gap(bold({lit("Billing")})),
        ui({at(0, lit("IBAN", R::dim)), at(1, val(C::iban))}),
        ui({at(0, lit("Card on file", R::dim)), at(1, val(C::creditCard))}),
        gap(bold({lit("API keys")})),
        ui({at(0, lit("Live secret key", R::dim)), at(1, val(C::stripeKey))}),
        ui({at(0, lit("Maps key", R::dim)), at(1, val(C::googleAPIKey))}),
        ui({at(0, lit("Integration token", R::dim)), at(1, val(C::jwt))}),
        gap(ui({lit("Documentation: "), fake(D::exampleUrl, R::accent)})),
        ui({lit("Support: "), fake(D::exampleEmail, R::accent)}),
        ui({lit("Status page updated at "), fake(D::clockTime)}),
        optional(ui({lit("Portal "), fake(D::version)})),
        optional(ui({fake(D::prose, R::dim)})),
    };
    return scene;
}

std::vector<LineTemplate> fileTree()
{
    return {
        bold({lit("EXPLORER", R::chromeText)}),
        ui({lit("src", R::chromeText)}),
        ui({fake(D::fileName, R::chromeText)}),
        ui({fake(D::fileName, R::chromeText)}),
        ui({fake(D::fileName, R::chromeText)}),
        ui({lit("deploy", R::chromeText)}),
        ui({fake(D::fileName, R::chromeText)}),
    };
}

LineTemplate envLine(std::string key, Piece value) { return mono({lit(std::move(key), R::keyword), value}); }

SceneDescription editorEnv()
{
    SceneDescription scene;
    scene.title = ".env - orders-api - Code";
    scene.tabs = {".env", "main.cpp"};
    scene.sidebar = fileTree();
    scene.lineNumbers = true;
    const auto S = R::string;
    scene.body = {
        mono({lit("# Local development settings - do not commit", R::dim)}),
        envLine("APP_VERSION=", fake(D::version, S)),
        envLine("DATABASE_URL=", val(C::connectionString, S)),
        envLine("DB_PASSWORD=", val(C::passwordInContext, S)),
        envLine("REDIS_HOST=", fake(D::loopbackIP, S)),
        envLine("AWS_ACCESS_KEY_ID=", val(C::awsAccessKey, S)),
        envLine("AWS_SECRET_ACCESS_KEY=", val(C::awsSecretKey, S)),
        envLine("STRIPE_SECRET_KEY=", val(C::stripeKey, S)),
        envLine("OPENAI_API_KEY=", val(C::apiKey, S)),
        envLine("SLACK_BOT_TOKEN=", val(C::slackToken, S)),
        envLine("GITHUB_TOKEN=", val(C::githubToken, S)),
        envLine("SESSION_TOKEN=", val(C::jwt, S)),
        envLine("LOG_FILE=", fake(D::fileName, S)),
        envLine("PUBLIC_URL=", fake(D::exampleUrl, S)),
        optional(mono({lit("# "), fake(D::prose, R::dim)})),
    };
    return scene;
}

SceneDescription editorYaml()
{
    SceneDescription scene;
    scene.title = "values.yaml - orders-api - Code";
    scene.tabs = {"values.yaml", "Chart.yaml"};
    scene.sidebar = fileTree();
    scene.lineNumbers = true;
    const auto K = R::keyword;
    const auto S = R::string;
    scene.body = {
        mono({lit("# deploy/values.yaml", R::dim)}),
        mono({lit("service:", K)}),
        mono({lit("  name: ", K), lit("orders-api", S)}),
        mono({lit("  version: ", K), fake(D::version, S)}),
        mono({lit("database:", K)}),
        mono({lit("  host: ", K), val(C::hostname, S)}),
        mono({lit("  user: ", K), lit("app", S)}),
        mono({lit("  password: ", K), val(C::passwordInContext, S)}),
        mono({lit("  url: ", K), val(C::connectionString, S)}),
        mono({lit("aws:", K)}),
        mono({lit("  access_key_id: ", K), val(C::awsAccessKey, S)}),
        mono({lit("  secret_access_key: ", K), val(C::awsSecretKey, S)}),
        mono({lit("  region: ", K), lit("eu-central-1", S)}),
        mono({lit("maps:", K)}),
        mono({lit("  api_key: ", K), val(C::googleAPIKey, S)}),
        mono({lit("docs: ", K), fake(D::exampleUrl, S)}),
        mono({lit("backup_at: ", K), lit("\"", S), fake(D::clockTime, S), lit("\"", S)}),
    };
    return scene;
}

LineTemplate jsonMember(std::string key, Piece value, bool last = false)
{
    return mono({lit("  \"" + key + "\"", R::keyword), lit(": \""), value, lit(last ? "\"" : "\",")});
}

SceneDescription editorJson()
{
    SceneDescription scene;
    scene.title = "settings.json - orders-api - Code";
    scene.tabs = {"settings.json", "package.json"};
    scene.sidebar = fileTree();
    scene.lineNumbers = true;
    const auto S = R::string;
    scene.body = {
        mono({lit("{")}),
        jsonMember("tenantId", val(C::uuid, S)),
        jsonMember("admin", val(C::email, S)),
        jsonMember("stripeKey", val(C::stripeKey, S)),
        jsonMember("mapsKey", val(C::googleAPIKey, S)),
        jsonMember("slackToken", val(C::slackToken, S)),
        jsonMember("openaiKey", val(C::apiKey, S)),
        jsonMember("aws_secret_access_key", val(C::awsSecretKey, S)),
        jsonMember("build", fake(D::version, S)),
        jsonMember("homepage", fake(D::exampleUrl, S)),
        jsonMember("logFile", fake(D::fileName, S), true),
        mono({lit("}")}),
    };
    return scene;
}

// A chat message header: the author in bold and the time.
LineTemplate author() { return gap(bold({person(R::accent), lit("   "), fake(D::clockTime, R::dim)})); }

SceneDescription chat()
{
    SceneDescription scene;
    scene.title = "#incident-4127 - Team Chat";
    scene.sidebar = {
        bold({lit("Channels", R::chromeText)}), ui({lit("# general", R::chromeText)}),
        ui({lit("# deploys", R::chromeText)}),  ui({lit("# incident-4127", R::chromeText)}),
        ui({lit("# random", R::chromeText)}),   bold({lit("Direct messages", R::chromeText)}),
        ui({person(R::chromeText)}),            ui({person(R::chromeText)}),
    };
    scene.body = {
        author(),
        ui({lit("staging db is "), val(C::connectionString)}),
        author(),
        ui({lit("use my key for now: "), val(C::apiKey)}),
        ui({lit("and the bot token "), val(C::slackToken)}),
        author(),
        ui({lit("wire it to "), val(C::iban), lit(" before Friday")}),
        ui({lit("card for the vendor: "), val(C::creditCard)}),
        author(),
        ui({lit("call me at "), val(C::phoneE164), lit(" or mail "), val(C::email)}),
        author(),
        ui({lit("CI token: "), val(C::githubToken)}),
        ui({lit("preview JWT "), val(C::jwt)}),
        ui({lit("the export is on "), val(C::uncPath)}),
        author(),
        ui({lit("here is the deploy key:")}),
        code(mono({val(C::privateKey)})),
        author(),
        ui({lit("docs: "), fake(D::exampleUrl, R::accent), lit(" and the test box "), fake(D::documentationIP)}),
        optional(ui({fake(D::prose)})),
    };
    return scene;
}

// A message author row beside a round avatar.
LineTemplate avatarAuthor()
{
    LineTemplate line = author();
    line.avatar = true;
    return line;
}

SceneDescription avatarChat()
{
    SceneDescription scene;
    scene.title = "#platform-oncall - Northwind - Chat";
    scene.avatars = true;
    scene.lineSpacing = 1.55;
    scene.sidebar = {
        bold({lit("Northwind", R::chromeText)}),  ui({lit("# general", R::chromeText)}),
        ui({lit("# platform-oncall", R::chromeText)}), ui({lit("# releases", R::chromeText)}),
        bold({lit("Direct messages", R::chromeText)}), ui({person(R::chromeText)}),
        ui({person(R::chromeText)}),
    };
    const auto E = R::error;
    scene.body = {
        avatarAuthor(),
        ui({lit("the new CI token is "), inlineCode(val(C::githubToken, E)), lit(", the old one is revoked")}),
        ui({lit("staging db: "), inlineCode(val(C::connectionString, E))}),
        avatarAuthor(),
        ui({lit("run "), inlineCode(lit("export STRIPE_KEY=", E)), inlineCode(val(C::stripeKey, E)),
            lit(" before the billing tests")}),
        optional(ui({lit("works on "), inlineCode(fake(D::version, E)), lit(" too")})),
        avatarAuthor(),
        ui({lit("bot token "), inlineCode(val(C::slackToken, E)), lit(" (only #alerts)")}),
        ui({lit("and the LLM gateway key "), inlineCode(val(C::apiKey, E))}),
        avatarAuthor(),
        ui({lit("host "), inlineCode(val(C::hostname, E)), lit(" answers on "), inlineCode(val(C::ipv4, E))}),
        ui({lit("AWS "), inlineCode(val(C::awsAccessKey, E)), lit(" / "), inlineCode(lit("aws_secret=", E)),
            inlineCode(val(C::awsSecretKey, E))}),
        avatarAuthor(),
        ui({lit("login response had "), inlineCode(val(C::jwt, E))}),
        ui({lit("ping me at "), val(C::email), lit(" or "), val(C::phoneE164)}),
        avatarAuthor(),
        ui({lit("maps key for the demo:")}),
        code(mono({lit("MAPS_KEY="), val(C::googleAPIKey)})),
        avatarAuthor(),
        ui({lit("docs: "), fake(D::exampleUrl, R::accent), lit(" - status at "), inlineCode(fake(D::clockTime, E))}),
        optional(ui({fake(D::prose)})),
    };
    return scene;
}

SceneDescription adminTable(int variant)
{
    SceneDescription scene;
    scene.table = true;
    scene.minRows = 5;
    scene.maxRows = 8;
    scene.lineSpacing = 2.0;
    scene.sidebar = uiLines({"Dashboard", "Hosts", "Assets", "Accounts", "Audit log", "Settings"});
    const auto headers = [](std::initializer_list<std::string_view> names) {
        std::vector<Piece> pieces;
        int column = 0;
        for (const auto name : names) {
            pieces.push_back(at(column++, lit(std::string(name))));
        }
        return bold(std::move(pieces));
    };
    if (variant == 0) {
        scene.title = "Hosts - Fleet Admin";
        scene.searchText = "Search hosts";
        scene.header = {headers({"Host", "Address", "MAC", "Owner", "Last seen"})};
        scene.body = {
            ui({at(0, val(C::hostname)), at(1, val(C::ipv4)), at(2, val(C::macAddress)), at(3, val(C::email)),
                at(4, fake(D::clockTime, R::dim))}),
        };
        scene.body.push_back(ui({at(0, fake(D::exampleDomain)), at(1, fake(D::documentationIP)), at(2, lit("-")),
                                 at(3, fake(D::exampleEmail)), at(4, fake(D::clockTime, R::dim))}));
    } else if (variant == 1) {
        scene.title = "Assets - Fleet Admin";
        scene.searchText = "Filter assets";
        scene.header = {headers({"Asset ID", "IPv6 address", "Host", "Updated"})};
        scene.body = {
            ui({at(0, val(C::uuid)), at(1, val(C::ipv6)), at(2, val(C::hostname)), at(3, fake(D::clockTime, R::dim))}),
        };
        scene.body.push_back(ui({at(0, lit("-")), at(1, fake(D::loopbackIPv6)), at(2, fake(D::exampleDomain)),
                                 at(3, fake(D::clockTime, R::dim))}));
    } else if (variant == 3) {
        // Tokens in bordered cells, the borders a few pixels from the text.
        scene.title = "API tokens - Fleet Admin";
        scene.searchText = "Filter tokens";
        scene.grid = true;
        scene.lineSpacing = 1.6;
        scene.minRows = 1;
        scene.maxRows = 2;
        scene.header = {headers({"Name", "Token", "Owner", "Created"})};
        const auto token = [](const char* name, DetectionCategory category) {
            return ui({at(0, lit(name)), at(1, monospace(val(category))), at(2, val(C::email)),
                       at(3, fake(D::timestamp, R::dim))});
        };
        scene.body = {
            token("ci-runner", C::githubToken),   token("billing-sync", C::stripeKey),
            token("alerts-bot", C::slackToken),   token("llm-gateway", C::apiKey),
            token("backup-agent", C::awsAccessKey),
        };
        scene.body.push_back(ui({at(0, lit("docs-preview")), at(1, lit("revoked", R::dim)),
                                 at(2, fake(D::exampleEmail)), at(3, fake(D::timestamp, R::dim))}));
    } else {
        scene.title = "Accounts - Fleet Admin";
        scene.searchText = "Search accounts";
        scene.header = {headers({"Account", "SID", "NT hash", "Last logon"})};
        scene.body = {
            ui({at(0, person()), at(1, val(C::windowsSID)), at(2, val(C::hashBlob, R::text, "hex32")),
                at(3, fake(D::clockTime, R::dim))}),
        };
    }
    return scene;
}

// A log line: time stamp, level and message.
LineTemplate logLine(std::string_view level, std::vector<Piece> message)
{
    const R color = level == "WARN" ? R::warning : level == "ERROR" ? R::error : level == "DEBUG" ? R::dim : R::success;
    std::string padded(level);
    padded.resize(6, ' ');
    message.insert(message.begin(), lit(padded, color));
    message.insert(message.begin(), lit(" "));
    message.insert(message.begin(), fake(D::timestamp, R::dim));
    return mono(std::move(message));
}

SceneDescription logViewer()
{
    SceneDescription scene;
    scene.title = "orders-api.log - Log Viewer";
    scene.searchText = "level >= DEBUG";
    scene.lineSpacing = 1.45;
    scene.body = {
        logLine("INFO", {lit("orders-api "), fake(D::version), lit(" started")}),
        logLine("INFO", {lit("listening on "), fake(D::loopbackIP), lit(":8080")}),
        logLine("INFO", {lit("accepted connection from "), val(C::ipv4)}),
        logLine("INFO", {lit("user "), val(C::email), lit(" signed in, session "), val(C::uuid)}),
        logLine("DEBUG", {lit("GET /api/v2/orders?api_key="), val(C::sensitiveURLParam), lit(" 200 18ms")}),
        logLine("DEBUG", {lit("upstream header Authorization: Basic "), val(C::authHeader, R::text, "basic")}),
        logLine("WARN", {lit("retrying "), val(C::connectionString)}),
        logLine("WARN", {lit("login failed password="), val(C::passwordInContext)}),
        logLine("INFO", {lit("peer "), val(C::ipv6), lit(" joined")}),
        logLine("ERROR", {lit("token rejected: "), val(C::jwt)}),
        logLine("INFO", {lit("health check from "), fake(D::documentationIP), lit(" ok")}),
        logLine("INFO", {lit("dumped "), val(C::hashBlob, R::text, "dump")}),
        logLine("INFO", {lit("sha1 hash: "), val(C::hashBlob, R::text, "hex40")}),
        logLine("INFO", {lit("artifact sha256 "), val(C::hashBlob, R::text, "hex64")}),
        logLine("INFO", {lit("backup agent copied /Users/"), val(C::macHomePath), lit("/Documents")}),
        logLine("INFO", {lit("dhcp lease for "), val(C::macAddress)}),
        logLine("DEBUG", {lit("rotated "), fake(D::fileName)}),
        optional(logLine("INFO", {fake(D::prose)})),
    };
    return scene;
}

SceneDescription windowsPaths()
{
    SceneDescription scene;
    scene.title = "Windows PowerShell";
    const auto A = R::accent;
    scene.body = {
        mono({lit("PS C:\\Users\\", A), val(C::windowsProfilePath, A),
              lit("\\Projects> Get-ChildItem -Recurse -Filter *.log", A)}),
        mono({lit("    Directory: C:\\Users\\"), val(C::windowsProfilePath), lit("\\AppData\\Local\\Temp")}),
        mono({lit("Mode                 LastWriteTime         Length Name")}),
        mono({lit("----                 -------------         ------ ----")}),
        mono({lit("-a----        12/03/2024     "), fake(D::clockTime), lit("          18204 "), fake(D::fileName)}),
        mono({lit("-a----        11/03/2024     "), fake(D::clockTime), lit("           2210 "), fake(D::fileName)}),
        mono({lit("C:\\Users\\"), val(C::windowsProfilePath), lit("\\Documents\\budget-2024.xlsx")}),
        mono({lit("C:\\Users\\"), val(C::windowsProfilePath), lit("\\Desktop\\notes.txt")}),
        mono({fake(D::sharedProfilePath)}),
        mono({lit("PS> net use", A)}),
        mono({lit("OK           Z:        "), val(C::uncPath), lit("   Microsoft Windows Network")}),
        mono({lit("PS> Get-Acl | Format-List Owner, Sid", A)}),
        mono({lit("Owner  : NORTHWIND\\"), lit("backup-svc")}),
        mono({lit("Sid    : "), val(C::windowsSID)}),
        mono({lit("C:\\Program Files\\Northwind\\Agent\\agent.exe")}),
        optional(mono({fake(D::sharedProfilePath)})),
        mono({lit("PS C:\\Users\\", A), val(C::windowsProfilePath, A), lit("\\Desktop> ", A)}),
    };
    return scene;
}

// A PowerShell prompt in a folder of the user's profile, then a command in the line editor's
// colours: the command yellow, the rest plain.
LineTemplate psPrompt(std::string_view folder, std::string command, std::vector<Piece> rest = {})
{
    std::string end(1, '\\');
    end.append(folder).append("> ");
    std::vector<Piece> pieces{lit("PS C:\\Users\\"), again(val(C::windowsProfilePath)), lit(std::move(end))};
    if (!command.empty()) {
        pieces.push_back(lit(std::move(command), R::keyword));
    }
    for (auto& piece : rest) {
        pieces.push_back(std::move(piece));
    }
    return mono(std::move(pieces));
}

// A PowerShell prompt outside the user's profile.
LineTemplate workPrompt(std::string command, std::vector<Piece> rest = {})
{
    std::vector<Piece> pieces{lit("PS C:\\src\\orders-api> "), lit(std::move(command), R::keyword)};
    for (auto& piece : rest) {
        pieces.push_back(std::move(piece));
    }
    return mono(std::move(pieces));
}

LineTemplate envAssignment(std::string_view name, DetectionCategory category)
{
    std::string variable = "$env:";
    variable.append(name);
    return workPrompt(std::move(variable), {lit(" = "), lit("\"", R::string), val(category, R::string), lit("\"", R::string)});
}

SceneDescription powershellSession()
{
    SceneDescription scene;
    scene.title = "Windows PowerShell";
    scene.windowsChrome = true;
    const auto D_ = R::dim;
    scene.body = {
        mono({lit("Windows PowerShell")}),
        mono({lit("Copyright (C) Microsoft Corporation. All rights reserved.")}),
        blank(),
        psPrompt("source", "whoami", {lit(" /user", D_)}),
        blank(),
        mono({lit("USER INFORMATION")}),
        mono({lit("----------------")}),
        blank(),
        mono({lit("User Name           SID")}),
        mono({lit("=================== ==============================================")}),
        mono({lit("northwind\\ops-admin "), val(C::windowsSID)}),
        blank(),
        psPrompt("source", "Set-Location", {lit(" C:\\src\\orders-api")}),
        envAssignment("OPENAI_API_KEY", C::apiKey),
        envAssignment("AWS_ACCESS_KEY_ID", C::awsAccessKey),
        envAssignment("AWS_SECRET_ACCESS_KEY", C::awsSecretKey),
        envAssignment("GOOGLE_MAPS_KEY", C::googleAPIKey),
        workPrompt("Get-ChildItem", {lit(" -Path ", D_), lit("C:\\Users\\"), again(val(C::windowsProfilePath)),
                                             lit("\\Downloads")}),
        blank(),
        mono({lit("    Directory: C:\\Users\\"), again(val(C::windowsProfilePath)), lit("\\Downloads")}),
        blank(),
        mono({lit("Mode                 LastWriteTime         Length Name")}),
        mono({lit("----                 -------------         ------ ----")}),
        mono({lit("-a----        12/03/2024     "), fake(D::clockTime), lit("          18204 "), fake(D::fileName)}),
        mono({lit("-a----        11/03/2024     "), fake(D::clockTime), lit("         402113 "), fake(D::fileName)}),
        blank(),
        workPrompt("Resolve-DnsName", {lit(" "), val(C::hostname)}),
        blank(),
        mono({lit("Name                                   Type   TTL   Section    IPAddress")}),
        mono({lit("----                                   ----   ---   -------    ---------")}),
        mono({again(val(C::hostname)), lit("   A      300   Answer     "), val(C::ipv4)}),
        blank(),
        workPrompt("Get-NetAdapter", {lit(" | "), lit("Select-Object", R::keyword), lit(" Name, MacAddress")}),
        blank(),
        mono({lit("Name      MacAddress")}),
        mono({lit("----      ----------")}),
        mono({lit("Ethernet  "), val(C::macAddress, R::text, "windows")}),
        blank(),
        mono({lit("PS C:\\src\\orders-api> ")}),
    };
    return scene;
}

// A capture that ends inside a key printed by Get-Content: the closing marker and perhaps
// a row of the body lie below the window's bottom edge.
SceneDescription powershellKeyBottom()
{
    SceneDescription scene;
    scene.title = "Windows PowerShell";
    scene.windowsChrome = true;
    scene.body = {
        psPrompt(".ssh", "Get-ChildItem"),
        blank(),
        mono({lit("    Directory: C:\\Users\\"), again(val(C::windowsProfilePath)), lit("\\.ssh")}),
        blank(),
        mono({lit("Mode                 LastWriteTime         Length Name")}),
        mono({lit("----                 -------------         ------ ----")}),
        mono({lit("-a----        12/03/2024     "), fake(D::clockTime), lit("           2610 id_rsa")}),
        mono({lit("-a----        12/03/2024     "), fake(D::clockTime), lit("            412 known_hosts")}),
        blank(),
        psPrompt(".ssh", "Test-NetConnection", {lit(" "), val(C::hostname), lit(" -Port 22")}),
        mono({lit("RemoteAddress    : "), val(C::ipv4)}),
        mono({lit("TcpTestSucceeded : True")}),
        psPrompt(".ssh", "Get-Content", {lit(" .\\id_rsa")}),
        clipped(ClipSide::bottom, mono({val(C::privateKey)})),
    };
    return scene;
}

// An `ipconfig /all` field: the label padded with dot leaders, then the value.
LineTemplate ipconfigField(std::string label, std::vector<Piece> value)
{
    std::string leader = "   " + label;
    while (leader.size() < 37) {
        leader += leader.size() % 2 == 0 ? ' ' : '.';
    }
    value.insert(value.begin(), lit(leader + ": "));
    return mono(std::move(value));
}

SceneDescription cmdSession()
{
    SceneDescription scene;
    scene.title = "Command Prompt";
    scene.windowsChrome = true;
    scene.body = {
        mono({lit("Microsoft Windows [Version 10.0.19045.4046]")}),
        mono({lit("(c) Microsoft Corporation. All rights reserved.")}),
        blank(),
        mono({lit("C:\\>set")}),
        mono({lit("ALLUSERSPROFILE=C:\\ProgramData")}),
        mono({lit("APPDATA=C:\\Users\\"), again(val(C::windowsProfilePath)), lit("\\AppData\\Roaming")}),
        mono({lit("COMPUTERNAME=WS-0142")}),
        mono({lit("DATABASE_URL="), val(C::connectionString)}),
        mono({lit("DB_PASSWORD="), val(C::passwordInContext)}),
        mono({lit("GITHUB_TOKEN="), val(C::githubToken)}),
        mono({lit("NUMBER_OF_PROCESSORS=8")}),
        mono({lit("STRIPE_API_KEY="), val(C::stripeKey)}),
        mono({lit("USERDOMAIN=NORTHWIND")}),
        mono({lit("USERPROFILE=C:\\Users\\"), again(val(C::windowsProfilePath))}),
        blank(),
        mono({lit("C:\\>net use Z: "), val(C::uncPath, R::text, "share"), lit(" /persistent:yes")}),
        mono({lit("The command completed successfully.")}),
        blank(),
        mono({lit("C:\\>ipconfig /all")}),
        blank(),
        mono({lit("Windows IP Configuration")}),
        blank(),
        ipconfigField("Host Name", {lit("WS-0142")}),
        ipconfigField("Primary Dns Suffix", {val(C::hostname)}),
        blank(),
        mono({lit("Ethernet adapter Ethernet:")}),
        blank(),
        ipconfigField("Description", {lit("Intel(R) Ethernet Connection (7) I219-V")}),
        ipconfigField("Physical Address", {val(C::macAddress, R::text, "windows")}),
        ipconfigField("DHCP Enabled", {lit("Yes")}),
        ipconfigField("IPv6 Address", {val(C::ipv6), lit("(Preferred)")}),
        ipconfigField("IPv4 Address", {val(C::ipv4), lit("(Preferred)")}),
        ipconfigField("Lease Obtained", {lit("Tuesday, 12 March 2024 "), fake(D::clockTime)}),
        ipconfigField("Default Gateway", {val(C::ipv4)}),
        ipconfigField("DHCP Server", {val(C::ipv4)}),
        ipconfigField("DNS Servers", {val(C::ipv4)}),
        blank(),
        mono({lit("C:\\>")}),
    };
    return scene;
}

} // namespace

int SceneCatalogue::variantCount(SceneKind kind)
{
    switch (kind) {
    case SceneKind::terminal:
    case SceneKind::powershell: return 2;
    case SceneKind::editor: return 3;
    case SceneKind::adminTable: return 4;
    default: return 1;
    }
}

std::string SceneCatalogue::variantName(SceneKind kind, int variant)
{
    static constexpr std::array<std::string_view, 2> terminals{"session", "key-top"};
    static constexpr std::array<std::string_view, 3> editorFiles{"env", "yaml", "json"};
    static constexpr std::array<std::string_view, 4> tables{"hosts", "assets", "accounts", "tokens"};
    static constexpr std::array<std::string_view, 2> consoles{"session", "key-bottom"};
    const auto index = static_cast<std::size_t>(variant);
    switch (kind) {
    case SceneKind::terminal: return std::string(terminals.at(index));
    case SceneKind::editor: return std::string(editorFiles.at(index));
    case SceneKind::adminTable: return std::string(tables.at(index));
    case SceneKind::powershell: return std::string(consoles.at(index));
    default: return {};
    }
}

SceneDescription SceneCatalogue::describe(SceneKind kind, int variant)
{
    switch (kind) {
    case SceneKind::terminal: return variant == 0 ? terminal() : terminalKeyTop();
    case SceneKind::browser: return browser();
    case SceneKind::editor: return variant == 0 ? editorEnv() : variant == 1 ? editorYaml() : editorJson();
    case SceneKind::chat: return chat();
    case SceneKind::adminTable: return adminTable(variant);
    case SceneKind::logViewer: return logViewer();
    case SceneKind::windowsPaths: return windowsPaths();
    case SceneKind::avatarChat: return avatarChat();
    case SceneKind::powershell: return variant == 0 ? powershellSession() : powershellKeyBottom();
    case SceneKind::cmd: return cmdSession();
    }
    return terminal();
}

} // namespace tarnveil::leakbench
