#include "tools/forge/anim/spine_preview.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/style.h"

namespace {

constexpr double kDegrees = 0.017453292;

const std::vector<std::string> kBoneKeys = {"parent", "length", "x", "y", "rotation", "scaleX", "scaleY"};
const std::vector<std::string> kSlotKeys = {"bone", "attachment"};
const std::vector<std::string> kImageKeys = {"x", "y", "scaleX", "scaleY", "width", "height", "rotation"};
const std::vector<std::string> kPairKeys = {"x", "y", "curve"};
const std::vector<std::string> kAngleKeys = {"angle", "curve"};
const std::vector<std::string> kColorKeys = {"color", "curve"};

template <typename T>
int indexOf(const std::vector<T>& list, const std::string& name) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

void setCurve(double curve[6], double cx1, double cy1, double cx2, double cy2) {
    const double tmp1x = -2 * cx1 + cx2;
    const double tmp1y = -2 * cy1 + cy2;
    const double tmp2x = 3 * (cx1 - cx2) + 1;
    const double tmp2y = 3 * (cy1 - cy2) + 1;
    curve[0] = cx1 * 0.3 + tmp1x * 0.03 + tmp2x * 0.001;
    curve[1] = cy1 * 0.3 + tmp1y * 0.03 + tmp2y * 0.001;
    curve[2] = tmp1x * 0.06 + tmp2x * 0.006;
    curve[3] = tmp1y * 0.06 + tmp2y * 0.006;
    curve[4] = tmp2x * 0.006;
    curve[5] = tmp2y * 0.006;
}

double curvePercent(const double curve[6], double p) {
    double dfx = curve[0];
    if (dfx == -1) return p;
    if (dfx == -2) return 0;
    double dfy = curve[1], ddfx = curve[2], ddfy = curve[3];
    double x = dfx, y = dfy;
    for (int i = 0; i < 9; ++i) {
        if (x >= p) {
            const double prevX = x - dfx;
            const double prevY = y - dfy;
            return prevY + (y - prevY) * (p - prevX) / (x - prevX);
        }
        if (i == 8) break;
        dfx += ddfx;
        dfy += ddfy;
        ddfx += curve[4];
        ddfy += curve[5];
        x += dfx;
        y += dfy;
    }
    return y + (1 - y) * (p - x) / (1 - x);
}

bool hexColor(const std::string& text, double out[4]) {
    if (text.size() != 8) return false;
    for (int i = 0; i < 4; ++i) {
        const std::string pair = text.substr(i * 2, 2);
        if (!std::isxdigit(static_cast<unsigned char>(pair[0])) || !std::isxdigit(static_cast<unsigned char>(pair[1])))
            return false;
        out[i] = std::strtol(pair.c_str(), nullptr, 16) / 255.0;
    }
    return true;
}

}  // namespace


bool SpinePreview::loadSkeleton(const std::string& text, std::string& error) {
    JsonValue root;
    if (!parseAnimationJson(text, root, error)) return false;
    const JsonValue* boneList = root.find("bones");
    const JsonValue* slotList = root.find("slots");
    const JsonValue* skins = root.find("skins");
    const JsonValue* skin = skins ? skins->find("default") : nullptr;
    if (!boneList || !slotList || !skin) return (error = "bones, slots and skins/default are needed"), false;
    for (const auto& [name, leaf] : boneList->members) {
        if (!scannerFindsMembers(leaf, kBoneKeys, error)) return false;
        Bone bone{name, -1, leaf.number("x", 0), -leaf.number("y", 0), -leaf.number("rotation", 0),
                  leaf.number("scaleX", 1), leaf.number("scaleY", 1)};
        const std::string parent = leaf.string("parent");
        bone.parent = indexOf(bones, parent);
        if (!parent.empty() && bone.parent < 0) return (error = "bone " + name + " comes before its parent"), false;
        bones.push_back(bone);
    }
    for (const auto& [name, leaf] : slotList->members) {
        if (!scannerFindsMembers(leaf, kSlotKeys, error)) return false;
        Slot slot{name, indexOf(bones, leaf.string("bone")), leaf.string("attachment"), {}};
        if (slot.bone < 0) return (error = "slot " + name + " names no bone"), false;
        slots.push_back(slot);
    }
    for (const auto& [slotName, entry] : skin->members) {
        const int slot = indexOf(slots, slotName);
        if (slot < 0) return (error = "skin entry for an unknown slot " + slotName), false;
        for (const auto& [imageName, leaf] : entry.members) {
            if (!scannerFindsMembers(leaf, kImageKeys, error)) return false;
            slots[slot].images.push_back({imageName, leaf.number("x", 0), -leaf.number("y", 0), leaf.number("scaleX", 1),
                                          leaf.number("scaleY", 1), -leaf.number("rotation", 0)});
        }
    }
    return true;
}

