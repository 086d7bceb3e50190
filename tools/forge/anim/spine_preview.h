#pragma once
// Loads a skeleton and animation pair the way the game reads them (y and angles turned over,
// scale keys added to the setup scale less one, Bezier curves in ten steps) and poses it at any
// time, to check the files against the pictures and to draw previews. Loading refuses what the
// game would misread: unknown bones or slots, unsorted keys, attachment keys naming a picture
// the slot does not have, colours that are not eight hexadecimal digits.
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/forge/anim/json.h"
#include "tools/forge/core/rgba_image.h"

class SpinePreview {
public:
    bool load(const std::string& skeletonText, const std::string& animationText, std::string& error);

    double duration() const { return length; }
    std::set<std::string> pictureNames() const;  // every picture the skin can show
    // The pose at time seconds drawn over a dim backdrop of width x height, the root bone at
    // (x, y), everything shrunk by scale.
    RgbaImage render(const std::map<std::string, RgbaImage>& pictures, double seconds, int width, int height,
                     double x, double y, double scale) const;

private:
    struct Bone {
        std::string name;
        int parent = -1;
        double x = 0, y = 0, rotation = 0, scaleX = 1, scaleY = 1;
    };
    struct Image {
        std::string name;
        double x = 0, y = 0, scaleX = 1, scaleY = 1, rotation = 0;
    };
    struct Slot {
        std::string name;
        int bone = -1;
        std::string setupAttachment;
        std::vector<Image> images;
    };
    enum class Kind { Translate, Rotate, Scale, Color, Attachment };
    struct Key {
        double time = 0;
        double values[4] = {0, 0, 0, 0};
        double curve[6] = {-1, 0, 0, 0, 0, 0};
        std::string name;
    };
    struct Timeline {
        Kind kind = Kind::Translate;
        int target = -1;
        std::vector<Key> keys;
    };
    struct Pose {
        std::vector<Bone> bones;                    // current pose
        std::vector<double> alpha;                  // per slot, 0..1
        std::vector<int> image;                     // per slot: index into its images, -1 hidden
        std::vector<std::array<double, 6>> world;   // per bone: m00, m01, m10, m11, x, y
        std::vector<double> worldRotation;
        std::vector<std::array<double, 2>> worldScale;
    };

    bool loadSkeleton(const std::string& text, std::string& error);
    bool loadAnimation(const std::string& text, std::string& error);
    bool loadBoneTimelines(const std::string& boneName, const JsonValue& timelines, std::string& error);
    bool loadSlotTimelines(const std::string& slotName, const JsonValue& timelines, std::string& error);
    bool loadKeys(const JsonValue& keys, Kind kind, int target, std::string& error);
    static double between(const std::vector<Key>& keys, double t, size_t& next);
    void applyCurves(const Timeline& timeline, double t, Pose& pose) const;
    void applyAttachment(const Timeline& timeline, double t, Pose& pose) const;
    void updateWorld(Pose& pose) const;
    Pose pose(double seconds) const;

    std::vector<Bone> bones;
    std::vector<Slot> slots;
    std::vector<Timeline> timelines;
    double length = 0;
};
