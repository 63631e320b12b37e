// The program's controller with no page: a stand-in for the page records what it is told, and
// the test drives the strip's ticks and the file checks itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/AppHost.h"
#include "display/KirunWin.h"
#include "control/KirunController.h"
#include "tests/support/FakeStrip.h"
#include "tests/support/PageHost.h"
#include "tests/support/StripRig.h"
#include "tests/support/PageChecks.h"
#include "tests/support/PageParent.h"
#include "tests/support/StdoutCapture.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"

using namespace testing_support;

namespace {

using Strings = std::vector<std::string>;

// What the page would have heard, one line each: the show's changes ("row N" for one item's row,
// "state" for any rows), the texts for the operator and the request to close.
class RecordedEvents : public ShowListener, public OperatorMessages {
public:
    void showChanged(const ShowChange& change) override {
        if (change.what != ShowChange::What::kState) return;
        log.push_back(change.position >= 0 ? "row " + std::to_string(change.position) : "state");
    }
    int showMessage(const char* text, UINT) override {
        log.push_back(std::string("message ") + text);
        return IDNO;
    }
    Strings log;
};

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() { GetCurrentDirectoryA(MAX_PATH, m_savedDirectory); }
    ~ControllerTest() override {
        if (host) host->show().removeListener(&events);
        if (host) host->stop();
        host.reset();
        SetCurrentDirectoryA(m_savedDirectory);
    }

    // Starts a controller over a settings file with these items, the strip's timers stopped.
    KirunController::StartReport Start(const Strings& texts, const StartOptions& options = {},
                                       const std::string& moreSections = "") {
        std::vector<SettingsItem> items;
        for (const std::string& text : texts) items.push_back({text, 1});
        EXPECT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText(items, "", moreSections)));
        EXPECT_TRUE(SetCurrentDirectoryA(dir.path().c_str()));
        if (host) host->show().removeListener(&events);
        host.reset();
        host = std::make_unique<AppHost>(options);
        host->attachMessages(&events);
        host->show().addListener(&events);
        host->setCloseRequested([this] { events.log.push_back("close"); });
        controller = &host->controller();
        const KirunController::StartReport report = controller->start();
        if (CKirunWin* strip = host->strips().first())
            for (UINT_PTR id : {CKirunWin::kScrollTimer, CKirunWin::kCountDownTimer, CKirunWin::kLayeredTimer})
                KillTimer(strip->Hwnd(), id);
        events.log.clear();
        return report;
    }
    // The captions on air as "index:text", in run-list order.
    Strings OnAir() const { return CaptionsOnAir(host->show()); }

    TempDir dir;
    RecordedEvents events;
    std::unique_ptr<AppHost> host;
    KirunController* controller = nullptr;  // the host's

private:
    char m_savedDirectory[MAX_PATH] = {};
};

CaptionCommand Command(CaptionCommand::Kind kind, int number, const std::string& text = "") {
    CaptionCommand command;
    command.kind = kind;
    command.number = number;
    command.text = fw::WideFromCodePage932(text);
    return command;
}

TEST_F(ControllerTest, CommandsReportTheRowsTheyChange) {
    using K = CaptionCommand;
    struct Case {
        CaptionCommand command;
        CommandResult result;
        Strings reports;
        Strings onAir;
    };
    const Case cases[] = {
        {Command(K::kShowItem, 2), CommandResult::kDone, {"row 1"}, {"1:B"}},
        {Command(K::kShowText, 0, "free\r\ntext"), CommandResult::kDone, {"state"}, {"1:B", "60001:freetext"}},
        {Command(K::kShowItem, 3), CommandResult::kNoSuchItem, {}, {"1:B", "60001:freetext"}},
        {Command(K::kHideItem, 1), CommandResult::kDone, {}, {"1:B", "60001:freetext"}},
        {Command(K::kShowItem, 1), CommandResult::kDone, {"row 0"}, {"1:B", "60001:freetext", "0:A"}},
        {Command(K::kCutIn, 0, "cut\nin"), CommandResult::kDone, {"state"}, {"1:B", "60001:freetext", "0:A", "60002:cutin"}},
        {Command(K::kEndCutIn, 0), CommandResult::kDone, {"state"}, {"1:B", "60001:freetext", "0:A"}},
        {Command(K::kClearAll, 0), CommandResult::kDone, {"row 0", "row 1", "state"}, {}},
        {Command(K::kClearAll, 0), CommandResult::kDone, {}, {}},
    };
    Start({"A", "B"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.kind * 100 + c.command.number);
        events.log.clear();
        EXPECT_EQ(c.result, controller->runCommand(c.command));
        EXPECT_EQ(c.reports, events.log);
        EXPECT_EQ(c.onAir, OnAir());
    }
}

