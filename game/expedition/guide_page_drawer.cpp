#include "game/expedition/guide_page_drawer.h"

#include <vector>

#include "framework/data/localization.h"
#include "framework/ui/indented_wrap.h"
#include "framework/ui/ldv_font.h"
#include "game/expedition/field_guide.h"
#include "game/expedition/guide_pages.h"

namespace {

constexpr int kSketchColumn = 225;        // sketches are centred this far into the page
constexpr int kLowSketchY = 526;          // page type 1: text above, sketch below
constexpr int kHighSketchY = 285;         // page type 2: sketch above, text below
constexpr int kTextBelowSketch = 406;
constexpr int kSketchAloneY = 406;

constexpr float kTextGrey = 0.3f;
constexpr float kDoneGrey = 0.6f;
constexpr float kShadowGrey = 0.1f;
constexpr float kShadowAlpha = 0.25f;
constexpr int kShadowShift = 1;

constexpr int kTitleText = 8;             // "Expedition Tasks"

// The shadow pass first, then the text in its grey.
void DrawNote(LDvFont* font, const LDvString& text, int x, int y, int align, float grey) {
    font->colorA = kShadowAlpha;
    SetTextColor(font, kShadowGrey, kShadowGrey, kShadowGrey);
    DrawText(font, text, x + kShadowShift, y + kShadowShift, align, GuidePageDrawer::kTextScale);
    font->colorA = 1.0f;
    SetTextColor(font, grey, grey, grey);
    DrawText(font, text, x, y, align, GuidePageDrawer::kTextScale);
}

int ScaledLineHeight(LDvFont* font) {
    return static_cast<int>(static_cast<float>(GetLineHeight(font)) * GuidePageDrawer::kTextScale);
}

}  // namespace

void GuidePageDrawer::Draw() {
    const LDvList<GuidePage>& pages = guide.pages;
    const int left = guide.leftPage;
    if (left >= 0 && left < pages.Count()) DrawPage(pages.Get(left), kLeftPageX);
    if (left + 1 >= 0 && left + 1 < pages.Count()) DrawPage(pages.Get(left + 1), kRightPageX);
}

void GuidePageDrawer::DrawPage(const GuidePage& page, int left) {
    const LDvString text = page.header.empty() ? page.body : page.header + "\n" + page.body;
    switch (page.type) {
    case kTaskPage: DrawTasks(left); break;
    case kTextAboveSketch:
        DrawLines(text, left, kPageTop, kTextGrey);
        DrawSketch(page.sketch, left + kSketchColumn, kLowSketchY);
        break;
    case kSketchAboveText:
        DrawSketch(page.sketch, left + kSketchColumn, kHighSketchY);
        DrawLines(text, left, kTextBelowSketch, kTextGrey);
        break;
    case kTextOnly: DrawLines(text, left, kPageTop, kTextGrey); break;
    case kSketchOnly: DrawSketch(page.sketch, left + kSketchColumn, kSketchAloneY); break;
    default: break;
    }
}

void GuidePageDrawer::DrawTasks(int left) {
    guide.taskTab.Draw();
    LDvFont* font = guide.font;
    if (font == nullptr) return;
    const int lineHeight = ScaledLineHeight(font);
    DrawNote(font, GetText(kTitleText), left + kPageWidth / 2, kPageTop, kAlignCentre, kTextGrey);
    int y = kPageTop + lineHeight * 2;
    for (const LDvString& task : guide.tasks) {
        const bool done = guide.TaskDone(task);
        if (done) {
            LDvSprite& mark = guide.checkMark;
            mark.SetPosition(left, y + (lineHeight - mark.GetFrameHeight()) / 2);
            mark.Draw();
        }
        y = DrawLines(kTaskIndent + task, left, y, done ? kDoneGrey : kTextGrey);
    }
}

void GuidePageDrawer::DrawSketch(int sketch, int centreX, int centreY) {
    if (sketch < 0 || sketch >= FieldGuide::kSketches) return;
    LDvSprite& picture = guide.sketches[sketch];
    picture.SetCentre(centreX, centreY);
    picture.Draw();
}

int GuidePageDrawer::DrawLines(const LDvString& text, int left, int top, float grey) {
    LDvFont* font = guide.font;
    if (font == nullptr) return top;
    const int lineHeight = ScaledLineHeight(font);
    int y = top;
    for (const LDvString& line : WrapIndented(font, text, kPageWidth, kTextScale)) {
        if (y + lineHeight > kPageBottom) break;
        DrawNote(font, line, left, y, kAlignLeft, grey);
        y += lineHeight;
    }
    return y;
}