bool SpinePreview::loadKeys(const JsonValue& keys, Kind kind, int target, std::string& error) {
    Timeline timeline{kind, target, {}};
    for (const auto& [time, value] : keys.members) {
        Key key;
        key.time = std::strtod(time.c_str(), nullptr);
        if (!timeline.keys.empty() && key.time <= timeline.keys.back().time) return (error = "keys out of order at " + time), false;
        if (kind == Kind::Attachment) {
            key.name = value.text;
            timeline.keys.push_back(key);
            continue;
        }
        const std::vector<std::string>& names = kind == Kind::Rotate ? kAngleKeys : kind == Kind::Color ? kColorKeys : kPairKeys;
        if (!scannerFindsMembers(value, names, error)) return false;
        if (kind == Kind::Color && !hexColor(value.string("color"), key.values)) return (error = "colour at " + time), false;
        if (kind == Kind::Rotate) key.values[0] = -value.number("angle", 0);
        if (kind == Kind::Translate || kind == Kind::Scale) {
            key.values[0] = value.number("x", 0);
            key.values[1] = kind == Kind::Translate ? -value.number("y", 0) : value.number("y", 0);
        }
        const JsonValue* curve = value.find("curve");
        if (curve && curve->kind == JsonValue::Kind::String && curve->text == "stepped") key.curve[0] = -2;
        if (curve && curve->kind == JsonValue::Kind::Array) {
            double c[4] = {0, 0, 0, 0};
            for (size_t i = 0; i < 4 && i < curve->items.size(); ++i) c[i] = std::strtod(curve->items[i].c_str(), nullptr);
            setCurve(key.curve, c[0], c[1], c[2], c[3]);
        }
        timeline.keys.push_back(key);
    }
    if (timeline.keys.empty()) return (error = "a timeline without keys"), false;
    length = std::max(length, timeline.keys.back().time);
    timelines.push_back(timeline);
    return true;
}

bool SpinePreview::loadBoneTimelines(const std::string& boneName, const JsonValue& list, std::string& error) {
    const int bone = indexOf(bones, boneName);
    if (bone < 0) return (error = "animation of an unknown bone " + boneName), false;
    if (bone == 0) return (error = "the root bone is placed by the game and takes no keys"), false;
    for (const auto& [kind, keys] : list.members) {
        if (kind != "translate" && kind != "rotate" && kind != "scale") return (error = "unknown timeline " + kind), false;
    }
    const std::pair<const char*, Kind> kinds[] = {{"translate", Kind::Translate}, {"rotate", Kind::Rotate}, {"scale", Kind::Scale}};
    for (const auto& [member, kind] : kinds) {
        const JsonValue* keys = list.find(member);
        if (keys && !loadKeys(*keys, kind, bone, error)) return (error = boneName + " " + member + ": " + error), false;
    }
    return true;
}

