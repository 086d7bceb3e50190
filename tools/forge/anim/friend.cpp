// The play screen's friend: a monkey with four frame animations (idling, looking around, and two
// bits of mischief), 124 frames packed into the atlas pages "idle.png", "look.png", "misco.png"
// and "misct.png" under img/states/playing/friend/, and their frame table "friend.ini".
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/anim/monkey.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr const char* kFolder = "states/playing/friend";
constexpr int kPageWidth = 1024;
constexpr int kPadding = 2;
constexpr int kTotalFrames = 124;

double ease(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double mixValue(double a, double b, double t) { return a + (b - a) * ease(t); }

// The frame of the monkey's hand at the end of the right arm, for things it holds.
void handPosition(const MonkeyPose& pose, double& x, double& y) {
    const double s = M_PI / 180;
    const double ex = 24 + std::sin(pose.rightShoulder * s) * 22;
    const double ey = -50 + std::cos(pose.rightShoulder * s) * 22;
    x = 80 + (ex + std::sin((pose.rightShoulder + pose.rightElbow) * s) * 20) * 0.85;
    y = 150 - pose.bob + (ey + std::cos((pose.rightShoulder + pose.rightElbow) * s) * 20) * 0.85;
}

MonkeyPose restPose() {
    MonkeyPose pose;
    pose.leftShoulder = pose.rightShoulder = 20;
    pose.leftElbow = pose.rightElbow = -25;
    return pose;
}

MonkeyPose idlePose(int frame) {
    constexpr double kBlink[] = {0.5, 1, 1, 0.5};
    MonkeyPose pose = restPose();
    const double t = frame * 2 * M_PI / 40;
    pose.bob = 1.5 * std::sin(t);
    pose.tail = 14 * std::sin(t);
    pose.headTilt = 3 * std::sin(t + 1);
    if (frame >= 30 && frame < 34) pose.blink = kBlink[frame - 30];
    return pose;
}

// Looks left with a hand shading its eyes, then right, then back at the player.
MonkeyPose lookPose(int frame) {
    MonkeyPose pose = restPose();
    if (frame < 6) pose.look = mixValue(0, -1, frame / 6.0);
    else if (frame < 12) pose.look = -1;
    else if (frame < 18) pose.look = mixValue(-1, 1, (frame - 12) / 6.0);
    else if (frame < 22) pose.look = 1;
    else pose.look = mixValue(1, 0, (frame - 22) / 5.0);
    const double raise = frame < 22 ? ease(frame / 5.0) : 1 - ease((frame - 22) / 5.0);
    pose.rightShoulder = mixValue(20, 160, raise);
    pose.rightElbow = mixValue(-25, 60, raise);
    pose.headTilt = pose.look * 7;
    pose.mouth = frame >= 14 && frame < 20 ? 2 : 0;
    pose.tail = 6 * std::sin(frame * 0.4);
    return pose;
}

// A coconut drops from above into its raised hand; it tosses it up, catches it, and flings it
// away off the right of the frame.
MonkeyPose coconutPose(int frame) {
    MonkeyPose pose = restPose();
    const double raise = frame < 22 ? ease(frame / 4.0) : 1 - ease((frame - 22) / 3.0);
    pose.rightShoulder = mixValue(20, 175, raise);
    pose.rightElbow = mixValue(-25, 0, raise);
    pose.coconut = frame < 26;
    handPosition(pose, pose.coconutX, pose.coconutY);
    pose.coconutY -= 12;
    if (frame < 4) {
        const double t = (frame + 1) / 5.0;
        pose.coconutY = -12 + (pose.coconutY + 12) * t * t;
        pose.mouth = 2;
    } else if (frame < 18) {  // the toss: up and down again over 14 frames
        const double t = (frame - 4) / 14.0;
        pose.coconutY -= 4 * t * (1 - t) * 46;
        pose.look = 0.3;
        pose.mouth = t > 0.3 && t < 0.7 ? 2 : 0;
    } else if (frame >= 22) {
        const double t = (frame - 21) / 5.0;
        pose.coconutX += t * 80;
        pose.coconutY -= 4 * t * (1 - t) * 20;
        pose.mouth = 1;
    } else if (frame >= 18) {
        pose.mouth = 1;
    }
    pose.tail = 10 * std::sin(frame * 0.45);
    return pose;
}

// A hop, then a cheerful wave at the player.
MonkeyPose wavePose(int frame) {
    MonkeyPose pose = restPose();
    if (frame < 6) pose.bob = 10 * std::sin(M_PI * frame / 6);
    const double raise = frame < 22 ? ease((frame - 3) / 4.0) : 1 - ease((frame - 22) / 5.0);
    pose.rightShoulder = mixValue(20, 150, raise);
    pose.rightElbow = mixValue(-25, 20 + 35 * std::sin(frame * 2 * M_PI / 6), raise);
    pose.mouth = 1;
    pose.tail = 25 * std::sin(frame * 2 * M_PI / 14);
    pose.headTilt = 8 * std::sin(frame * 2 * M_PI / 14);
    pose.lean = 3 * std::sin(frame * 2 * M_PI / 14);
    if (frame >= 12 && frame < 15) pose.blink = 1;
    return pose;
}

struct Animation {
    const char* name;
    int frames;
    MonkeyPose (*pose)(int);
};

constexpr Animation kAnimations[] = {
    {"idle", 40, idlePose}, {"look", 28, lookPose}, {"misco", 28, coconutPose}, {"misct", 28, wavePose},
};

struct Region {
    int x = 0, y = 0, width = 0, height = 0;
};

// Transparent columns and rows at the left and top are cut away; the game draws a region
// shifted by the frame size less the region size, which restores exactly what was cut.
Region trimmed(const RgbaImage& frame) {
    int left = frame.width;
    int top = frame.height;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            if (frame.at(x, y)[3] == 0) continue;
            left = std::min(left, x);
            top = std::min(top, y);
        }
    }
    if (left == frame.width) left = top = 0;
    return {left, top, frame.width - left, frame.height - top};
}

