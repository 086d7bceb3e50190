// The scene functions that move, show and read sections and their pictures.
#include "game/scenes/scene.h"
#include "game/scenes/script_api_functions.h"
#include "game/scenes/script_api_target.h"

namespace script_api {

namespace {

constexpr float kPercent = 100.0f;
constexpr int32_t kBlendNormal = 0;
constexpr int32_t kBlendAdditive = 1;

LDvSprite* PictureOf(const LDvString& id) {
    Section* section = ScriptPictureSection(id);
    return section != nullptr ? section->picture.get() : nullptr;
}

void MoveBoth(const LDvString& id, float dx, float dy) {
    Section* section = ScriptPictureSection(id);
    if (section == nullptr) return;
    section->picture->x += dx;
    section->picture->y += dy;
    section->maskX += dx;
    section->maskY += dy;
}

// Scripts see positions as whole pixels, cut toward zero.
int Whole(float value) { return static_cast<int>(value); }

}  // namespace

void Print(LDvString text) {
    if (Scene* scene = ScriptScene(); scene != nullptr && !text.empty()) scene->PrintSceneText(text);
}

void Rotate(LDvString id, float angle) {
    if (LDvSprite* picture = PictureOf(id)) picture->angle += angle;
}

void Move(LDvString id, int x, int y) { MoveBoth(id, static_cast<float>(x), static_cast<float>(y)); }

void MoveF(LDvString id, float x, float y) { MoveBoth(id, x, y); }

int SetPos(LDvString id, int x, int y) {
    Section* section = ScriptPictureSection(id);
    if (section == nullptr) return 0;
    section->picture->SetPosition(x, y);
    section->maskX = static_cast<float>(x);
    section->maskY = static_cast<float>(y);
    return 0;
}

// The hit zone keeps the point itself as its corner: scripts written for the game rely on it.
int SetPosCenter(LDvString id, int x, int y) {
    Section* section = ScriptPictureSection(id);
    if (section == nullptr) return 0;
    LDvSprite& picture = *section->picture;
    picture.x = static_cast<float>(x - picture.GetFrameWidth() / 2);
    picture.y = static_cast<float>(y - picture.GetFrameHeight() / 2);
    section->maskX = static_cast<float>(x);
    section->maskY = static_cast<float>(y);
    return 0;
}

int GetXPos(LDvString id) {
    LDvSprite* picture = PictureOf(id);
    return picture != nullptr ? Whole(picture->x) : 0;
}

int GetYPos(LDvString id) {
    LDvSprite* picture = PictureOf(id);
    return picture != nullptr ? Whole(picture->y) : 0;
}

int GetXPosCenter(LDvString id) {
    LDvSprite* picture = PictureOf(id);
    return picture != nullptr ? Whole(picture->x + static_cast<float>(picture->GetFrameWidth() / 2)) : 0;
}

int GetYPosCenter(LDvString id) {
    LDvSprite* picture = PictureOf(id);
    return picture != nullptr ? Whole(picture->y + static_cast<float>(picture->GetFrameHeight() / 2)) : 0;
}

int GetHitzoneXCenter(LDvString id) {
    const Section* section = ScriptSection(id);
    return section != nullptr ? Whole(section->maskX + static_cast<float>(section->maskWidth / 2)) : 0;
}

int GetHitzoneYCenter(LDvString id) {
    const Section* section = ScriptSection(id);
    return section != nullptr ? Whole(section->maskY + static_cast<float>(section->maskHeight / 2)) : 0;
}

void SetOpacity(LDvString id, int percent) {
    if (LDvSprite* picture = PictureOf(id)) picture->opacity = static_cast<float>(percent) / kPercent;
}

void SetZoom(LDvString id, float zoom) {
    if (LDvSprite* picture = PictureOf(id)) picture->zoom = zoom;
}

void FadeOut(LDvString id) {
    if (Section* section = ScriptSection(id)) section->fadingOut = true;
}

void FadeIn(LDvString id) {
    if (Section* section = ScriptSection(id)) section->fadingIn = true;
}

void Activate(LDvString id, bool active) {
    if (Section* section = ScriptSection(id, true)) section->active = active;
}

bool IsActive(LDvString id) {
    const Section* section = ScriptSection(id, true);
    return section != nullptr && section->active;
}

void Hide(LDvString id) {
    if (LDvSprite* picture = PictureOf(id)) picture->Hide();
}

void Show(LDvString id) {
    if (LDvSprite* picture = PictureOf(id)) picture->Show();
}

void TurnAdditiveON(LDvString id, bool on) {
    if (LDvSprite* picture = PictureOf(id)) picture->blendMode = on ? kBlendAdditive : kBlendNormal;
}

void Top(LDvString id) {
    if (Section* section = ScriptSection(id)) {
        section->drawTop = true;
        section->drawMiddle = false;
    }
}

void Middle(LDvString id) {
    if (Section* section = ScriptSection(id)) {
        section->drawMiddle = true;
        section->drawTop = false;
    }
}

}  // namespace script_api