bool SpinePreview::loadSlotTimelines(const std::string& slotName, const JsonValue& list, std::string& error) {
    const int slot = indexOf(slots, slotName);
    if (slot < 0) return (error = "animation of an unknown slot " + slotName), false;
    const JsonValue* color = list.find("color");
    const JsonValue* attachment = list.find("attachment");
    if (list.members.size() != (color ? 1u : 0u) + (attachment ? 1u : 0u)) return (error = "unknown slot timeline"), false;
    if (color && !loadKeys(*color, Kind::Color, slot, error)) return (error = slotName + " color: " + error), false;
    if (!attachment) return true;
    if (!loadKeys(*attachment, Kind::Attachment, slot, error)) return (error = slotName + " attachment: " + error), false;
    for (const Key& key : timelines.back().keys) {
        if (key.name == slots[slot].setupAttachment) return (error = slotName + ": the game ignores keys naming the setup picture"), false;
        if (key.name != "null" && indexOf(slots[slot].images, key.name) < 0) return (error = slotName + " cannot show " + key.name), false;
    }
    return true;
}

bool SpinePreview::loadAnimation(const std::string& text, std::string& error) {
    JsonValue root;
    if (!parseAnimationJson(text, root, error)) return false;
    for (const auto& [member, value] : root.members) {
        if (member != "bones" && member != "slots") return (error = "unknown member " + member), false;
    }
    if (const JsonValue* list = root.find("bones")) {
        for (const auto& [name, value] : list->members) {
            if (!loadBoneTimelines(name, value, error)) return false;
        }
    }
    if (const JsonValue* list = root.find("slots")) {
        for (const auto& [name, value] : list->members) {
            if (!loadSlotTimelines(name, value, error)) return false;
        }
    }
    return true;
}

bool SpinePreview::load(const std::string& skeletonText, const std::string& animationText, std::string& error) {
    *this = SpinePreview();
    if (!loadSkeleton(skeletonText, error)) return (error = "skeleton: " + error), false;
    if (!loadAnimation(animationText, error)) return (error = "animation: " + error), false;
    return true;
}

std::set<std::string> SpinePreview::pictureNames() const {
    std::set<std::string> names;
    for (const Slot& slot : slots) {
        for (const Image& image : slot.images) names.insert(image.name);
    }
    return names;
}



double SpinePreview::between(const std::vector<Key>& keys, double t, size_t& next) {
    next = 1;
    while (next < keys.size() && t >= keys[next].time) ++next;
    const double p = 1 - (t - keys[next].time) / (keys[next - 1].time - keys[next].time);
    return curvePercent(keys[next - 1].curve, std::clamp(p, 0.0, 1.0));
}

void SpinePreview::applyCurves(const Timeline& timeline, double t, Pose& pose) const {
    const std::vector<Key>& keys = timeline.keys;
    const int count = timeline.kind == Kind::Color ? 4 : timeline.kind == Kind::Rotate ? 1 : 2;
    double values[4];
    double p = 1;
    size_t next = keys.size() - 1;
    if (t >= keys.back().time || keys.size() == 1) {
        std::copy_n(keys.back().values, 4, values);
    } else {
        p = between(keys, t, next);
        for (int i = 0; i < count; ++i) {
            values[i] = keys[next - 1].values[i] + (keys[next].values[i] - keys[next - 1].values[i]) * p;
        }
    }
    if (timeline.kind == Kind::Color) {
        pose.alpha[timeline.target] = values[3];
        return;
    }
    Bone& bone = pose.bones[timeline.target];
    const Bone& setup = bones[timeline.target];
    if (timeline.kind == Kind::Translate) {
        bone.x = setup.x + values[0];
        bone.y = setup.y + values[1];
    } else if (timeline.kind == Kind::Scale) {
        bone.scaleX = values[0] + setup.scaleX - 1;
        bone.scaleY = values[1] + setup.scaleY - 1;
    } else if (t >= keys.back().time || keys.size() == 1) {
        bone.rotation = setup.rotation + keys.back().values[0];
    } else {
        double d = keys[next].values[0] - keys[next - 1].values[0];
        while (d > 180) d -= 360;
        while (d < -180) d += 360;
        bone.rotation = keys[next - 1].values[0] + setup.rotation + d * p;
    }
}