struct Page {
    RgbaImage image;
    std::vector<Region> regions;  // on the page
    std::string table;            // the page's section of the frame table
};

Page packPage(const Animation& animation, const std::vector<RgbaImage>& frames) {
    std::vector<Region> cuts;
    int x = kPadding, y = kPadding, rowHeight = 0;
    Page page;
    for (const RgbaImage& frame : frames) {
        const Region cut = trimmed(frame);
        if (x + cut.width + kPadding > kPageWidth) {
            x = kPadding;
            y += rowHeight + kPadding;
            rowHeight = 0;
        }
        cuts.push_back(cut);
        page.regions.push_back({x, y, cut.width, cut.height});
        x += cut.width + kPadding;
        rowHeight = std::max(rowHeight, cut.height);
    }
    const int height = (y + rowHeight + kPadding + 7) / 8 * 8;
    page.image = RgbaImage(kPageWidth, height);
    page.table = "\n[" + std::string(animation.name) + "]\nPAGE=" + animation.name + ".png\nCOUNT=" +
                 std::to_string(frames.size()) + "\n";
    for (size_t i = 0; i < frames.size(); ++i) {
        const Region& at = page.regions[i];
        paste(page.image, cropImage(frames[i], cuts[i].x, cuts[i].y, at.width, at.height), at.x, at.y);
        page.table += "FRAME_" + std::to_string(i) + "=" + std::to_string(at.x) + "," + std::to_string(at.y) + "," +
                      std::to_string(at.width) + "," + std::to_string(at.height) + "," +
                      std::to_string(kMonkeyFrame) + "," + std::to_string(kMonkeyFrame) + ",0\n";
    }
    return page;
}

// Draws each frame back from the page as the game does and compares it with the painting.
bool framesSurvivePacking(const Page& page, const std::vector<RgbaImage>& frames) {
    for (size_t i = 0; i < frames.size(); ++i) {
        const Region& at = page.regions[i];
        RgbaImage rebuilt(kMonkeyFrame, kMonkeyFrame);
        paste(rebuilt, cropImage(page.image, at.x, at.y, at.width, at.height), kMonkeyFrame - at.width,
              kMonkeyFrame - at.height);
        if (rebuilt.rgba != frames[i].rgba) return false;
    }
    return true;
}

constexpr const char* kTableHeader =
    "; The monkey on the play screen: four animations, each packed into an atlas page of the folder\n"
    "; below (under the picture folder). Every frame is a region of its page: x, y, width, height,\n"
    "; then the full frame width and height, then 1 when the region is stored turned by 90 degrees.\n"
    "; Regions are trimmed only at the left and top, so a region drawn at the frame's place moved\n"
    "; by (full width - width, full height - height) stands exactly where the full frame would.\n";

}  // namespace

FORGE_STEP(anim_friend) {
    std::string table = std::string(kTableHeader) + "FOLDER=" + kFolder + "\nFRAME_COUNT=" +
                        std::to_string(kTotalFrames) + "\nANIMATIONS=idle;look;misco;misct\n";
    int total = 0;
    for (const Animation& animation : kAnimations) {
        std::vector<RgbaImage> frames;
        for (int i = 0; i < animation.frames; ++i) frames.push_back(paintMonkey(animation.pose(i)));
        const Page page = packPage(animation, frames);
        if (!framesSurvivePacking(page, frames)) forge.fail(std::string("friend frames lost in packing: ") + animation.name);
        forge.writePng(std::string("img/") + kFolder + "/" + animation.name + ".png", page.image);
        table += page.table;
        total += animation.frames;
        std::vector<SheetEntry> strip;
        std::vector<std::string> names;
        names.reserve(frames.size());
        for (int i = 0; i < animation.frames; i += 2) {
            names.push_back(std::to_string(i));
            strip.push_back({names.back(), &frames[i]});
        }
        forge.addContactSheet(std::string("anim_friend_") + animation.name, contactSheet(strip, 10, 160));
    }
    if (total != kTotalFrames) forge.fail("the friend needs 124 frames, has " + std::to_string(total));
    forge.writeText("friend.ini", table);
}