TEST_F(ControllerTest, BatchStartPutsItsItemsOnAirOrAsksToEnd) {
    struct Case {
        std::vector<int> numbers;
        bool nothingOnAir;
        Strings onAir;
    };
    const Case cases[] = {
        {{2, 9, 2}, false, {"1:B"}},
        {{9}, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numbers.front());
        StartOptions options;
        options.batchMode = true;
        options.captionNumbers = c.numbers;
        EXPECT_EQ(c.nothingOnAir, Start({"A", "B"}, options).nothingOnAir);
        EXPECT_EQ(c.onAir, OnAir());
        EXPECT_EQ(1, controller->autoExit()) << "a batch run ends by itself";
        EXPECT_EQ(kExitNormal, controller->exitCode());
    }
    controller->endNothingOnAir();
    EXPECT_EQ(Strings{"close"}, events.log);
    EXPECT_EQ(kExitNothingOnAir, controller->exitCode());
}

TEST_F(ControllerTest, AllRolledAsksToCloseOnlyWithAutoExit) {
    for (int autoExit : {0, 1}) {
        SCOPED_TRACE(autoExit);
        Start({"A"});
        controller->setAutoExit(autoExit);
        controller->putOnAir(0);
        EXPECT_EQ(Strings{"row 0"}, events.log);
        CountDown(*host, kTenthsPerMinute);
        std::string printed;
        {
            StdoutCapture out;
            for (int tick = 0; tick < 20000 && Rolling(*host); ++tick) ScrollTick(*host);
            printed = out.text();
        }
        EXPECT_EQ(autoExit ? (Strings{"row 0", "row 0", "close"}) : (Strings{"row 0", "row 0"}), events.log);
        EXPECT_EQ(autoExit ? "ALL ROLL END\n●●CLOSE\n" : "ALL ROLL END\n", printed);
    }
}

// Commands act on the lane they name: lane 1 when none is named, except that clearing clears
// every lane; a lane the show does not hold is refused with nothing done.
TEST_F(ControllerTest, CommandsActOnTheLaneTheyName) {
    using K = CaptionCommand;
    auto OnLane = [](CaptionCommand::Kind kind, int lane, int number = 0) {
        CaptionCommand command = Command(kind, number, "text");
        command.lane = lane;
        return command;
    };
    struct Case {
        CaptionCommand command;
        CommandResult result;
        const char* onAir;  // free text and cut-in of lanes 1 and 2, then whether each is shown
    };
    const Case cases[] = {
        {OnLane(K::kShowText, K::kLaneUnnamed), CommandResult::kDone, "F--- SS"},
        {OnLane(K::kShowText, 2), CommandResult::kDone, "F-F- SS"},
        {OnLane(K::kCutIn, 3), CommandResult::kNoSuchLane, "F-F- SS"},
        {OnLane(K::kCutIn, K::kEveryLane), CommandResult::kDone, "FCFC SS"},
        {OnLane(K::kEndCutIn, 2), CommandResult::kDone, "FCF- SS"},
        {OnLane(K::kShowStrip, 2, 0), CommandResult::kDone, "FCF- S-"},
        {OnLane(K::kShowStrip, 5, 1), CommandResult::kNoSuchLane, "FCF- S-"},
        {OnLane(K::kClearAll, 1), CommandResult::kDone, "--F- S-"},
        {OnLane(K::kClearNow, 4), CommandResult::kNoSuchLane, "--F- S-"},
        {OnLane(K::kCutIn, 2), CommandResult::kDone, "--FC S-"},
        {OnLane(K::kClearNow, K::kLaneUnnamed), CommandResult::kDone, "---- S-"},
    };
    Start({"A"});
    FakeStrip lane2Strips;
    Show& show = host->show();
    ASSERT_EQ(2, show.addLane(lane2Strips));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.kind * 100 + c.command.lane);
        EXPECT_EQ(c.result, controller->runCommand(c.command));
        std::string onAir;
        for (int lane : {1, 2})
            for (CaptionId id : {caption_ids::kFreeText, caption_ids::kCutIn})
                onAir += show.captionOnAir(lane, id) ? (id == caption_ids::kCutIn ? 'C' : 'F') : '-';
        onAir += ' ';
        for (int lane : {1, 2}) onAir += show.shown(lane) ? 'S' : '-';
        EXPECT_EQ(c.onAir, onAir);
    }
    EXPECT_FALSE(lane2Strips.shown) << "the lane's strips were hidden";
    EXPECT_TRUE(show.removeLane(2));
}