void SpinePreview::applyAttachment(const Timeline& timeline, double t, Pose& pose) const {
    size_t k = 0;
    while (k + 1 < timeline.keys.size() && timeline.keys[k + 1].time <= t) ++k;
    const Slot& slot = slots[timeline.target];
    const std::string& name = timeline.keys[k].name;
    if (name == slot.setupAttachment) return;
    if (name == "null") pose.image[timeline.target] = -1;
    else pose.image[timeline.target] = indexOf(slot.images, name);
}

void SpinePreview::updateWorld(Pose& pose) const {
    for (size_t i = 0; i < pose.bones.size(); ++i) {
        const Bone& bone = pose.bones[i];
        std::array<double, 6>& w = pose.world[i];
        double rotation = bone.rotation, scaleX = bone.scaleX, scaleY = bone.scaleY;
        w[4] = bone.x;
        w[5] = bone.y;
        if (bone.parent >= 0) {
            const std::array<double, 6>& p = pose.world[bone.parent];
            w[4] = bone.x * p[0] + bone.y * p[1] + p[4];
            w[5] = bone.x * p[2] + bone.y * p[3] + p[5];
            rotation += pose.worldRotation[bone.parent];
            scaleX *= pose.worldScale[bone.parent][0];
            scaleY *= pose.worldScale[bone.parent][1];
        }
        pose.worldRotation[i] = rotation;
        pose.worldScale[i] = {scaleX, scaleY};
        const double r = rotation * kDegrees;
        w[0] = std::cos(r) * scaleX;
        w[2] = std::sin(r) * scaleX;
        w[1] = -std::sin(r) * scaleY;
        w[3] = std::cos(r) * scaleY;
    }
}

SpinePreview::Pose SpinePreview::pose(double seconds) const {
    Pose pose;
    pose.bones = bones;
    pose.alpha.assign(slots.size(), 1.0);
    pose.image.assign(slots.size(), 0);
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].images.empty()) pose.image[i] = -1;
    }
    pose.world.resize(bones.size());
    pose.worldRotation.resize(bones.size());
    pose.worldScale.resize(bones.size());
    for (const Timeline& timeline : timelines) {
        if (seconds < timeline.keys.front().time) continue;
        if (timeline.kind == Kind::Attachment) applyAttachment(timeline, seconds, pose);
        else applyCurves(timeline, seconds, pose);
    }
    updateWorld(pose);
    return pose;
}

RgbaImage SpinePreview::render(const std::map<std::string, RgbaImage>& pictures, double seconds, int width,
                               int height, double x, double y, double scale) const {
    Pose posed = pose(seconds);
    Canvas canvas(static_cast<int>(width * scale), static_cast<int>(height * scale));
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, width, height);
    fillVerticalGradient(cr, 0, height, darken(palette::kLagoon, 0.6), darken(palette::kJungle, 0.6));
    cairo_new_path(cr);
    posed.bones[0].x = x;  // the game places the root bone itself
    posed.bones[0].y = y;
    updateWorld(posed);
    for (size_t i = 0; i < slots.size(); ++i) {
        if (posed.image[i] < 0 || posed.alpha[i] <= 0) continue;
        const Image& image = slots[i].images[posed.image[i]];
        const auto found = pictures.find(image.name);
        if (found == pictures.end()) continue;
        const std::array<double, 6>& w = posed.world[slots[i].bone];
        cairo_matrix_t matrix;
        cairo_matrix_init(&matrix, w[0], w[2], w[1], w[3], w[4], w[5]);
        cairo_save(cr);
        cairo_transform(cr, &matrix);
        cairo_translate(cr, image.x, image.y);
        cairo_rotate(cr, image.rotation * kDegrees);
        cairo_scale(cr, image.scaleX, image.scaleY);
        const RgbaImage& picture = found->second;
        cairo_surface_t* surface = surfaceFromImage(picture);
        cairo_set_source_surface(cr, surface, -picture.width / 2.0, -picture.height / 2.0);
        cairo_paint_with_alpha(cr, posed.alpha[i]);
        cairo_surface_destroy(surface);
        cairo_restore(cr);
    }
    return canvas.toImage();
}