TEST_F(ControllerTest, WatchedFileGoesOnAirUnderItsOwnKey) {
    const std::string news = dir.file("news.txt");
    ASSERT_TRUE(WriteFileAtMinute(news, "one", 1));
    Start({"A"}, {}, "[FILE]\r\nEXEC=1\r\nMINUTE=2\r\nPATH=" + news + "\r\n");
    auto check = [&] {
        controller->checkTextFile();
        for (int wait = 0; wait < 1000 && controller->watchedFile().reader().busy(); ++wait) {
            Sleep(10);
            controller->watchedFile().takeLook();
        }
    };
    check();
    EXPECT_TRUE(OnAir().empty()) << "the file there when watching starts is the baseline";
    ASSERT_TRUE(WriteFileAtMinute(news, "two\r\nlines", 2));
    check();
    EXPECT_EQ((Strings{"60000:twolines"}), OnAir());
    EXPECT_EQ(Strings{"state"}, events.log) << "the file's caption is no item: it names no row";
}

TEST_F(ControllerTest, SettingsMessagesGoToTheEventsNotToABox) {
    Start({"A"});
    ASSERT_TRUE(DeleteFileA(dir.file("Kirunner.ini").c_str()));
    ASSERT_TRUE(CreateDirectoryA(dir.file("Kirunner.ini").c_str(), nullptr));
    controller->addItem(CKirunData());
    ASSERT_EQ(2u, events.log.size());
    EXPECT_EQ("state", events.log[0]);
    EXPECT_EQ(0u, events.log[1].rfind("message 設定ファイルに保存できませんでした", 0)) << events.log[1];
    RemoveDirectoryA(dir.file("Kirunner.ini").c_str());
}

}  // namespace

namespace {
// Lanes added in キルン設定, items moved onto them, then a lane removed: its items go to lane 1
// and stay on air, later lanes move down one, and the file keeps only the lanes there are.
TEST_F(ControllerTest, ARemovedLanesItemsGoToLaneOneAndStayOnAir) {
    Start({"A", "B", "C"});
    const LaneLook look = controller->appearance();
    controller->setLanes({look, look, look}, {1, 0, 0}, 0);
    Show& show = host->show();
    ASSERT_EQ(3, show.laneCount());
    controller->setItemLane(1, 2);
    controller->setItemLane(2, 3);
    controller->putOnAir(1);
    controller->putOnAir(2);
    ASSERT_TRUE(show.captionOnAir(3, show.captionList().at(2).m_id));

    controller->setLanes({look, look}, {1, 3}, 0);
    EXPECT_EQ(2, show.laneCount());
    const CaptionList& items = show.captionList();
    EXPECT_EQ((std::vector<int>{1, 1, 2}), (std::vector<int>{items.at(0).m_lane, items.at(1).m_lane, items.at(2).m_lane}));
    EXPECT_TRUE(show.captionOnAir(1, items.at(1).m_id)) << "the removed lane's caption left the air";
    EXPECT_TRUE(show.captionOnAir(2, items.at(2).m_id)) << "lane 3's caption did not move down with its lane";
    const std::string saved = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, saved.find("LANECOUNT=2\r\n"));
    EXPECT_EQ(std::string::npos, saved.find("[LANE3]"));
}
}  // namespace

namespace {
// A lane's look for overlays in one line (colours 0xBBGGRR).
std::string Summary(const OverlayLook& l) {
    char line[128];
    std::snprintf(line, sizeof line, "%06x/%06x %dpx/s em%d w%d%s band%d %06x %d%% outline%d sep%x", unsigned(l.textColor),
                  unsigned(l.shadowColor), l.speedPx, l.fontPx, l.fontWeight, l.italic ? "i" : "", l.bandOn,
                  unsigned(l.bandColor), l.bandOpacity, l.outline, l.separator.empty() ? 0u : unsigned(l.separator[0]));
    return line;
}

// Each lane's look for overlays is what its strip shows; the gateway publishes a look that changed
// at once, in a new version, and no other; every entry, and the end of rolling.
TEST_F(ControllerTest, OverlayLooksAreWhatTheStripsShowAndArePublishedWithEveryEntry) {
    const struct { LaneLook (*change)(LaneLook); const char* look; } cases[] = {
        {[](auto l) { return l; }, "ffffff/000000 40px/s em12 w700 band0 000000 100% outline0 sep0"},
        {[](auto l) { return l.colorChoice = 2, l.deltaX = 1, l.sizeChoice = 1, l; },
         "78ffff/870000 20px/s em16 w700 band0 000000 100% outline0 sep0"},
        {[](auto l) { return l.colorChoice = 4, l.userTextColor = 0x01123456, l.userShadowColor = 0xFF654321, l.deltaX = 9, l; },
         "123456/654321 40px/s em12 w700 band0 000000 100% outline0 sep0"},
        {[](auto l) { return l.colorChoice = 7, l.deltaX = 4, l.speedPx = 120, l; },
         "ffffff/000000 80px/s em12 w700 band0 000000 100% outline0 sep0"},
        {[](auto l) { return l.smooth = 1, l.speedPx = 120, l.sizeChoice = 3, l.logFont.lfHeight = -16, l.logFont.lfItalic = 1, l; },
         "ffffff/000000 120px/s em16 w700i band0 000000 100% outline0 sep0"},
        {[](auto l) {
             return l.smooth = 1, l.speedPx = 2001, l.deltaX = 3, l.bandOn = 1, l.bandColor = 0x02A0B0C0, l.bandOpacity = 40,
                    l.outline = 1, l.separator = "\x81\x9f", l.lgap = 100, l;
         }, "ffffff/000000 60px/s em12 w700 band1 a0b0c0 40% outline1 sep25c6"},
    };
    Start({"A"});
    ShowGateway& gateway = host->gateway();
    gateway.start();
    const LaneLook base = controller->appearance();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.look);
        const std::shared_ptr<const ShowSnapshot> before = gateway.snapshot();
        controller->setLanes({c.change(base), base}, {1, 0}, 0);
        const OverlayLook look = controller->overlayLooks().at(0);
        EXPECT_EQ(c.look, Summary(look));
        EXPECT_EQ(fw::WideFromCodePage932(defaultCaptionFont().lfFaceName), look.fontFace);
        const RECT strip = host->strips().first()->ClientRect();
        EXPECT_EQ(std::make_pair(strip.right, strip.bottom), std::make_pair(LONG(look.stripWidth), LONG(look.stripHeight)));
        EXPECT_EQ((std::vector<OverlayLook>{look, controller->overlayLooks().at(1)}), gateway.snapshot()->looks);
        EXPECT_EQ(before->looks != gateway.snapshot()->looks, gateway.snapshot()->version > before->version);
    }
    controller->putOnAir(0);
    Lane& lane = host->show().laneOf(1);
    const unsigned long long entered = lane.entries();
    for (int moves = 0; lane.entries() == entered && moves < 100000; ++moves) lane.onScrollTick(8);
    host->queue().runAll();
    EXPECT_EQ(entered + 1, gateway.snapshot()->entries.at(0).number) << "an entry alone, no row changed with it";
    controller->takeOffAir(0);
    for (int moves = 0; lane.rolling() && moves < 100000; ++moves) lane.onScrollTick(8);
    host->queue().runAll();
    EXPECT_FALSE(gateway.snapshot()->entries.at(0).rolling);
}
}  // namespace
